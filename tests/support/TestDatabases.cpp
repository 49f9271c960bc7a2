#include "TestDatabases.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

const char* EngineName(TestEngine engine)
{
    return engine == TestEngine::Sqlite ? "sqlite" : "postgres";
}

ConnectionSettings PostgresServer()
{
    const QString infoFile = qEnvironmentVariable("ORVEL_PG_INFO");
    QFile file(infoFile);
    ConnectionSettings s;
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "PostgreSQL test cluster is not running (" << infoFile.toStdString()
                      << "): run the tests through ctest";
        return s;
    }
    const QStringList parts = QString::fromUtf8(file.readAll()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    s.driver = QStringLiteral("pgsql");
    s.host = parts.value(0);
    s.port = parts.value(1).toInt();
    s.user = parts.value(2);
    s.name = parts.value(3);
    return s;
}

TestDatabase::TestDatabase(TestEngine engine) : m_engine(engine)
{
    if (engine == TestEngine::Sqlite) {
        const QString path = m_dir.filePath(QStringLiteral("office.db"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.close();
        m_settings = ConnectionSettings::Sqlite(path);
    } else {
        static QAtomicInt counter;
        const ConnectionSettings server = PostgresServer();
        m_pgName = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
        Database admin;
        if (!admin.OpenConnection(server))
            ADD_FAILURE() << admin.LastError().Message.toStdString();
        admin.Execute(QStringLiteral("create database ") + m_pgName, 1).Run();
        EXPECT_TRUE(admin.LastError().IsEmpty()) << admin.LastError().Message.toStdString();
        m_settings = server;
        m_settings.name = m_pgName;
    }
    if (!m_db.OpenConnection(m_settings))
        ADD_FAILURE() << "cannot open test database: " << m_db.LastError().Message.toStdString();
}

TestDatabase::~TestDatabase()
{
    m_db.Close();
    if (m_engine == TestEngine::Postgres && !m_pgName.isEmpty()) {
        Database admin;
        if (admin.OpenConnection(PostgresServer()))
            admin.Execute(QStringLiteral("drop database if exists ") + m_pgName, 1).Run();
    }
}

QString TestDatabase::writeConfig() const
{
    const QString path = m_dir.filePath(QStringLiteral("OrvelMain.exe.Config"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<configuration>\n";
    if (m_engine == TestEngine::Sqlite)
        out << "  <database driver=\"jet\" file=\"office.db\"/>\n";
    else
        out << QStringLiteral("  <database driver=\"pgsql\" host=\"%1\" port=\"%2\" name=\"%3\" user=\"%4\"/>\n")
                   .arg(m_settings.host).arg(m_settings.port).arg(m_settings.name, m_settings.user);
    out << "</configuration>\n";
    return path;
}
