#pragma once

#include "ContractsExport.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

// The search definition a host hands to Find and Filter: a three-dimensional array
// [2][lines][2]. For line i, [0][i][k] is the value to look for and [1][i][k] the column name
// followed by its comparison ("cnoteNumber like"); slot k = 1 serves Find, k = 0 Filter.
// As a QVariant it is nested QVariantLists in that order.
class CNOTE_CONTRACTS_EXPORT PvData {
public:
    enum Slot { FilterSlot = 0, FindSlot = 1 };

    // One search condition of a line, split for readers.
    struct Condition {
        QString Column;     // column name
        QString Operator;   // comparison after the column, "=" when none is written
        QVariant Value;
    };

    // Null or invalid -> an empty definition; a value of another shape -> nothing.
    static std::optional<PvData> FromVariant(const QVariant& pvData);
    QVariant ToVariant() const;

    // Appends a line whose slot holds column + " " + comparison and value; the other slot stays null.
    void AppendLine(Slot slot, const QString& column, const QString& comparison, const QVariant& value);

    int LineCount() const { return int(m_values.size()); }
    bool IsEmpty() const { return m_values.isEmpty(); }
    QVariant Value(int line, Slot slot) const;
    // The column text as stored, for example "startway like".
    QString ColumnText(int line, Slot slot) const;
    Condition ConditionAt(int line, Slot slot) const;
    // The lines whose slot names a column, in order.
    QList<Condition> Conditions(Slot slot) const;

private:
    using Pair = std::array<QVariant, 2>;
    static std::optional<QList<Pair>> readPlane(const QVariant& plane);

    QList<Pair> m_values;   // [0][i][k]
    QList<Pair> m_columns;  // [1][i][k]
};
