#include "controls/BoxFormat.h"

#include "system/SqlTemplate.h"

#include <QLocale>
#include <QRegularExpression>

std::optional<double> BoxFormat::ParseNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!plain.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString BoxFormat::FormatNumber(double value, int decimals)
{
    if (value == 0)
        value = 0;   // no "-0"
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(value, 'f', decimals < 0 ? QLocale::FloatingPointShortest : decimals);
}

std::optional<QDate> BoxFormat::ParseDate(const QString& text)
{
    static const QRegularExpression separated(QStringLiteral("^(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    const QString trimmed = text.trimmed();
    QRegularExpressionMatch match = separated.match(trimmed);
    if (!match.hasMatch())
        match = compact.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString BoxFormat::FormatDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString BoxFormat::FillLookupSql(const QString& sql, const QString& text)
{
    return SqlTemplate::FillTypedText(sql, text);
}
