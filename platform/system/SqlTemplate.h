#pragma once

#include "PlatformExport.h"

#include <QString>

class Database;

namespace SqlTemplate {

// Puts the typed text in place of every "@" of a lookup statement. Inside a quoted literal the
// text goes in with its quotes doubled; elsewhere it goes in as a quoted literal. Either way the
// text stays one value and can never end or extend the statement.
ORVEL_PLATFORM_EXPORT QString FillTypedText(const QString& sql, const QString& text, const Database& db);

}  // namespace SqlTemplate
