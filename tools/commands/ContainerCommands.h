#pragma once

#include <QStringList>

// Subcommands of orvel-admin for compressed containers. args are the arguments after the
// subcommand name. Each prints its errors to stderr and returns the exit code: 0 done, 1 failed,
// 2 wrong arguments.
int runPackCommand(const QStringList& args);    // pack CONTAINER FILE... [--level N] [--overwrite]
int runUnpackCommand(const QStringList& args);  // unpack CONTAINER FOLDER [--use-paths] [--no-crc]
int runListCommand(const QStringList& args);    // list CONTAINER
