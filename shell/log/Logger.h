#pragma once

#include <QString>

#include <functional>

class LogService;

// The shell's message and operation-record channel. One Logger is installed for the process by
// start-up; WriteLog and WriteActionLog go to it (and do nothing before one is installed).
class Logger {
public:
    // subject: the configured subject (default title); userName: the logged-in operator, empty
    // before login.
    Logger(LogService& service, std::function<QString()> subject, std::function<QString()> userName);

    void WriteLog(const QString& text, int kind, const QString& title = {});
    void WriteActionLog(const QString& text, int functionCode, const QString& title = {});

    // "<log><progid>…</progid><user>…</user><message>…</message></log>" with the user name and
    // the message encoded so that the record stays well-formed XML.
    static QString ActionRecord(int functionCode, const QString& userName, const QString& message);
    // Escapes markup characters and drops characters that XML 1.0 cannot hold.
    static QString EncodeText(const QString& text);

    // Installs logger (not owned) for the process; nullptr removes it.
    static void Install(Logger* logger);
    static Logger* Current();

private:
    QString titleOrDefault(const QString& title) const;

    LogService& m_service;
    std::function<QString()> m_subject;
    std::function<QString()> m_userName;
};

// kind: 1 progress, 2 information, 4 rejected input, 8 failure (2, 4 and 8 are shown).
void WriteLog(const QString& text, int kind = 1, const QString& title = {});
void WriteActionLog(const QString& text, int functionCode, const QString& title = {});
