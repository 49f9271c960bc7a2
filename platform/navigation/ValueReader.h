#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QVariant>

// Null-safe conversion of field values: a null gives the empty text or 0.
namespace ValueReader {

ORVEL_PLATFORM_EXPORT QString ToText(const QVariant& value);
ORVEL_PLATFORM_EXPORT qint64 ToLong(const QVariant& value);
ORVEL_PLATFORM_EXPORT double ToDouble(const QVariant& value);
// A date (or date text) in the given form; only "yyyy-mm-dd" and Qt date formats are known.
// The empty text for a null or a value that is not a date.
ORVEL_PLATFORM_EXPORT QString ToDate(const QVariant& value, const QString& format = QStringLiteral("yyyy-mm-dd"));

}  // namespace ValueReader
