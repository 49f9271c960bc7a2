#pragma once

#include <QString>

// File name patterns of AddFile: "*" any run of characters, "?" one character, "#" one digit
// (a "#" also matches itself, so a file that has one in its name can be added by that name).
namespace FilePattern {
bool hasWildcards(const QString& name);
bool matches(const QString& pattern, const QString& name);
}
