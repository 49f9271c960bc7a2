#pragma once

#include "PlatformExport.h"

#include <QString>

class Database;

namespace SqlTemplate {

// Puts the typed text in place of every "@" of a lookup statement. Inside a quoted literal the
// text goes in with its quotes doubled; elsewhere it goes in as a quoted literal. Either way the
// text stays one value and can never end or extend the statement.
ORVEL_PLATFORM_EXPORT QString FillTypedText(const QString& sql, const QString& text, const Database& db);
// The same with a plain quoted literal for a bare "@" (no database at hand).
ORVEL_PLATFORM_EXPORT QString FillTypedText(const QString& sql, const QString& text);
// The same with the literal given for a bare "@".
ORVEL_PLATFORM_EXPORT QString FillTypedText(const QString& sql, const QString& text, const QString& literal);

}  // namespace SqlTemplate
