#pragma once

#include "PlatformExport.h"
#include "database/DbRecordset.h"

#include <QString>
#include <QVariant>

class Database;

// One statement handed to Database::Execute. Failures go to the database's LastError.
class ORVEL_PLATFORM_EXPORT DbCommand {
public:
    // Executes an action statement; *affected receives the number of rows changed.
    bool Run(int* affected = nullptr);
    // First column of the first row; null when there is no row or the statement failed.
    QVariant Value();
    // The rows of the statement, forward only.
    DbRecordset Recordset();

private:
    friend class Database;
    DbCommand(Database* db, QString sql) : m_db(db), m_sql(std::move(sql)) {}

    Database* m_db;
    QString m_sql;
};
