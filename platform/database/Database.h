#pragma once

#include "PlatformExport.h"
#include "database/ConnectionSettings.h"
#include "database/DbCommand.h"
#include "database/ErrorInfo.h"
#include "database/SqlDialect.h"

#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// Item returned by Database::Properties.
struct DbProperty {
    QVariant Value;
};

// The office database. Statement failures are never thrown: they leave their text in LastError,
// which stays set until ClearError, so a failure cannot be hidden by a later success.
// A component: created by the identifier "zuZiduDarereDadoda.Database".
class ORVEL_PLATFORM_EXPORT Database : public QObject {
    Q_OBJECT

public:
    Database();
    ~Database() override;

    // Opens the connection that /configuration/database of the configuration file describes.
    bool Open(const QString& configFileName, bool readSettings = true);
    bool OpenConnection(const ConnectionSettings& settings);
    void Close();
    bool IsOpen() const;

    // kind 1 = plain SQL text, the only kind there is.
    DbCommand Execute(const QString& sql, int kind = 1);

    const ErrorInfo& LastError() const { return m_error; }
    void ClearError() { m_error = {}; }

    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    // "getdate()" -> the current date and time expression of the open engine.
    QString SqlFunction(const QString& name) const;
    // "driver" -> "jet", "pgsql" or "mssql".
    DbProperty Properties(const QString& name) const;

    // A text value as a literal, quotes doubled, so that it is stored as typed and can never end
    // or extend the statement it is concatenated into.
    QString Quote(const QString& value) const;
    // A date literal in the syntax of the driver: #yyyy-mm-dd# for "jet", quoted otherwise.
    QString DateLiteral(const QDate& date) const;

    SqlEngine Engine() const { return m_engine; }
    QString ConnectionName() const { return m_connectionName; }

private:
    friend class DbCommand;
    // Translates and prepares a statement; false with LastError set when it cannot run.
    bool exec(const QString& sql, QSqlQuery* query);
    void fail(const QString& message, const QString& statement = {});

    QString m_connectionName;
    QSqlDatabase m_connection;  // valid while open
    QString m_driver;
    SqlEngine m_engine = SqlEngine::Sqlite;
    ErrorInfo m_error;
    bool m_inTransaction = false;
};
