// The program's whole run as an operator has it: start-up from the configuration file with the
// registered components, the login dialog filled in, the workbench with the note form in a tab
// and the alert window, then the exit button.
#include "GuiApplication.h"
#include "OfficeDatabases.h"
#include "RunLogFiles.h"
#include "component/ComponentSystem.h"
#include "database/Database.h"
#include "dialogs/ScriptedDialogs.h"
#include "hosts/EmbeddedHost.h"
#include "login/frmLogin.h"
#include "settings/UserSettings.h"
#include "startup/ShellWindows.h"
#include "startup/bMain.h"
#include "workbench/TitleBar.h"
#include "workbench/WorkArea.h"
#include "workbench/frmEdit.h"
#include "workbench/frmMain.h"
#include "workbench/kvVSTab.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kCaption = QStringLiteral("货运全程测试");

class StartupRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        qputenv("ORVEL_REGISTRY_DIR", m_dir.filePath(QStringLiteral("registry")).toUtf8());
        ComponentSystem components(m_dir.path());
        for (const QString& library : {QStringLiteral(ORVEL_PLATFORM_FILE), QStringLiteral(ORVEL_BIN_DIR "/OrvelEdit.so"),
                                       QStringLiteral(ORVEL_BIN_DIR "/CNOTE.so")})
            ASSERT_TRUE(components.Register(library)) << components.LastError().toStdString();
        QFile config(m_dir.filePath(QStringLiteral("OrvelMain.exe.Config")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("<?xml version=\"1.0\"?><configuration><database driver=\"jet\" file=\"data/office.db\"/>"
                                    "<system><caption>%1</caption><settings><displayperiod>1</displayperiod></settings></system>"
                                    "</configuration>")
                         .arg(kCaption)
                         .toUtf8());
        config.close();
        Database db;
        CreateOffice(db, ConnectionSettings::Sqlite(m_dir.filePath(QStringLiteral("data/office.db"))), QStringLiteral("secret"));
        QFile::remove(UserSettings::FileName(kCaption));
    }

    // Fills in the login dialog once it is up and presses OK; gives up after a few seconds so
    // that a login that never shows cannot hold the test.
    void scriptLogin(const QString& user, const QString& password)
    {
        auto* poll = new QTimer(qApp);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, poll, [poll, started, user, password] {
            if (auto* login = qobject_cast<frmLogin*>(QApplication::activeModalWidget())) {
                login->CobUser()->setEditText(user);
                login->Txt(2)->setText(password);
                login->cmdOK()->click();
                poll->deleteLater();
            } else if (started->elapsed() > 10000) {
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
                poll->deleteLater();
            }
        });
        poll->start(20);
    }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
};

TEST_F(StartupRunTest, FromTheConfigurationToTheWorkbenchAndOutThroughTheExitButton)
{
    ShellWindows windows;
    bMain program(windows, m_dialogs, m_dir.path(), QStringLiteral("OrvelMain"));
    QStringList released;
    program.SetReleaseObserver([&released](const QString& name) { released << name; });
    scriptLogin(QStringLiteral("admin"), QStringLiteral("secret"));
    ASSERT_TRUE(program.Main());

    frmMain* workbench = windows.Workbench();
    ASSERT_NE(workbench, nullptr);
    EXPECT_TRUE(workbench->isVisible());
    EXPECT_EQ(workbench->windowTitle(), kCaption);
    EXPECT_FALSE(workbench->PeriodLabel()->isHidden());
    // The first navigation button opened the note form in a tab; the alert window opened beside.
    EXPECT_EQ(workbench->PositionText(), QStringLiteral("当前位置：运输管理 -> 托运单"));
    ASSERT_NE(workbench->Area()->CurrentHost(), nullptr);
    EXPECT_EQ(workbench->Area()->Tabs()->Caption(2), QStringLiteral("托运单"));
    const QList<frmEdit*> hostWindows = workbench->findChildren<frmEdit*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(hostWindows.size(), 1);
    EXPECT_EQ(hostWindows.first()->windowTitle(), QStringLiteral("预警"));
    EXPECT_TRUE(hostWindows.first()->isVisible());
    for (const DialogRequest& request : m_dialogs.Requests())
        ADD_FAILURE() << "message: " << request.text.toStdString();

    emit workbench->Title()->Button(0)->clicked();
    EXPECT_FALSE(workbench->isVisible());
    EXPECT_EQ(released, (QStringList{QStringLiteral("Database"), QStringLiteral("LoginSession"), QStringLiteral("AppSystem"),
                                     QStringLiteral("LogWriter"), QStringLiteral("clsConfig")}));
    EXPECT_EQ(UserSettings::Get(kCaption, QStringLiteral("main"), QStringLiteral("NavPaneActiveItem")), QStringLiteral("YS"));
    EXPECT_EQ(UserSettings::Get(kCaption, QStringLiteral("main"), QStringLiteral("_ButTag运输管理")), QStringLiteral("托运单"));
    EXPECT_FALSE(UserSettings::Get(kCaption, QStringLiteral("main"), QStringLiteral("navpanel_width")).isEmpty());
    const QStringList log = RunLogTexts(m_dir.path());
    EXPECT_TRUE(log.contains(QStringLiteral("显示主工作台...")));
    EXPECT_TRUE(log.filter(QStringLiteral("正在注销用户并退出系统！")).size() == 1);

    // The program's own ShutDown after the event loop finds nothing left to release.
    program.ShutDown();
    EXPECT_EQ(released.size(), 5);
}

}  // namespace
