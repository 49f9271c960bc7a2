#include "log/LogService.h"

#include "dialogs/DialogService.h"
#include "log/LogWriter.h"
#include "xml/XmlDoc.h"

#include <QDir>
#include <QFileInfo>

namespace {

DialogIcon iconFor(int kind)
{
    switch (kind) {
    case 2:
        return DialogIcon::Information;
    case 4:
        return DialogIcon::Warning;
    default:
        return DialogIcon::Critical;
    }
}

}  // namespace

LogService::LogService(QObject* parent) : QObject(parent) {}

void LogService::LoadSettings(const QString& configFileName)
{
    XmlDoc doc;
    QString folder;
    if (doc.Load(configFileName))
        folder = doc.Attribute(QStringLiteral("/configuration/system/log"), QStringLiteral("folder")).toString().trimmed();
    if (folder.isEmpty())
        folder = QStringLiteral("log");
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_folder = QDir::cleanPath(QDir(QFileInfo(configFileName).absolutePath()).absoluteFilePath(folder));
}

void LogService::Attach(const QString& program, LogWriter* writer)
{
    m_writer = writer;
    if (m_writer)
        m_writer->Open(m_folder.isEmpty() ? QDir::current().absoluteFilePath(QStringLiteral("log")) : m_folder,
                       program.isEmpty() ? QStringLiteral("OrvelMain") : program);
}

void LogService::Write(const LogEntry& entry, int /*reserved*/)
{
    if (m_writer)
        m_writer->Append(entry);
    if (entry.Kind == 2 || entry.Kind == 4 || entry.Kind == 8) {
        DialogService& dialogs = m_dialogs ? *m_dialogs : DialogService::Current();
        dialogs.Show(iconFor(entry.Kind), entry.Title, entry.Text);
    }
}
