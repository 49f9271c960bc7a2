#include "ZOutputFolder.h"

#include "StoredName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ZOutputFolder::ZOutputFolder(const QString& outputPath)
{
    QString path = outputPath;
    path.replace(u'\\', u'/');
    if (path.size() >= 2 && path.at(1) == u':')
        path = path.mid(2);
    if (!path.startsWith(u'/'))
        path.prepend(u'/');
    m_root = QDir::cleanPath(path);
    if (m_root == QStringLiteral("/"))
        m_root.clear();
}

ZOutputFolder::Target ZOutputFolder::target(const QString& storedName, bool usePaths,
                                            bool overwrite) const
{
    QStringList parts = StoredName::components(storedName);
    const QString bare = StoredName::bareName(storedName);
    if (bare.isEmpty() || bare == QStringLiteral(".") || parts.isEmpty())
        return {Status::Unsafe, {}};
    if (!usePaths)
        parts = QStringList{bare};
    for (const QString& part : parts) {
        if (part == QStringLiteral("..") || part.contains(QChar(u'\0')))
            return {Status::Unsafe, {}};
    }

    QString folder = m_root;
    if (!QDir().mkpath(folder.isEmpty() ? QStringLiteral("/") : folder))
        return {Status::Failed, {}};
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        folder += u'/' + parts.at(i);
        const QFileInfo info(folder);
        if (info.exists() || info.isSymLink()) {
            if (!insideRoot(folder))
                return {Status::Unsafe, {}};
            if (!info.isDir())
                return {Status::Failed, {}};
        } else if (!QDir().mkdir(folder)) {
            return {Status::Failed, {}};
        }
    }

    const QString path = folder + u'/' + parts.constLast();
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        if (!overwrite)
            return {Status::Skip, {}};
        if (info.isSymLink() && !QFile::remove(path))
            return {Status::Failed, {}};
    }
    return {Status::Ok, path};
}

bool ZOutputFolder::insideRoot(const QString& folder) const
{
    if (m_root.isEmpty())
        return true;
    const QString root = QFileInfo(m_root).canonicalFilePath();
    const QString real = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && (real == root || real.startsWith(root + u'/'));
}
