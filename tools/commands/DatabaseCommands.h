#pragma once

#include <QStringList>

// Subcommands of orvel-admin that work on the office database. args are the arguments after the
// subcommand's name; the result is the process exit code.
int runInitDbCommand(const QStringList& args);
int runUserCommand(const QStringList& args);
int runSqlCommand(const QStringList& args);
