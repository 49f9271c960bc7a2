#pragma once

#include "PlatformExport.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The account-set record of AppSystem::UserInfo: the columns of one sysdatabase row as texts,
// by column name (letter case ignored). A column that was never set reads as empty.
class ORVEL_PLATFORM_EXPORT AccountSetRecord {
public:
    QString Value(const QString& column) const { return m_values.value(column.toLower()); }
    void SetValue(const QString& column, const QString& text) { m_values.insert(column.toLower(), text); }
    void Clear() { m_values.clear(); }
    bool IsEmpty() const { return m_values.isEmpty(); }
    QStringList Columns() const { return m_values.keys(); }

private:
    QMap<QString, QString> m_values;
};
