#pragma once

#include "PlatformExport.h"

#include <QString>

// The engines the Database object talks to. Components send Jet / SQL Server style text;
// SqlDialect rewrites it for the engine, token by token, never inside quoted strings.
enum class SqlEngine { Sqlite, Postgres, SqlServer };

namespace SqlDialect {

// Rewrites:
//  - #date# literals       -> 'yyyy-mm-dd' (or 'yyyy-mm-dd hh:mm:ss'); a literal that is not a
//                             date fails with a message in *error and an empty result;
//  - select [distinct] top N -> ... limit N      (SQLite, PostgreSQL; also inside sub-queries);
//  - left(text, n)          -> substr(text, 1, n) (SQLite);
//  - getdate()              -> the engine's current date and time;
//  - [name]                 -> "name" in lower case (PostgreSQL folds unquoted names).
ORVEL_PLATFORM_EXPORT QString Translate(const QString& sql, SqlEngine engine, QString* error);

// The expression for the current date and time on the engine.
ORVEL_PLATFORM_EXPORT QString CurrentDateTime(SqlEngine engine);

}  // namespace SqlDialect
