#pragma once

#include "FakeHost.h"
#include "GuiApplication.h"
#include "TestDatabases.h"
#include "TestRunLog.h"
#include "config/clsConfig.h"
#include "dialogs/ScriptedDialogs.h"
#include "OfficeDatabases.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"
#include "workbench/frmMain.h"

#include <QFile>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

// An office database with the standard menus, the system object of operator "admin" (every
// right), a run log, scripted dialogs and embedded hosts that record their calls.
class WorkbenchFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        CreateOffice(m_test.db(), m_test.settings(), QStringLiteral("pw"));
        ASSERT_TRUE(m_system.Init(&m_test.db(), 0)) << m_system.LastError().Message.toStdString();
        m_system.AppInfo().UserID = QStringLiteral("0001");
        m_system.AppInfo().UserName = QStringLiteral("admin");
        m_system.AppInfo().TemporaryPath = m_test.folder() + QStringLiteral("/temp");
        ASSERT_TRUE(m_login.Init(&m_test.db()));
        m_login.SetUserName(QStringLiteral("admin"));
        ASSERT_TRUE(m_login.CheckPassword(QStringLiteral("pw")));
        m_log = std::make_unique<TestRunLog>(m_dialogs, m_test.folder());
        m_config.SetCaption(QStringLiteral("工作台测试"));
        QFile::remove(UserSettings::FileName(m_config.Caption()));
        m_context.system = &m_system;
        m_context.config = &m_config;
        m_context.createHost = [this](const QString& type) {
            m_hostTypes << type;
            m_host = new FakeHost(m_journal, m_initResult, m_dirty);
            return m_host.data();
        };
        m_context.showStatus = [this](const QString& text) { m_status << text; };
    }
    void TearDown() override
    {
        m_workbench.reset();
        m_log.reset();
    }

    frmMain& workbench()
    {
        m_workbench = std::make_unique<frmMain>(m_context);
        m_workbench->SetLogin(&m_login);
        m_workbench->SetShutDown([this] { ++m_shutDowns; });
        m_workbench->resize(1100, 700);
        m_workbench->Load();
        return *m_workbench;
    }
    // The configuration file with these elements inside <system> (the caption is kept).
    void useConfig(const QString& system)
    {
        const QString path = m_test.folder() + QStringLiteral("/OrvelMain.exe.Config");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("<configuration><system><caption>%1</caption>%2</system></configuration>").arg(m_config.Caption(), system).toUtf8());
        file.close();
        ASSERT_TRUE(m_config.Init(path));
    }
    void run(const QString& sql)
    {
        m_test.db().Execute(sql, 1).Run();
        ASSERT_TRUE(m_test.db().LastError().IsEmpty()) << m_test.db().LastError().Message.toStdString();
    }
    QString setting(const QString& key) const { return UserSettings::Get(m_config.Caption(), QStringLiteral("main"), key); }
    void remember(const QString& key, const QString& value) { UserSettings::Save(m_config.Caption(), QStringLiteral("main"), key, value); }
    QString log() const { return m_log->Text(); }

    TestDatabase m_test{TestEngine::Sqlite};
    AppSystem m_system;
    LoginSession m_login;
    clsConfig m_config;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TestRunLog> m_log;
    HostContext m_context;
    FakeHost::Journal m_journal;
    QPointer<FakeHost> m_host;
    QStringList m_hostTypes;
    QStringList m_status;
    bool m_initResult = true;  // what the next host's Py_Init answers
    bool m_dirty = false;      // whether the next host reports unsaved edits
    int m_shutDowns = 0;       // how often the workbench ran the program's shutdown
    std::unique_ptr<frmMain> m_workbench;
};
