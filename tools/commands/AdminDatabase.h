#pragma once

#include "database/ConnectionSettings.h"

#include <QCommandLineParser>

class Database;

// The database options every subcommand that needs a database shares:
// --config FILE (default: the configuration file of the program folder) or --sqlite PATH.
namespace AdminDatabase {

void AddOptions(QCommandLineParser& parser);
// Where the options point; false with a message in *error.
bool Resolve(const QCommandLineParser& parser, ConnectionSettings* out, QString* error);
QString DefaultConfigFile();
// Resolves the options and opens db on them; false with a message in *error.
bool Open(const QCommandLineParser& parser, Database& db, QString* error);

}  // namespace AdminDatabase
