#pragma once

#include "PlatformExport.h"
#include "log/LogEntry.h"

#include <QString>

// Writes run-log records to daily files "<program>-yyyy-mm-dd.log" in a folder, one line per
// record: time, kind, title and text separated by tabs (tabs and line breaks in a text are
// written as \t and \n, a backslash as \\).
class ORVEL_PLATFORM_EXPORT LogWriter {
public:
    void Open(const QString& folder, const QString& program);
    // Appends the record; false when the file cannot be written.
    bool Append(const LogEntry& entry);
    QString CurrentFile() const;

private:
    QString m_folder;
    QString m_program;
};
