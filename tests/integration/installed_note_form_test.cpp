// The consignment-note form as the program runs it: the host and the form created by identifier
// from the registered program folder, driven by the host's toolbar commands.
#include "GuiApplication.h"
#include "OfficeDatabases.h"
#include "TestDatabases.h"
#include "component/ComponentSystem.h"
#include "config/clsConfig.h"
#include "controls/kvTxt_S.h"
#include "dialogs/ScriptedDialogs.h"
#include "hosts/EmbeddedHost.h"
#include "system/AppSystem.h"
#include "workbench/WorkArea.h"
#include "workbench/frmMain.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QAction>

#include <gtest/gtest.h>

namespace {

class InstalledNoteFormTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override
    {
        GuiApplication();
        qunsetenv("ORVEL_REGISTRY_DIR");  // the registry of the program folder, as the build wrote it
        m_test = std::make_unique<TestDatabase>(GetParam());
        CreateOffice(m_test->db(), m_test->settings(), QStringLiteral("pw"));
        ASSERT_TRUE(m_system.Init(&m_test->db(), 0)) << m_system.LastError().Message.toStdString();
        m_system.AppInfo().UserID = QStringLiteral("0001");
        m_system.AppInfo().UserName = QStringLiteral("admin");
        m_system.AppInfo().OperationDate = QDate(2026, 12, 11);
        m_system.AppInfo().AppPath = QStringLiteral(ORVEL_BIN_DIR);
        m_object = m_components.CreateObject(QStringLiteral("OrvelEdit.oedit"));
        m_host = qobject_cast<EmbeddedHost*>(m_object.get());
        ASSERT_NE(m_host, nullptr) << m_components.LastError().toStdString();
        m_host->resize(1280, 760);
        m_host->show();
        ASSERT_TRUE(m_host->Py_Init(&m_system, nullptr, 650001, {0.0, 0})) << m_host->LastError().toStdString();
    }
    void TearDown() override
    {
        if (m_host)
            m_host->Clear();
    }

    kvTxt_S* box(int index) const
    {
        for (kvTxt_S* b : m_host->findChildren<kvTxt_S*>()) {
            if (b->Index() == index)
                return b;
        }
        return nullptr;
    }
    QString record() const { return m_host->findChild<QLabel*>(QStringLiteral("lblRecord"))->text(); }
    QVariant value(const QString& sql) { return m_test->db().Execute(sql, 1).Value(); }
    // Runs a toolbar command of the host as the operator's click does.
    void command(const QString& text)
    {
        for (QAction* action : m_host->findChildren<QAction*>()) {
            if (action->text() == text) {
                ASSERT_TRUE(action->isEnabled()) << text.toStdString();
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no command " << text.toStdString();
    }

    std::unique_ptr<TestDatabase> m_test;
    AppSystem m_system;
    ComponentSystem m_components{QStringLiteral(ORVEL_BIN_DIR)};
    std::unique_ptr<QObject> m_object;
    EmbeddedHost* m_host = nullptr;
    ScriptedDialogs m_dialogs;
};

TEST_P(InstalledNoteFormTest, CreatesSavesChangesBrowsesAndDeletesNotes)
{
    EXPECT_EQ(record(), QStringLiteral("记录：0/0"));
    QStringList numbers;
    for (const char* shipper : {"华联商贸", "东方电器'厂"}) {
        command(QStringLiteral("新增"));
        ASSERT_NE(box(21), nullptr);
        EXPECT_FALSE(box(21)->Text().isEmpty());  // the proposed number
        box(0)->SetText(QString::fromUtf8(shipper));
        box(4)->SetText(QStringLiteral("北京"));
        box(22)->SetText(QStringLiteral("上海"));
        box(16)->SetText(QStringLiteral("100"));
        command(QStringLiteral("保存"));
        EXPECT_FALSE(m_host->IsDirty());
        numbers << box(21)->Text();
    }
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote where progid=650001")).toInt(), 2);
    EXPECT_EQ(value(QStringLiteral("select fromName from cnote where cnoteNumber=") + m_test->db().Quote(numbers.at(1))).toString(),
              QStringLiteral("东方电器'厂"));
    EXPECT_EQ(record(), QStringLiteral("记录：2/2"));

    command(QStringLiteral("上张"));
    EXPECT_EQ(box(21)->Text(), numbers.at(0));
    EXPECT_EQ(record(), QStringLiteral("记录：1/2"));

    // Audited through the toolbar: marked in the database and labelled; then the mark goes again.
    QLabel* audited = m_host->findChild<QLabel*>(QStringLiteral("Lab_Succeed"));
    ASSERT_NE(audited, nullptr);
    command(QStringLiteral("审核"));
    EXPECT_EQ(value(QStringLiteral("select smark from cnote where cnoteNumber=") + m_test->db().Quote(numbers.at(0))).toString(),
              QStringLiteral("02"));
    EXPECT_FALSE(audited->isHidden());
    command(QStringLiteral("弃审"));
    EXPECT_EQ(value(QStringLiteral("select smark from cnote where cnoteNumber=") + m_test->db().Quote(numbers.at(0))).toString(),
              QStringLiteral("01"));
    EXPECT_TRUE(audited->isHidden());

    m_dialogs.Answer(DialogAnswer::Yes);  // delete it? yes
    command(QStringLiteral("删除"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote where progid=650001")).toInt(), 1);
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote where cnoteNumber=") + m_test->db().Quote(numbers.at(0))).toInt(), 0);
}

TEST_P(InstalledNoteFormTest, TheWorkbenchOpensTheNoteFormInATab)
{
    m_system.AppInfo().TemporaryPath = m_test->folder() + QStringLiteral("/temp");
    clsConfig config;
    HostContext context;
    context.system = &m_system;
    context.config = &config;
    context.createHost = [this](const QString& type) -> EmbeddedHost* {
        std::unique_ptr<QObject> object = m_components.CreateObject(type);
        auto* host = qobject_cast<EmbeddedHost*>(object.get());
        if (host)
            object.release();
        return host;
    };
    frmMain workbench(context);
    workbench.resize(1366, 768);
    workbench.Load();  // chooses the first button: 托运单
    EmbeddedHost* host = workbench.Area()->CurrentHost();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->objectName(), QStringLiteral("edit1"));
    EXPECT_EQ(host->findChildren<kvTxt_S*>().size(), 38);  // the note form's boxes
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
    workbench.ClearHosts();
}

INSTANTIATE_TEST_SUITE_P(Engines, InstalledNoteFormTest, ::testing::Values(TestEngine::Sqlite, TestEngine::Postgres),
                         [](const auto& info) { return std::string(EngineName(info.param)); });

}  // namespace
