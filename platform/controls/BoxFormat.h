#pragma once

#include "PlatformExport.h"

#include <QDate>
#include <QString>
#include <optional>

// Text rules of the entry box: plain numbers, ISO dates and the lookup statement.
class ORVEL_PLATFORM_EXPORT BoxFormat {
public:
    // A plain decimal number: optional sign, digits, at most one "." (never a locale comma or a
    // group separator); surrounding spaces are ignored. Nothing for any other text.
    static std::optional<double> ParseNumber(const QString& text);
    // With a plain decimal point and no group separators; decimals < 0 writes as many as needed.
    static QString FormatNumber(double value, int decimals = -1);

    // yyyy-m-d with "-", "/" or "." between the parts, or yyyymmdd; the date must exist.
    static std::optional<QDate> ParseDate(const QString& text);
    static QString FormatDate(const QDate& date);

    // The lookup statement with the typed text in place of every "@": inside a quoted literal the
    // text goes in with its quotes doubled, elsewhere as a quoted literal of its own, so that the
    // typed text can never end or extend the statement.
    static QString FillLookupSql(const QString& sql, const QString& text);
};
