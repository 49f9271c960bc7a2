#pragma once

#include "PlatformExport.h"

#include <QHash>
#include <QString>

// A switch of a parsed command line.
struct CommandLineOption {
    bool Present = false;
    QString Value;
};

// Parses a program's command line (xt_objects.progCommandLine). Syntax: switches separated by
// blanks, each "/name", "-name", "/name:value" or "/name=value"; a value with blanks stands in
// double quotes ("/t:\"a b\""). Names are compared without regard to case; the last of a
// repeated switch wins; words that are not switches are ignored.
// Example: "/s /w:12000 /h:8000 /l:600 /t:400".
class ORVEL_PLATFORM_EXPORT CommandLineParser {
public:
    void Parse(const QString& commandLine);
    CommandLineOption Option(const QString& name) const;

private:
    QHash<QString, QString> m_options;  // lower-case name -> value
};
