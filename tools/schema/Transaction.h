#pragma once

#include <QString>

#include <functional>

class Database;

// Runs work in one transaction: committed when it returns true and the database reports no
// failure, rolled back otherwise. False with the failure text in *error.
bool RunInTransaction(Database& db, const std::function<bool(QString* error)>& work, QString* error);
