#include "grid/NumberFormat.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

bool isPatternChar(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

QString grouped(const QString& digits)
{
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

} // namespace

NumberFormat::NumberFormat(const QString& pattern)
{
    const qsizetype first = std::find_if(pattern.begin(), pattern.end(), [](QChar c) { return c == u'#' || c == u'0'; }) - pattern.begin();
    if (first == pattern.size())
        return;
    qsizetype begin = first;
    while (begin > 0 && isPatternChar(pattern[begin - 1]))
        --begin;
    qsizetype end = first;
    while (end < pattern.size() && isPatternChar(pattern[end]))
        ++end;
    m_prefix = pattern.left(begin);
    m_suffix = pattern.mid(end);
    m_percent = m_prefix.contains(u'%') || m_suffix.contains(u'%');

    const QStringView core = QStringView(pattern).mid(begin, end - begin);
    const qsizetype point = core.indexOf(u'.');
    const QStringView integer = point < 0 ? core : core.left(point);
    const QStringView decimals = point < 0 ? QStringView() : core.mid(point + 1);
    m_grouping = integer.contains(u',');
    m_minIntegerDigits = int(integer.count(u'0'));
    m_minDecimals = int(decimals.count(u'0'));
    m_maxDecimals = m_minDecimals + int(decimals.count(u'#'));
    m_numeric = true;
}

QString NumberFormat::Apply(double value) const
{
    if (m_percent)
        value *= 100;
    QString text = QLocale::c().toString(std::fabs(value), 'f', m_maxDecimals);
    const qsizetype point = text.indexOf(u'.');
    QString integer = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    while (fraction.size() > m_minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (integer == u"0" && m_minIntegerDigits == 0)
        integer.clear();
    while (integer.size() < m_minIntegerDigits)
        integer.prepend(u'0');
    if (m_grouping)
        integer = grouped(integer);
    const bool zero = integer.count(u'0') + integer.count(u',') == integer.size() && fraction.count(u'0') == fraction.size();
    QString number = fraction.isEmpty() ? integer : integer + u'.' + fraction;
    if (value < 0 && !zero)
        number.prepend(u'-');
    return m_prefix + number + m_suffix;
}

std::optional<double> NumberFormat::Parse(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1);
    char digits[64];
    qsizetype size = 0;
    for (QChar c : text) {
        if (c == u',')
            continue;
        if (c.unicode() > 127 || size == qsizetype(sizeof digits))
            return std::nullopt;
        digits[size++] = char(c.unicode());
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + size, value);
    if (size == 0 || error != std::errc() || end != digits + size || !std::isfinite(value))
        return std::nullopt;
    return value;
}
