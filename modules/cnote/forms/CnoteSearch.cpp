#include "CnoteSearch.h"

namespace CnoteSearch {
namespace {

struct Delimiters {
    QString open;
    QString close;
};

Delimiters delimitersFor(const QString& columnText, const QString& driver)
{
    if (columnText.trimmed().right(4) == QLatin1String("like"))
        return {QStringLiteral(" '%"), QStringLiteral("%' ")};
    if (driver == QLatin1String("jet"))
        return {QStringLiteral("#"), QStringLiteral("#")};
    return {QStringLiteral("'"), QStringLiteral("'")};
}

QString escaped(QString value, const Delimiters& delimiters)
{
    if (delimiters.open == QLatin1String("#"))
        value.remove(QLatin1Char('#'));
    return value.replace(QLatin1Char('\''), QStringLiteral("''"));
}

}  // namespace

QString BuildCondition(const PvData& definition, PvData::Slot slot, const QString& driver)
{
    QString condition;
    for (int line = 0; line < definition.LineCount(); ++line) {
        const QString value = definition.Value(line, slot).toString();
        if (value.trimmed().isEmpty())
            continue;
        const QString columnText = definition.ColumnText(line, slot);
        const Delimiters delimiters = delimitersFor(columnText, driver);
        condition += QStringLiteral(" and ") + columnText + delimiters.open + escaped(value, delimiters) + delimiters.close;
    }
    return condition.isEmpty() ? condition : condition.mid(4);
}

}  // namespace CnoteSearch
