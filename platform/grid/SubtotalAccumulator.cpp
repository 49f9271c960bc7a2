#include "grid/SubtotalAccumulator.h"

#include "grid/GridCodes.h"
#include "grid/NumberFormat.h"

#include <QLocale>

#include <cmath>

void SubtotalAccumulator::Add(QStringView cell)
{
    if (!cell.trimmed().isEmpty())
        ++m_filled;
    const std::optional<double> value = NumberFormat::Parse(cell);
    if (!value)
        return;
    m_min = m_numbers == 0 ? *value : std::min(m_min, *value);
    m_max = m_numbers == 0 ? *value : std::max(m_max, *value);
    m_sum += *value;
    ++m_numbers;
}

void SubtotalAccumulator::Reset()
{
    *this = SubtotalAccumulator(m_function);
}

QString SubtotalAccumulator::Result(const QString& format) const
{
    double value = 0;
    switch (m_function) {
    case GridCodes::SubtotalSum:
        value = m_sum;
        break;
    case GridCodes::SubtotalCount:
        value = m_filled;
        break;
    case GridCodes::SubtotalAverage:
    case GridCodes::SubtotalMax:
    case GridCodes::SubtotalMin:
        if (m_numbers == 0)
            return {};
        value = m_function == GridCodes::SubtotalAverage ? m_sum / m_numbers
            : m_function == GridCodes::SubtotalMax       ? m_max
                                                         : m_min;
        break;
    default:
        return {};
    }
    value = std::round(value * 1e9) / 1e9; // drops binary noise such as 0.1 + 0.2 = 0.30000000000000004
    const NumberFormat pattern(format);
    return pattern.IsNumeric() ? pattern.Apply(value) : QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}
