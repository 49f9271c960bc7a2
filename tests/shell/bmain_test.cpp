#include "RunLogFiles.h"
#include "TestDatabases.h"
#include "component/ComponentSystem.h"
#include "dialogs/ScriptedDialogs.h"
#include "schema/OfficeDatabase.h"
#include "schema/StandardData.h"
#include "settings/UserSettings.h"
#include "startup/StartupWindows.h"
#include "startup/bMain.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

int argc = 1;
char name[] = "bmain_test";
char* argv[] = {name, nullptr};
QCoreApplication app(argc, argv);

// Records the windows start-up asks for; the login is whatever the test scripts.
class FakeWindows : public StartupWindows {
public:
    std::function<void(LoginSession&)> login = [](LoginSession&) {};
    bool failSplash = false;
    bool alertStarts = true;
    QStringList calls;

    void RunLogin(bMain& main) override
    {
        calls << QStringLiteral("login");
        login(*main.Login());
    }
    void ShowSplash(bMain&) override
    {
        calls << QStringLiteral("splash");
        if (failSplash)
            throw std::runtime_error("no picture");
    }
    bool LoadWorkbench(bMain&) override
    {
        calls << QStringLiteral("load workbench");
        return true;
    }
    void ShowWorkbench() override { calls << QStringLiteral("show workbench"); }
    void StartSplashTimer(int ms) override { calls << QStringLiteral("splash timer %1").arg(ms); }
    void CloseSplash() override { calls << QStringLiteral("close splash"); }
    bool OpenAlertWindow(bMain&) override
    {
        calls << QStringLiteral("alert");
        return alertStarts;
    }
    void SetAlertButton(bool pressed) override { calls << QStringLiteral("alert button %1").arg(pressed); }
    void ShowStatusMessage(const QString& message) override { calls << QStringLiteral("status ") + message; }
};

void loginAs(LoginSession& session, const QString& user, const QString& password)
{
    session.SetUserName(user);
    session.CheckPassword(password);
}

class bMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ORVEL_REGISTRY_DIR", m_dir.filePath(QStringLiteral("registry")).toUtf8());
        ComponentSystem components(m_dir.path());
        ASSERT_TRUE(components.Register(QStringLiteral(ORVEL_PLATFORM_FILE))) << components.LastError().toStdString();
    }

    void writeConfig(const QString& system, const QString& database = QStringLiteral("<database driver=\"jet\" file=\"data/office.db\"/>"))
    {
        QFile f(m_dir.filePath(QStringLiteral("OrvelMain.exe.Config")));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringLiteral("<?xml version=\"1.0\"?><configuration>%1<system><caption>货运</caption><subject>示范</subject>%2</system></configuration>")
                    .arg(database, system).toUtf8());
    }

    void createOffice()
    {
        Database db;
        QString error;
        ASSERT_TRUE(OfficeDatabase::Create(db, ConnectionSettings::Sqlite(m_dir.filePath(QStringLiteral("data/office.db"))), false, &error)) << error.toStdString();
        ASSERT_TRUE(StandardData::Fill(db, QStringLiteral("admin"), QStringLiteral("secret"), &error)) << error.toStdString();
    }

    QStringList logTexts() const { return RunLogTexts(m_dir.path()); }

    // Runs Main; returns the objects ShutDown released, in order.
    QStringList run(bool expectRunning)
    {
        bMain main(m_windows, m_dialogs, m_dir.path(), QStringLiteral("OrvelMain"));
        QStringList released;
        main.SetReleaseObserver([&released](const QString& name) { released << name; });
        EXPECT_EQ(main.Main(), expectRunning);
        if (expectRunning)
            main.ShutDown();
        return released;
    }

    QTemporaryDir m_dir;
    FakeWindows m_windows;
    ScriptedDialogs m_dialogs;
};

TEST_F(bMainTest, StartupGivesUpWithTheRightMessage)
{
    const QString configFile = m_dir.filePath(QStringLiteral("OrvelMain.exe.Config"));
    const struct {
        const char* situation;
        std::function<void()> arrange;
        DialogRequest shown;
        QStringList released;
    } cases[] = {
        {"configuration missing", [] {},
         {DialogIcon::Critical, QStringLiteral("错误："), QStringLiteral("程序错误，初始化参数文件") + configFile + QStringLiteral("出错!")}, {}},
        {"configuration not XML",
         [&] {
             QFile f(configFile);
             f.open(QIODevice::WriteOnly);
             f.write("<configuration><system>");
         },
         {DialogIcon::Critical, QStringLiteral("错误："), QStringLiteral("程序错误，初始化参数文件") + configFile + QStringLiteral("出错!")}, {}},
        {"database missing", [&] { writeConfig(QString()); },
         {DialogIcon::Critical, QStringLiteral("错误"), QStringLiteral("数据库文件不存在: ") + m_dir.filePath(QStringLiteral("data/office.db"))},
         {QStringLiteral("Database"), QStringLiteral("LogWriter"), QStringLiteral("clsConfig")}},
        {"database without system tables",
         [&] {
             QDir(m_dir.path()).mkpath(QStringLiteral("data"));
             QFile f(m_dir.filePath(QStringLiteral("data/office.db")));
             f.open(QIODevice::WriteOnly);
         },
         {DialogIcon::Warning, QStringLiteral("提示："), QString()},
         {QStringLiteral("Database"), QStringLiteral("LoginSession"), QStringLiteral("AppSystem"), QStringLiteral("LogWriter"), QStringLiteral("clsConfig")}},
    };
    for (const auto& c : cases) {
        m_dialogs.Clear();
        c.arrange();
        const QStringList released = run(false);
        ASSERT_EQ(m_dialogs.Requests().size(), 1) << c.situation;
        const DialogRequest& shown = m_dialogs.Requests().at(0);
        EXPECT_EQ(shown.icon, c.shown.icon) << c.situation;
        EXPECT_EQ(shown.title, c.shown.title) << c.situation;
        if (!c.shown.text.isEmpty())
            EXPECT_EQ(shown.text, c.shown.text) << c.situation;
        else
            EXPECT_FALSE(shown.text.isEmpty()) << c.situation;
        EXPECT_EQ(released, c.released) << c.situation;
        EXPECT_TRUE(m_windows.calls.isEmpty()) << c.situation;
    }
    EXPECT_TRUE(logTexts().isEmpty());  // nothing reached the log before the system was up
}

TEST_F(bMainTest, LoginCancelledOrRefusedEndsTheProgram)
{
    createOffice();
    writeConfig(QString());
    m_windows.login = [](LoginSession& s) { s.SetUserName(QString()); };
    run(false);
    m_windows.login = [](LoginSession& s) { loginAs(s, QStringLiteral("admin"), QStringLiteral("wrong")); };
    run(false);
    EXPECT_EQ(m_windows.calls, (QStringList{QStringLiteral("login"), QStringLiteral("login")}));
    EXPECT_EQ(logTexts(), (QStringList{QStringLiteral("系统正常启动,登录操作"), QStringLiteral("操作员已取消登录"),
                                       QStringLiteral("系统正常启动,登录操作"), QStringLiteral("操作员admin登录失败"),
                                       QStringLiteral("<log><progid>0</progid><user>admin</user><message>正在注销用户并退出系统！</message></log>")}));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_F(bMainTest, ASuccessfulStartRunsEveryStepInOrder)
{
    createOffice();
    writeConfig(QStringLiteral("<settings><splashdelay>1500</splashdelay></settings><temporarypath></temporarypath>"));
    LoginSession* session = nullptr;
    m_windows.login = [&session](LoginSession& s) {
        session = &s;
        loginAs(s, QStringLiteral("admin"), QStringLiteral("secret"));
    };
    {
        bMain main(m_windows, m_dialogs, m_dir.path(), QStringLiteral("OrvelMain"));
        QStringList released;
        main.SetReleaseObserver([&released](const QString& name) { released << name; });
        ASSERT_TRUE(main.Main());
        EXPECT_EQ(m_windows.calls, (QStringList{QStringLiteral("login"), QStringLiteral("splash"), QStringLiteral("load workbench"),
                                                QStringLiteral("show workbench"), QStringLiteral("splash timer 1500"),
                                                QStringLiteral("alert"), QStringLiteral("alert button 1")}));
        const AppInfoData& info = main.System()->AppInfo();
        EXPECT_EQ(info.AppPath, m_dir.path());
        EXPECT_EQ(info.Caption, QStringLiteral("货运"));
        EXPECT_EQ(info.ConfigFileName, m_dir.filePath(QStringLiteral("OrvelMain.exe.Config")));
        EXPECT_EQ(info.TemporaryPath, QString());  // present but empty
        EXPECT_EQ(main.System()->UserInfo().Value(QStringLiteral("zt_name")), QStringLiteral("默认账套"));

        m_windows.calls.clear();
        main.ShowStatus(QStringLiteral("保存单据成功！"));
        main.ShowStatus(QString());
        main.ShowStatus(QStringLiteral("x"), true);
        EXPECT_EQ(m_windows.calls, (QStringList{QStringLiteral("status 【Tarvel软件】保存单据成功！"), QStringLiteral("status 【Tarvel软件】Ready...")}));

        main.ShutDown();
        EXPECT_EQ(released, (QStringList{QStringLiteral("Database"), QStringLiteral("LoginSession"), QStringLiteral("AppSystem"),
                                         QStringLiteral("LogWriter"), QStringLiteral("clsConfig")}));
    }
    const QStringList log = logTexts();
    ASSERT_EQ(log.size(), 7);
    EXPECT_EQ(log.mid(0, 2), (QStringList{QStringLiteral("系统正常启动,登录操作"), QStringLiteral("操作员admin成功登录默认账套")}));
    EXPECT_TRUE(log.at(2).startsWith(QStringLiteral("<log><progid>0</progid><user>admin</user><message>成功登录[默认账套]！登录时间:")))
        << log.at(2).toStdString();
    EXPECT_TRUE(log.at(2).endsWith(QStringLiteral(" 主控台版本:1.0.0 安装版本:</message></log>"))) << log.at(2).toStdString();
    EXPECT_EQ(log.mid(3), (QStringList{QStringLiteral("加载splash窗体中..."), QStringLiteral("加载主工作窗体中..."), QStringLiteral("显示主工作台..."),
                                       QStringLiteral("<log><progid>0</progid><user>admin</user><message>正在注销用户并退出系统！</message></log>")}));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_F(bMainTest, AlertWindowAndSplashDelayFollowTheSettings)
{
    createOffice();
    writeConfig(QString());
    m_windows.login = [](LoginSession& s) { loginAs(s, QStringLiteral("admin"), QStringLiteral("secret")); };
    UserSettings::Save(QStringLiteral("货运"), QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("1"));
    run(true);
    EXPECT_EQ(m_windows.calls.mid(3), (QStringList{QStringLiteral("show workbench"), QStringLiteral("close splash")}));

    m_windows.calls.clear();
    m_windows.alertStarts = false;
    UserSettings::Save(QStringLiteral("货运"), QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("0"));
    run(true);
    EXPECT_EQ(m_windows.calls.mid(5), (QStringList{QStringLiteral("alert"), QStringLiteral("alert button 0")}));
}

TEST_F(bMainTest, AnUnexpectedFailureNamesTheStep)
{
    createOffice();
    writeConfig(QString());
    m_windows.login = [](LoginSession& s) { loginAs(s, QStringLiteral("admin"), QStringLiteral("secret")); };
    m_windows.failSplash = true;
    const QStringList released = run(false);
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0),
              (DialogRequest{DialogIcon::Critical, QStringLiteral("错误:"),
                             QStringLiteral("主程序执行过程中发生错误\n\n正在加载显示Splash窗体..;错误原因:no picture")}));
    EXPECT_EQ(m_windows.calls, (QStringList{QStringLiteral("login"), QStringLiteral("splash")}));
    EXPECT_EQ(released.size(), 5);
    EXPECT_EQ(logTexts().last(), QStringLiteral("<log><progid>0</progid><user>admin</user><message>正在注销用户并退出系统！</message></log>"));
}

TEST_F(bMainTest, ResolveAppPath)
{
    bMain main(m_windows, m_dialogs, QStringLiteral("/opt/orvel"), QStringLiteral("OrvelMain"));
    EXPECT_EQ(main.ResolveAppPath(QStringLiteral(" OrvelMain.exe.Config ")), QStringLiteral("/opt/orvel/OrvelMain.exe.Config"));
    EXPECT_EQ(main.ResolveAppPath(QStringLiteral("conf\\\\a.Config")), QStringLiteral("/opt/orvel/conf/a.Config"));
    EXPECT_EQ(main.ResolveAppPath(QStringLiteral(" C:\\a\\\\b.Config ")), QStringLiteral("C:\\a\\\\b.Config"));
    EXPECT_EQ(main.ResolveAppPath(QStringLiteral("\\\\server\\share\\a.Config")), QStringLiteral("\\\\server\\share\\a.Config"));
    EXPECT_EQ(main.ResolveAppPath(QStringLiteral("/etc/a.Config")), QStringLiteral("/etc/a.Config"));
    bMain atRoot(m_windows, m_dialogs, QStringLiteral("/"), QStringLiteral("OrvelMain"));
    EXPECT_EQ(atRoot.ResolveAppPath(QStringLiteral("a.Config")), QStringLiteral("/a.Config"));
}

}  // namespace
