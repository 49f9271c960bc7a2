#include "GuiApplication.h"
#include "common/bCommon.h"
#include "OfficeDatabases.h"
#include "TestDatabases.h"
#include "TestRunLog.h"
#include "config/clsConfig.h"
#include "dialogs/ScriptedDialogs.h"
#include "login/frmAbout.h"
#include "registry/RegistryStore.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kCaption = QStringLiteral("关于测试");

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        CreateOffice(db(), m_test.settings(), QStringLiteral("secret"));
        ASSERT_TRUE(m_system.Init(&db(), 0));
        m_system.AppInfo().AppPath = m_dir.path();
        m_config.SetCaption(kCaption);
        QFile::remove(UserSettings::FileName(kCaption));
        m_log = std::make_unique<TestRunLog>(m_dialogs, m_test.folder(), kCaption);
    }

    Database& db() { return m_test.db(); }
    void setText(const QString& path, const QString& text)
    {
        db().Execute(QStringLiteral("insert into xt_texts (section, tpath, ttext) values ('main', %1, %2)").arg(db().Quote(path), db().Quote(text)), 1)
            .Run();
        ASSERT_TRUE(db().LastError().IsEmpty());
    }
    std::unique_ptr<frmAbout> open() { return std::make_unique<frmAbout>(m_config, m_system, nullptr); }
    QString log() const { return m_log->Text(); }

    QTemporaryDir m_dir;
    TestDatabase m_test{TestEngine::Sqlite};
    AppSystem m_system;
    clsConfig m_config;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TestRunLog> m_log;
};

TEST_F(AboutBoxTest, VersionTitleCreditsAndTheInstalledVersion)
{
    const QString version = QStringLiteral("版本:") + bCommon::ProgramVersion();
    ASSERT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(bCommon::ProgramVersion()).hasMatch());
    {
        auto about = open();
        EXPECT_EQ(about->Version()->text(), version);
        EXPECT_EQ(about->Title(0)->text(), kCaption);
        EXPECT_EQ(about->Title(1)->text(), kCaption);
        EXPECT_EQ(about->Credits()->text(), QStringLiteral("程序制作：Tarvel软件"));
        EXPECT_FALSE(about->Description()->text().contains(QStringLiteral("SQL Server")));  // a desktop database
        EXPECT_EQ(about->Path()->toolTip(), m_dir.path());
        EXPECT_FALSE(log().contains(QStringLiteral("安装版本：")));
    }
    UserSettings::Save(kCaption, QStringLiteral("main"), QStringLiteral("ISVERSION"), QStringLiteral("2026.12"));
    setText(QStringLiteral("/frmabout/title"), QStringLiteral("示范货运"));
    auto about = open();
    EXPECT_EQ(about->Version()->text(), version + QStringLiteral(" 安装版本: 2026.12"));
    EXPECT_EQ(about->Title(1)->text(), QStringLiteral("示范货运"));
    EXPECT_TRUE(log().contains(QStringLiteral("安装版本：2026.12")));
}

TEST_F(AboutBoxTest, TheLogoFollowsTheConfiguredFileOrTheCredits)
{
    setText(QStringLiteral("/logo"), m_dir.filePath(QStringLiteral("missing.png")));
    {
        auto about = open();
        EXPECT_FALSE(about->Logo()->isHidden());  // the built-in logo: the credits name Tarvel
    }
    setText(QStringLiteral("/main/copyright"), QStringLiteral("示范软件公司"));
    {
        auto about = open();
        EXPECT_TRUE(about->Logo()->isHidden());
    }
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(m_dir.filePath(QStringLiteral("logo.png"))));
    db().Execute(QStringLiteral("update xt_texts set ttext=%1 where tpath='/logo'").arg(db().Quote(m_dir.filePath(QStringLiteral("logo.png")))), 1).Run();
    auto about = open();
    EXPECT_FALSE(about->Logo()->isHidden());
    EXPECT_EQ(about->Logo()->pixmap().size(), QSize(40, 30));
}

TEST_F(AboutBoxTest, LongProgramFoldersAreShortenedButKeepTheirLastFolder)
{
    QLabel label;
    const QFontMetrics metrics = label.fontMetrics();
    const QString path = QStringLiteral("安装目录:/srv/installations/freight-office/releases/current/program");
    EXPECT_EQ(frmAbout::ShortenPath(path, metrics, 10000), path);
    const int width = metrics.horizontalAdvance(path) / 2;
    const QString shortened = frmAbout::ShortenPath(path, metrics, width);
    EXPECT_LE(metrics.horizontalAdvance(shortened), width);
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("/program")));
    EXPECT_TRUE(shortened.contains(QStringLiteral("..")));
    EXPECT_EQ(frmAbout::ShortenPath(QStringLiteral("C:\\Program Files\\Freight\\bin"), metrics, 1).section(QLatin1Char('\\'), -1),
              QStringLiteral("bin"));
}

TEST_F(AboutBoxTest, SystemInformationStartsTheRegisteredToolOrSaysItIsUnavailable)
{
    auto about = open();
    EXPECT_FALSE(about->ShowSystemInformation());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("此时系统信息不可用"));

    RegistryStore machine(RegistryRoot::LocalMachine, m_dir.path());
    const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    ASSERT_TRUE(machine.CreateKey(key)) << machine.LastError().toStdString();
    ASSERT_TRUE(machine.SetValue(key, QStringLiteral("PATH"), RegistryValue::String(QStringLiteral("/bin/true"))))
        << machine.LastError().toStdString();
    EXPECT_TRUE(about->ShowSystemInformation());
    EXPECT_EQ(m_dialogs.Requests().size(), 1);
}

}  // namespace
