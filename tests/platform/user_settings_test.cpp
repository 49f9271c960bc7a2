#include "settings/UserSettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(UserSettingsTest, ValuesByApplicationSectionAndKey)
{
    QTemporaryDir dir;
    qputenv("ORVEL_SETTINGS_DIR", dir.path().toUtf8());
    const QString app = QStringLiteral("货运 系统/2");
    EXPECT_EQ(UserSettings::Get(app, QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("0")), QStringLiteral("0"));
    UserSettings::Save(app, QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("1"));
    UserSettings::Save(app, QStringLiteral("main"), QStringLiteral("ISVERSION"), QStringLiteral("2.0 版"));
    UserSettings::Save(QStringLiteral("other"), QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("7"));
    EXPECT_EQ(UserSettings::Get(app, QStringLiteral("settings"), QStringLiteral("tipsshow")), QStringLiteral("1"));
    EXPECT_EQ(UserSettings::Get(app, QStringLiteral("main"), QStringLiteral("ISVERSION")), QStringLiteral("2.0 版"));
    EXPECT_TRUE(UserSettings::FileName(app).startsWith(dir.path() + QLatin1Char('/')));
    UserSettings::Delete(app, QStringLiteral("settings"), QStringLiteral("tipsshow"));
    EXPECT_EQ(UserSettings::Get(app, QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(UserSettings::Get(QStringLiteral("other"), QStringLiteral("settings"), QStringLiteral("tipsshow")), QStringLiteral("7"));
    qunsetenv("ORVEL_SETTINGS_DIR");
}

}  // namespace
