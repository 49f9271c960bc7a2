#include "workbench/MenuIconCache.h"

#include "ZLibEngine.h"
#include "ZResult.h"
#include "common/bCommon.h"
#include "database/Database.h"
#include "log/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString MenuIconCache::IconFolder() const
{
    return QDir(m_temporaryPath).filePath(QStringLiteral("icon"));
}

QPixmap MenuIconCache::LoadMenuIcon(const QString& code, int type)
{
    DbRecordset rs = m_db.Execute(QStringLiteral("SELECT filename,iscompress,contents FROM xt_menuPilot WHERE type=") + QString::number(type)
                                      + QStringLiteral(" and menuCode=") + m_db.Quote(code),
                                  1)
                         .Recordset();
    m_db.ClearError();
    if (rs.Eof()) {
        rs.Close();
        return {};
    }
    // The stored name may come from a Windows system; only its last element names the file.
    const QString fileName = bCommon::FileTitle(rs.Field(QStringLiteral("filename")).toString().trimmed(), false);
    const bool compressed = bCommon::NumericValue(rs.Field(QStringLiteral("iscompress")).toString()) == 1;
    const QVariant contents = rs.Field(QStringLiteral("contents"));
    rs.Close();
    if (fileName.isEmpty())
        return {};
    const QString path = QDir(IconFolder()).filePath(fileName);
    if (!QFileInfo::exists(path) && !writeFile(path, contents, compressed))
        return {};
    return QPixmap(path);
}

bool MenuIconCache::writeFile(const QString& path, const QVariant& contents, bool compressed)
{
    if (!QFileInfo::exists(IconFolder()) && !bCommon::MakePath(IconFolder()))
        return false;
    if (!compressed)
        return bCommon::SaveFieldToFile(path, contents, true);
    const QString container = bCommon::TempFileName(QStringLiteral("tmp"));
    if (container.isEmpty() || !bCommon::SaveFieldToFile(container, contents, true))
        return false;
    ZLibEngine engine;
    const int result = engine.Decompress(container, IconFolder(), false, true, false, true, false, true);
    QFile::remove(container);
    if (result != ZResult::Ok)
        WriteLog(QStringLiteral("解压菜单图标时出错:") + QString::fromLatin1(ZResult::describe(result)), 1);
    return QFileInfo::exists(path);
}
