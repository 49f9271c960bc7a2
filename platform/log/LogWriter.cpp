#include "log/LogWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\r'), QString());
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

}  // namespace

void LogWriter::Open(const QString& folder, const QString& program)
{
    m_folder = folder;
    m_program = program;
    QDir().mkpath(m_folder);
}

QString LogWriter::CurrentFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("%1-%2.log").arg(m_program, QDate::currentDate().toString(Qt::ISODate)));
}

bool LogWriter::Append(const LogEntry& entry)
{
    QFile file(CurrentFile());
    if (!file.open(QIODevice::Append))
        return false;
    const QString line = QStringLiteral("%1\t%2\t%3\t%4\n")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                             .arg(entry.Kind)
                             .arg(escaped(entry.Title), escaped(entry.Text));
    const QByteArray bytes = line.toUtf8();
    return file.write(bytes) == bytes.size();
}
