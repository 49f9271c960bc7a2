#include "common/bCommon.h"

#include "dialogs/DialogService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScreen>
#include <QTemporaryFile>
#include <QWidget>

namespace {

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

}  // namespace

QString bCommon::ExpandMacros(const QString& text)
{
    // Macros match in any letter case, but the rest keeps its case: this file system tells
    // case apart, and a lower-cased name would point at a file that does not exist.
    QString path = text;
    const QString year = QString::number(QDate::currentDate().year());
    path.replace(QLatin1String("%app.path%"), QCoreApplication::applicationDirPath(), Qt::CaseInsensitive);
    path.replace(QLatin1String("%shortyear%"), year.right(2), Qt::CaseInsensitive);
    path.replace(QLatin1String("%year%"), year, Qt::CaseInsensitive);
    return path;
}

QString bCommon::FromProgramFolder(const QString& path)
{
    QString result = withSlashes(path);
    if (QDir::isRelativePath(result))
        result = QCoreApplication::applicationDirPath() + QLatin1Char('/') + result;
    while (result.contains(QLatin1String("//")))
        result.replace(QLatin1String("//"), QLatin1String("/"));
    return result;
}

double bCommon::NumericValue(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t.at(end) == QLatin1Char('+') || t.at(end) == QLatin1Char('-')))
        ++end;
    while (end < t.size() && t.at(end).isDigit())
        ++end;
    if (end < t.size() && t.at(end) == QLatin1Char('.')) {
        ++end;
        while (end < t.size() && t.at(end).isDigit())
            ++end;
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

QString bCommon::ExpandPath(const QString& text, bool keepRelative)
{
    const QString path = ExpandMacros(text.trimmed());
    if (path.isEmpty())
        return {};
    return keepRelative ? path : FromProgramFolder(path);
}

bool bCommon::IsTrue(const QVariant& value)
{
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed().toLower();
    return !text.isEmpty() && text != QLatin1String("0") && text != QLatin1String("false");
}

bool bCommon::MakePath(const QString& path)
{
    const QString folder = withSlashes(path);
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir();
}

QString bCommon::TempFileName(const QString& prefix)
{
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(prefix + QStringLiteral("XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

bool bCommon::SaveFieldToFile(const QString& fileName, const QVariant& field, bool overwrite)
{
    const QString target = withSlashes(fileName);
    if (!overwrite && QFileInfo::exists(target))
        return false;
    const QByteArray bytes = field.typeId() == QMetaType::QByteArray ? field.toByteArray() : field.toString().toUtf8();
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

QPixmap bCommon::CaptureWindow(QWidget* window, bool clientArea, int left, int top, int width, int height)
{
    if (!window || width <= 0 || height <= 0)
        return {};
    if (!clientArea && window->isWindow() && window->screen()) {
        // The whole window, frame included, as the screen shows it.
        const QRect frame = window->frameGeometry();
        const QPixmap shot = window->screen()->grabWindow(0, frame.x() + left, frame.y() + top, width, height);
        if (!shot.isNull())
            return shot;
    }
    return window->grab(QRect(left, top, width, height));
}

QString bCommon::FileTitle(const QString& path, bool stripExtension)
{
    QString title = path;
    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (slash >= 0)
        title = path.mid(slash + 1);
    else if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        title = path.mid(2);
    if (stripExtension) {
        const qsizetype dot = title.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            title.truncate(dot);
    }
    return title;
}

QString bCommon::ProgramVersion()
{
    return QStringLiteral("%1.%2.%3").arg(ORVEL_VERSION_MAJOR).arg(ORVEL_VERSION_MINOR).arg(ORVEL_VERSION_PATCH);
}

void bCommon::ShowMaximized(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
}

void bCommon::ShowHelp(const QString& helpFileName)
{
    // An unset help element expands to the program folder itself: that is no help file either.
    const QFileInfo help(helpFileName);
    if (helpFileName.trimmed().isEmpty() || help.isDir()) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示:"),
                                      QStringLiteral("无法显示帮助目录，该工程没有相关联的帮助。"));
        return;
    }
    if (!help.isFile()) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示:"),
                                      QStringLiteral("无法显示帮助目录，没有找到该工程相关联的帮助文件。"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(help.absoluteFilePath()));
}
