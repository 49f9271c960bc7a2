#include "PvData.h"

#include <QVariantList>

std::optional<PvData> PvData::FromVariant(const QVariant& pvData)
{
    PvData data;
    if (!pvData.isValid() || pvData.isNull())
        return data;
    if (pvData.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList planes = pvData.toList();
    if (planes.size() != 2)
        return std::nullopt;
    auto values = readPlane(planes.at(0));
    auto columns = readPlane(planes.at(1));
    if (!values || !columns || values->size() != columns->size())
        return std::nullopt;
    data.m_values = *values;
    data.m_columns = *columns;
    return data;
}

std::optional<QList<PvData::Pair>> PvData::readPlane(const QVariant& plane)
{
    if (plane.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QList<Pair> lines;
    for (const QVariant& line : plane.toList()) {
        const QVariantList pair = line.toList();
        if (line.typeId() != QMetaType::QVariantList || pair.size() != 2)
            return std::nullopt;
        lines.append({pair.at(0), pair.at(1)});
    }
    return lines;
}

QVariant PvData::ToVariant() const
{
    if (IsEmpty())
        return {};
    const auto plane = [](const QList<Pair>& lines) {
        QVariantList list;
        for (const Pair& pair : lines)
            list.append(QVariant(QVariantList{pair[0], pair[1]}));
        return QVariant(list);
    };
    return QVariantList{plane(m_values), plane(m_columns)};
}

void PvData::AppendLine(Slot slot, const QString& column, const QString& comparison, const QVariant& value)
{
    Pair values;
    Pair columns;
    values[slot] = value;
    columns[slot] = comparison.isEmpty() ? column : column + QLatin1Char(' ') + comparison;
    m_values.append(values);
    m_columns.append(columns);
}

QVariant PvData::Value(int line, Slot slot) const
{
    return line >= 0 && line < LineCount() ? m_values.at(line)[slot] : QVariant();
}

QString PvData::ColumnText(int line, Slot slot) const
{
    return line >= 0 && line < LineCount() ? m_columns.at(line)[slot].toString() : QString();
}

PvData::Condition PvData::ConditionAt(int line, Slot slot) const
{
    const QString text = ColumnText(line, slot).trimmed();
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    Condition condition;
    condition.Column = space < 0 ? text : text.left(space);
    condition.Operator = space < 0 ? QStringLiteral("=") : text.mid(space + 1).trimmed();
    condition.Value = Value(line, slot);
    return condition;
}

QList<PvData::Condition> PvData::Conditions(Slot slot) const
{
    QList<Condition> conditions;
    for (int i = 0; i < LineCount(); ++i) {
        if (!ColumnText(i, slot).trimmed().isEmpty())
            conditions.append(ConditionAt(i, slot));
    }
    return conditions;
}
