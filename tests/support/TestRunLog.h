#pragma once

#include "dialogs/DialogService.h"
#include "log/LogService.h"
#include "log/LogWriter.h"
#include "log/Logger.h"

#include <QFile>

// The program's run log for a test: records of the shown kinds go to the given dialog service
// (scripted dialogs in tests), every record to a file under folder; installed as the current
// logger for its lifetime. Tests that use it link the shell library.
class TestRunLog {
public:
    TestRunLog(DialogService& dialogs, const QString& folder, const QString& subject = QString())
        : m_logger(m_service, [subject] { return subject; }, [] { return QStringLiteral("admin"); })
    {
        m_service.SetDialogs(&dialogs);
        m_service.LoadSettings(folder + QStringLiteral("/none.Config"));
        m_service.Attach(QStringLiteral("test"), &m_writer);
        Logger::Install(&m_logger);
    }
    ~TestRunLog() { Logger::Install(nullptr); }
    TestRunLog(const TestRunLog&) = delete;
    TestRunLog& operator=(const TestRunLog&) = delete;

    // Everything written so far.
    QString Text() const
    {
        QFile file(m_writer.CurrentFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    LogService m_service;
    LogWriter m_writer;
    Logger m_logger;
};
