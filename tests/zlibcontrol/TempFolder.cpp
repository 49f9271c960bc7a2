#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString TempFolder::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QString TempFolder::file(const QString& relative, const QByteArray& content) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile out(full);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    return full;
}

QStringList TempFolder::files() const
{
    QStringList found;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir root(m_dir.path());
    while (it.hasNext())
        found << root.relativeFilePath(it.next());
    found.sort();
    return found;
}
