#pragma once

#include <QString>

class Database;

// Operator accounts of the office database.
namespace Operators {

// Adds an operator; with allRights every program of xt_objects and xt_menu may be opened.
bool Add(Database& db, const QString& name, const QString& password, bool allRights, QString* error);
bool SetPassword(Database& db, const QString& name, const QString& password, QString* error);

}  // namespace Operators
