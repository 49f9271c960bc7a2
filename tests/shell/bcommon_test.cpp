#include "common/bCommon.h"
#include "dialogs/ScriptedDialogs.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int argc = 1;
char name[] = "bcommon_test";
char* argv[] = {name, nullptr};
QApplication app(argc, argv);

TEST(bCommonTest, ExpandPath)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString year = QString::number(QDate::currentDate().year());
    const struct {
        QString text;
        bool keepRelative;
        QString expected;
    } cases[] = {
        {QStringLiteral("   "), false, QString()},
        {QStringLiteral(" %APP.PATH%\\images\\Login.jpg "), false, appDir + QStringLiteral("/images/Login.jpg")},
        {QStringLiteral("pics\\%year%\\a.png"), false, appDir + QStringLiteral("/pics/") + year + QStringLiteral("/a.png")},
        {QStringLiteral("pics\\%shortyear%.png"), true, QStringLiteral("pics\\") + year.right(2) + QStringLiteral(".png")},
        {QStringLiteral("/srv//Pics\\\\a.png"), false, QStringLiteral("/srv/Pics/a.png")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bCommon::ExpandPath(c.text, c.keepRelative), c.expected) << c.text.toStdString();
}

TEST(bCommonTest, IsTrue)
{
    const struct {
        QVariant value;
        bool expected;
    } cases[] = {
        {QVariant(), false}, {QStringLiteral(" 0 "), false}, {QStringLiteral("FaLsE"), false}, {QString(), false},
        {QStringLiteral("1"), true}, {QStringLiteral("TRUE"), true}, {QStringLiteral("yes"), true}, {2, true}, {0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bCommon::IsTrue(c.value), c.expected) << c.value.toString().toStdString();
}

TEST(bCommonTest, FileTitle)
{
    EXPECT_EQ(bCommon::FileTitle(QStringLiteral("c:\\docs\\a.b.mnu"), true), QStringLiteral("a"));
    EXPECT_EQ(bCommon::FileTitle(QStringLiteral("c:\\docs\\a.b.mnu"), false), QStringLiteral("a.b.mnu"));
    EXPECT_EQ(bCommon::FileTitle(QStringLiteral("c:map.mnu"), false), QStringLiteral("map.mnu"));
    EXPECT_EQ(bCommon::FileTitle(QStringLiteral("/tmp/icon/01.png"), true), QStringLiteral("01"));
    EXPECT_EQ(bCommon::FileTitle(QStringLiteral("plain"), true), QStringLiteral("plain"));
}

TEST(bCommonTest, FilesAndFolders)
{
    QTemporaryDir dir;
    const QString nested = dir.path() + QStringLiteral("\\icons\\2026");
    EXPECT_TRUE(bCommon::MakePath(nested));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("/icons/2026")).isDir());
    EXPECT_TRUE(bCommon::MakePath(nested));  // existing: true, nothing changes

    const QString file = dir.filePath(QStringLiteral("icons/a.png"));
    const QByteArray bytes("\x89PNG\0\1\2", 7);
    EXPECT_TRUE(bCommon::SaveFieldToFile(file, bytes, false));
    EXPECT_FALSE(bCommon::SaveFieldToFile(file, QByteArray("other"), false));
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), bytes);
    read.close();
    EXPECT_TRUE(bCommon::SaveFieldToFile(file, QStringLiteral("导航"), true));
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(read.readAll()), QStringLiteral("导航"));
    EXPECT_FALSE(bCommon::SaveFieldToFile(dir.filePath(QStringLiteral("missing/x.bin")), bytes, true));

    const QString temp = bCommon::TempFileName(QStringLiteral("nav"));
    ASSERT_FALSE(temp.isEmpty());
    EXPECT_TRUE(QFileInfo(temp).fileName().startsWith(QStringLiteral("nav")));
    EXPECT_TRUE(QFileInfo::exists(temp));
    EXPECT_NE(bCommon::TempFileName(QStringLiteral("nav")), temp);
    QFile::remove(temp);
}

TEST(bCommonTest, CaptureWindowCopiesTheRectangle)
{
    QLabel window;
    window.resize(200, 100);
    window.setStyleSheet(QStringLiteral("background: rgb(10, 200, 30)"));
    const QPixmap shot = bCommon::CaptureWindow(&window, true, 10, 20, 50, 40);
    ASSERT_EQ(shot.size(), QSize(50, 40));
    EXPECT_EQ(shot.toImage().pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_TRUE(bCommon::CaptureWindow(nullptr, true, 0, 0, 10, 10).isNull());
    EXPECT_TRUE(bCommon::CaptureWindow(&window, true, 0, 0, 0, 10).isNull());
}

TEST(bCommonTest, ShowHelpTellsWhyThereIsNoHelp)
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    bCommon::ShowHelp(QString());
    bCommon::ShowHelp(dir.path() + QLatin1Char('/'));
    bCommon::ShowHelp(dir.filePath(QStringLiteral("help/index.html")));
    ASSERT_EQ(dialogs.Requests().size(), 3);
    const QString noHelp = QStringLiteral("无法显示帮助目录，该工程没有相关联的帮助。");
    EXPECT_EQ(dialogs.Requests().at(0), (DialogRequest{DialogIcon::Information, QStringLiteral("提示:"), noHelp}));
    EXPECT_EQ(dialogs.Requests().at(1).text, noHelp);
    EXPECT_EQ(dialogs.Requests().at(2).text, QStringLiteral("无法显示帮助目录，没有找到该工程相关联的帮助文件。"));
}

}  // namespace
