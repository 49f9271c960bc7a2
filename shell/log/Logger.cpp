#include "log/Logger.h"

#include "log/LogService.h"

namespace {

Logger* g_logger = nullptr;

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

Logger::Logger(LogService& service, std::function<QString()> subject, std::function<QString()> userName)
    : m_service(service), m_subject(std::move(subject)), m_userName(std::move(userName))
{
}

QString Logger::titleOrDefault(const QString& title) const
{
    if (!title.isEmpty())
        return title;
    const QString subject = m_subject ? m_subject() : QString();
    return subject.isEmpty() ? QStringLiteral("Tarvel软件") : subject;
}

void Logger::WriteLog(const QString& text, int kind, const QString& title)
{
    m_service.Write({titleOrDefault(title), kind, text}, 0);
}

void Logger::WriteActionLog(const QString& text, int functionCode, const QString& title)
{
    const QString user = m_userName ? m_userName() : QString();
    m_service.Write({titleOrDefault(title), 48, ActionRecord(functionCode, user, text)}, 0);
}

QString Logger::ActionRecord(int functionCode, const QString& userName, const QString& message)
{
    return QStringLiteral("<log><progid>%1</progid><user>%2</user><message>%3</message></log>")
        .arg(functionCode)
        .arg(EncodeText(userName), EncodeText(message));
}

QString Logger::EncodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (!allowedInXml(c))
            continue;
        switch (c) {
        case U'&': out += QLatin1String("&amp;"); break;
        case U'<': out += QLatin1String("&lt;"); break;
        case U'>': out += QLatin1String("&gt;"); break;
        case U'"': out += QLatin1String("&quot;"); break;
        case U'\'': out += QLatin1String("&apos;"); break;
        default: out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

void Logger::Install(Logger* logger)
{
    g_logger = logger;
}

Logger* Logger::Current()
{
    return g_logger;
}

void WriteLog(const QString& text, int kind, const QString& title)
{
    if (Logger* logger = Logger::Current())
        logger->WriteLog(text, kind, title);
}

void WriteActionLog(const QString& text, int functionCode, const QString& title)
{
    if (Logger* logger = Logger::Current())
        logger->WriteActionLog(text, functionCode, title);
}
