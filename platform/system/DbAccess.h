#pragma once

#include "database/Database.h"

#include <QString>
#include <QVariant>

// Statements of the system objects on a database they share with their callers. A statement
// that fails reports its message here; the failure is cleared from the database again unless
// the database already held a caller's error, which is never hidden.
class DbAccess {
public:
    explicit DbAccess(Database* db) : m_db(db) {}

    bool Run(const QString& sql, int* affected = nullptr);
    // First column of the first row; null when there is none. *ok is false when it failed.
    QVariant Value(const QString& sql, bool* ok = nullptr);
    DbRecordset Rows(const QString& sql, bool* ok = nullptr);

    QString Quote(const QString& text) const { return m_db->Quote(text); }
    // The message of the last failed statement; empty when the last statement succeeded.
    const QString& Error() const { return m_error; }

private:
    template <typename Call>
    bool guarded(Call call);

    Database* m_db;
    QString m_error;
};
