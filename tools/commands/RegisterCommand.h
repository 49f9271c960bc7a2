#pragma once

#include <QStringList>

// orvel-admin register [--dir FOLDER]: writes the HKEY_CLASSES_ROOT keys of every component
// library in the program folder (default: the folder of orvel-admin) from the libraries'
// metadata, without running their code. Add-ins in Plugin/ are not registered here. A library
// that cannot be registered is reported and the others are still registered (exit code 1).
int runRegisterCommand(const QStringList& args);
