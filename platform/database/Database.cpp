#include "database/Database.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("orvel-db-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString sqlErrorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (text.isEmpty())
        return driver;
    return driver.isEmpty() || text.contains(driver) ? text : driver + QStringLiteral(": ") + text;
}

}  // namespace

Database::Database() : m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    Close();
}

bool Database::Open(const QString& configFileName, bool /*readSettings*/)
{
    ConnectionSettings settings;
    QString error;
    if (!ConnectionSettings::FromConfigFile(configFileName, &settings, &error)) {
        Close();
        fail(error);
        return false;
    }
    return OpenConnection(settings);
}

bool Database::OpenConnection(const ConnectionSettings& settings)
{
    Close();
    QSqlDatabase db;
    if (settings.driver == QLatin1String("jet")) {
        if (!QFileInfo(settings.file).isFile()) {
            fail(QStringLiteral("数据库文件不存在: %1").arg(settings.file));
            return false;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(settings.file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        m_engine = SqlEngine::Sqlite;
    } else if (settings.driver == QLatin1String("pgsql")) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setDatabaseName(settings.name);
        db.setUserName(settings.user);
        db.setPassword(settings.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        m_engine = SqlEngine::Postgres;
    } else if (settings.driver == QLatin1String("mssql")) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
        db.setDatabaseName(settings.odbc);
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=5"));
        m_engine = SqlEngine::SqlServer;
    } else {
        fail(QStringLiteral("未知的数据库驱动 \"%1\"").arg(settings.driver));
        return false;
    }
    if (!db.isValid()) {
        fail(QStringLiteral("数据库驱动不可用: %1").arg(db.driverName()));
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    db.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!db.open()) {
        fail(QStringLiteral("无法打开数据库: %1").arg(sqlErrorText(db.lastError())));
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    m_driver = settings.driver;
    m_connection = db;
    if (m_engine == SqlEngine::Sqlite) {
        // Write-ahead log with full syncs: a committed note survives a crash or a power cut.
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("pragma foreign_keys = on"));
        pragma.exec(QStringLiteral("pragma journal_mode = wal"));
        pragma.exec(QStringLiteral("pragma synchronous = full"));
    }
    return true;
}

void Database::Close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    if (m_inTransaction)
        m_connection.rollback();
    m_connection.close();
    m_connection = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_inTransaction = false;
    m_driver.clear();
}

bool Database::IsOpen() const
{
    return m_connection.isOpen();
}

DbCommand Database::Execute(const QString& sql, int /*kind*/)
{
    return DbCommand(this, sql);
}

bool Database::exec(const QString& sql, QSqlQuery* query)
{
    if (!IsOpen()) {
        fail(QStringLiteral("数据库没有打开"), sql);
        return false;
    }
    QString error;
    const QString translated = SqlDialect::Translate(sql, m_engine, &error);
    if (!error.isEmpty()) {
        fail(error, sql);
        return false;
    }
    *query = QSqlQuery(m_connection);
    query->setForwardOnly(true);
    if (!query->exec(translated)) {
        fail(sqlErrorText(query->lastError()), sql);
        return false;
    }
    return true;
}

void Database::fail(const QString& message, const QString& statement)
{
    m_error.Message = message;
    m_error.Statement = statement;
}

bool Database::BeginTrans()
{
    if (!IsOpen()) {
        fail(QStringLiteral("数据库没有打开"));
        return false;
    }
    if (m_inTransaction) {
        fail(QStringLiteral("事务已经开始"));
        return false;
    }
    if (!m_connection.transaction()) {
        fail(sqlErrorText(m_connection.lastError()));
        return false;
    }
    m_inTransaction = true;
    return true;
}

bool Database::CommitTrans()
{
    if (!m_inTransaction) {
        fail(QStringLiteral("没有打开的事务"));
        return false;
    }
    if (!m_connection.commit()) {
        fail(sqlErrorText(m_connection.lastError()));
        // The engine may have ended the transaction anyway; a failed commit is rolled back.
        m_connection.rollback();
        m_inTransaction = false;
        return false;
    }
    m_inTransaction = false;
    return true;
}

bool Database::RollbackTrans()
{
    if (!m_inTransaction)
        return false;
    m_inTransaction = false;
    if (!m_connection.rollback()) {
        fail(sqlErrorText(m_connection.lastError()));
        return false;
    }
    return true;
}

QString Database::SqlFunction(const QString& name) const
{
    if (name.trimmed().compare(QLatin1String("getdate()"), Qt::CaseInsensitive) == 0)
        return SqlDialect::CurrentDateTime(m_engine);
    return name;
}

DbProperty Database::Properties(const QString& name) const
{
    if (name.compare(QLatin1String("driver"), Qt::CaseInsensitive) == 0)
        return {m_driver};
    return {};
}

QString Database::Quote(const QString& value) const
{
    QString text = value;
    text.remove(QChar(0));
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    // SQL Server keeps Chinese text only in N'' literals.
    return (m_engine == SqlEngine::SqlServer ? QStringLiteral("N'") : QStringLiteral("'")) + text + QLatin1Char('\'');
}

QString Database::DateLiteral(const QDate& date) const
{
    const QString text = date.toString(QStringLiteral("yyyy-MM-dd"));
    return m_driver == QLatin1String("jet") ? QLatin1Char('#') + text + QLatin1Char('#')
                                             : QLatin1Char('\'') + text + QLatin1Char('\'');
}
