#include "settings/UserSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString settingsFolder()
{
    const QString overridden = qEnvironmentVariable("ORVEL_SETTINGS_DIR");
    if (!overridden.isEmpty())
        return overridden;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("orvel"));
}

// Application names are captions (Chinese, blanks): keep them readable, but never a path.
QString safeName(QString application)
{
    for (QChar& c : application) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    return application.isEmpty() ? QStringLiteral("_") : application;
}

QString entry(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

}  // namespace

QString UserSettings::FileName(const QString& application)
{
    return QDir(settingsFolder()).filePath(safeName(application) + QStringLiteral(".ini"));
}

QString UserSettings::Get(const QString& application, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings(FileName(application), QSettings::IniFormat);
    return settings.value(entry(section, key), defaultValue).toString();
}

void UserSettings::Save(const QString& application, const QString& section, const QString& key, const QString& value)
{
    QDir().mkpath(settingsFolder());
    QSettings settings(FileName(application), QSettings::IniFormat);
    settings.setValue(entry(section, key), value);
}

void UserSettings::Delete(const QString& application, const QString& section, const QString& key)
{
    QSettings settings(FileName(application), QSettings::IniFormat);
    settings.remove(entry(section, key));
}
