#include "config/clsConfig.h"
#include "dialogs/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ClsConfigTest : public ::testing::Test {
protected:
    QString write(const QString& systemXml, const char* name = "OrvelMain.exe.Config")
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringLiteral("<?xml version=\"1.0\"?><configuration><system>%1</system></configuration>").arg(systemXml).toUtf8());
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(ClsConfigTest, ReadsThePropertiesByTheirRules)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    clsConfig config;
    EXPECT_EQ(config.Caption(), QStringLiteral("Morvik系统"));
    ASSERT_TRUE(config.Init(QStringLiteral("  ") + write(QStringLiteral(
        "<caption>货运</caption><subject>示范</subject><help>%APP.PATH%\\\\Help\\Index.html</help>"
        "<menutoolwidth>12.5px</menutoolwidth><update> up.exe </update><menumode>2</menumode><navigate>x</navigate>"
        "<unformstatus>1</unformstatus>"
        "<settings><treeWidth default=\"10\"/><splashdelay>1500ms</splashdelay><autoregister>  TRUE </autoregister>"
        "<autoresize></autoresize><background><login>a.jpg</login></background></settings>")) + QStringLiteral(" ")));
    EXPECT_EQ(config.ConfigFileName(), m_dir.filePath(QStringLiteral("OrvelMain.exe.Config")));
    EXPECT_EQ(config.TreeWidth(), 30);
    EXPECT_EQ(config.Caption(), QStringLiteral("货运"));
    EXPECT_EQ(config.Subject(), QStringLiteral("示范"));
    EXPECT_EQ(config.HelpFileName(), appDir + QStringLiteral("/Help/Index.html"));
    EXPECT_TRUE(config.MenuFileName().isEmpty());
    EXPECT_DOUBLE_EQ(config.MenuToolWidth(), 12.5);
    EXPECT_EQ(config.UpdateFileName(), QStringLiteral("up.exe"));
    EXPECT_EQ(config.SplashDelay(), 1500);
    EXPECT_TRUE(config.AutoRegister());
    EXPECT_FALSE(config.AutoResize());  // present but empty
    EXPECT_EQ(config.MenuMode(), 2);
    EXPECT_EQ(config.Navigate(), 0);
    EXPECT_TRUE(config.UnFormStatus());
    EXPECT_EQ(config.Background_Login(), QStringLiteral("a.jpg"));
    EXPECT_EQ(config.XML().Count(QStringLiteral("/configuration/system/caption")), 1);
    config.Clear();
    EXPECT_FALSE(config.XML().IsLoaded());
}

TEST_F(ClsConfigTest, EdgeCasesOfTheRules)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const struct {
        QString system;
        qint16 treeWidth;
        bool autoRegister;
        bool autoResize;
        QString help;
    } cases[] = {
        {QStringLiteral("<settings><treeWidth default=\"250\"/><autoregister>yes</autoregister></settings>"), 250, false, true, appDir + QStringLiteral("/")},
        {QStringLiteral("<settings><treeWidth default=\"99999\"/><autoresize>3</autoresize></settings><help>/opt/h/a.chm</help>"), 32767, false, true,
         QStringLiteral("/opt/h/a.chm")},
        {QStringLiteral("<settings><autoregister>1</autoregister><autoresize>0</autoresize></settings><help>doc\\%year%.html</help>"), 30, true, false,
         appDir + QStringLiteral("/doc/") + QString::number(QDate::currentDate().year()) + QStringLiteral(".html")},
    };
    for (const auto& c : cases) {
        clsConfig config;
        ASSERT_TRUE(config.Init(write(c.system)));
        EXPECT_EQ(config.TreeWidth(), c.treeWidth) << c.system.toStdString();
        EXPECT_EQ(config.AutoRegister(), c.autoRegister) << c.system.toStdString();
        EXPECT_EQ(config.AutoResize(), c.autoResize) << c.system.toStdString();
        EXPECT_EQ(config.HelpFileName(), c.help) << c.system.toStdString();
    }
}

TEST_F(ClsConfigTest, InitFailsOnAMissingOrBrokenFile)
{
    clsConfig config;
    EXPECT_FALSE(config.Init(m_dir.filePath(QStringLiteral("absent.Config"))));
    QFile broken(m_dir.filePath(QStringLiteral("broken.Config")));
    broken.open(QIODevice::WriteOnly);
    broken.write("<configuration><system>");
    broken.close();
    EXPECT_FALSE(config.Init(broken.fileName()));
}

TEST_F(ClsConfigTest, LanguageFileReplacesTheSystemTexts)
{
    clsConfig config;
    ASSERT_TRUE(config.Init(write(QStringLiteral("<caption>货运</caption><subject>示范</subject><rootcaption>根</rootcaption>"))));
    QFile language(m_dir.filePath(QStringLiteral("en.xml")));
    language.open(QIODevice::WriteOnly);
    language.write("<language><system><caption>Freight</caption><help>en.html</help></system></language>");
    language.close();
    EXPECT_TRUE(config.SetLanguague(language.fileName(), QStringLiteral("en")));
    EXPECT_EQ(config.Caption(), QStringLiteral("Freight"));
    EXPECT_EQ(config.HelpFileName(), QStringLiteral("en.html"));  // raw, no expansion
    EXPECT_EQ(config.Subject(), QString());                        // missing = empty
    EXPECT_EQ(config.RootCaption(), QString());

    ScriptedDialogs dialogs;
    EXPECT_FALSE(config.SetLanguague(m_dir.filePath(QStringLiteral("none.xml")), QString()));
    EXPECT_TRUE(dialogs.Requests().isEmpty());
    QFile bad(m_dir.filePath(QStringLiteral("bad.xml")));
    bad.open(QIODevice::WriteOnly);
    bad.write("<language>");
    bad.close();
    EXPECT_FALSE(config.SetLanguague(bad.fileName(), QString()));
    ASSERT_EQ(dialogs.Requests().size(), 1);
    EXPECT_EQ(dialogs.Requests().at(0).title, QStringLiteral("错误："));
    EXPECT_TRUE(dialogs.Requests().at(0).text.startsWith(QStringLiteral("设置语言时出错，原因：")));
}

}  // namespace
