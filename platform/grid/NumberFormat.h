#pragma once

#include "PlatformExport.h"

#include <QString>

#include <optional>

// Number patterns of grid columns such as "#,##0.00" or "0.###%": "," in the integer part groups
// thousands, each "0" is a digit always shown, each "#" after the point an optional decimal, "%"
// scales by 100. Text before and after the digits is kept.
class ORVEL_PLATFORM_EXPORT NumberFormat {
public:
    explicit NumberFormat(const QString& pattern);

    // False for an empty pattern or one without digit places.
    bool IsNumeric() const { return m_numeric; }
    QString Apply(double value) const;

    // The number a cell text holds ("1,234.5" included); nothing when it holds none.
    static std::optional<double> Parse(QStringView text);

private:
    QString m_prefix;
    QString m_suffix;
    int m_minIntegerDigits = 1;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
    bool m_grouping = false;
    bool m_percent = false;
    bool m_numeric = false;
};
