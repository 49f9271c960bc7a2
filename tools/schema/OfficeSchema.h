#pragma once

#include "database/SqlDialect.h"

#include <QString>
#include <QStringList>

// The tables of the office database: the business tables, the menu tables and the tables of
// our own outside components (operators, rights, numbering, settings, texts, pickers).
namespace OfficeSchema {

// "create table" and "create index" statements for the engine, in creation order.
QStringList CreateStatements(SqlEngine engine);
// Names of the tables, in creation order.
QStringList TableNames();

}  // namespace OfficeSchema
