#pragma once

#include "PlatformExport.h"

#include <QString>

// Where the office database is, as described by <database .../> in the configuration file.
struct ORVEL_PLATFORM_EXPORT ConnectionSettings {
    QString driver;    // "jet" (embedded SQLite file), "pgsql" or "mssql" (ODBC)
    QString file;      // jet: absolute path of the SQLite file
    QString host;      // pgsql
    int port = 5432;   // pgsql
    QString name;      // pgsql: database name
    QString user;      // pgsql
    QString password;  // pgsql
    QString odbc;      // mssql: ODBC connection string

    // Reads /configuration/database of configFile; a relative "file" is taken from the folder of
    // the configuration file (the program folder). Returns false with a message in *error.
    static bool FromConfigFile(const QString& configFile, ConnectionSettings* out, QString* error);
    static ConnectionSettings Sqlite(const QString& file);
};
