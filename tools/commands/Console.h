#pragma once

#include <QCommandLineParser>
#include <QTextStream>

// Standard streams and argument parsing shared by the subcommands of orvel-admin.
namespace Console {

QTextStream& Out();
QTextStream& Err();

// Parses args (the arguments after the subcommand). Returns false when the command must stop:
// *exitCode is then 0 after --help and 2 after a usage error (printed to standard error).
bool Parse(QCommandLineParser& parser, const QString& command, const QStringList& args, int* exitCode);

// Prints "orvel-admin COMMAND: message" to standard error and returns 1.
int Fail(const QString& command, const QString& message);

}  // namespace Console
