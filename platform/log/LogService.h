#pragma once

#include "PlatformExport.h"
#include "log/LogEntry.h"

#include <QObject>
#include <QString>

class DialogService;
class LogWriter;

// Hands the shell's messages to the attached log writer and shows those meant for the operator
// (kinds 2, 4 and 8) through the dialog service.
class ORVEL_PLATFORM_EXPORT LogService : public QObject {
    Q_OBJECT
public:
    explicit LogService(QObject* parent = nullptr);

    // Reads the log folder from <log folder="..."/> under /configuration/system of the
    // configuration file, relative to the configuration file's folder; default "log".
    void LoadSettings(const QString& configFileName);
    // Binds the process's log writer (not owned) and opens it on the folder for program.
    void Attach(const QString& program, LogWriter* writer);
    // Records the entry; the operator sees kinds 2, 4 and 8. Before Attach nothing is recorded.
    void Write(const LogEntry& entry, int reserved = 0);
    // The dialog service used for display (not owned); the process-wide one by default.
    void SetDialogs(DialogService* dialogs) { m_dialogs = dialogs; }

    QString Folder() const { return m_folder; }

private:
    QString m_folder;
    LogWriter* m_writer = nullptr;
    DialogService* m_dialogs = nullptr;
};
