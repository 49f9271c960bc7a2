#pragma once

#include "database/ConnectionSettings.h"

#include <QString>

class Database;

// Creating an office database: the tables, then the standard rows.
namespace OfficeDatabase {

// Opens db on the described database, creating the SQLite file when needed, and creates the
// tables. An existing office database is refused unless force is set, which drops it first.
bool Create(Database& db, const ConnectionSettings& where, bool force, QString* error);

}  // namespace OfficeDatabase
