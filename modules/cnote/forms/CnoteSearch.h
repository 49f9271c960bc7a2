#pragma once

#include "PvData.h"

#include <QString>

// The condition Find and Filter build from the host's search definition. For each line whose
// value is not blank: " and " + column-with-operator + the value between delimiters: " '%" and
// "%' " after a "like", "#" on the "jet" driver, "'" otherwise. The leading " and" is dropped.
// Quotes in the value are doubled and a "#" cannot end a date literal, so that the operator's
// value never ends or extends the statement.
namespace CnoteSearch {

QString BuildCondition(const PvData& definition, PvData::Slot slot, const QString& driver);

}  // namespace CnoteSearch
