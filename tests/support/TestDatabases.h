#pragma once

#include "database/Database.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The two engines every database test runs on.
enum class TestEngine { Sqlite, Postgres };

// A fresh, empty office database for one test: a new SQLite file, or a new schema-free
// PostgreSQL database in the private cluster that the ctest fixture started.
class TestDatabase {
public:
    explicit TestDatabase(TestEngine engine);
    ~TestDatabase();

    Database& db() { return m_db; }
    ConnectionSettings settings() const { return m_settings; }
    QString folder() const { return m_dir.path(); }
    // A configuration file in the test's folder that points at this database.
    QString writeConfig() const;

private:
    QTemporaryDir m_dir;
    TestEngine m_engine;
    ConnectionSettings m_settings;
    QString m_pgName;
    Database m_db;
};

// Connection of the private cluster; fails the test (not skips) when the fixture did not run.
ConnectionSettings PostgresServer();

const char* EngineName(TestEngine engine);
