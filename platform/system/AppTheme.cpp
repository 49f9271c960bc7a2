#include "system/AppTheme.h"

#include <QDir>
#include <QFile>
#include <QWidget>

bool AppTheme::Load(const QString& name, const QString& folder, QString* error)
{
    m_name.clear();
    m_folder.clear();
    m_styleSheet.clear();
    const QString reason = [&]() -> QString {
        const QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            return QStringLiteral("主题文件夹不存在: %1").arg(folder);
        QFile sheet(dir.filePath(QLatin1String(kStyleSheetFile)));
        if (!sheet.open(QIODevice::ReadOnly))
            return QStringLiteral("无法读取主题样式表: %1").arg(sheet.fileName());
        m_styleSheet = QString::fromUtf8(sheet.readAll());
        return {};
    }();
    if (error)
        *error = reason;
    if (!reason.isEmpty())
        return false;
    m_name = name;
    m_folder = QDir(folder).absolutePath();
    return true;
}

void AppTheme::Apply(QWidget* window) const
{
    if (!window || m_folder.isEmpty())
        return;
    // The theme's rules come after the window's own, so that they win without dropping the rest;
    // applying again replaces the theme's part only.
    const char* const own = "orvelOwnStyleSheet";
    if (!window->property(own).isValid())
        window->setProperty(own, window->styleSheet());
    window->setStyleSheet(window->property(own).toString() + QLatin1Char('\n') + m_styleSheet);
}
