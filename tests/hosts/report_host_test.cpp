#include "HostFixture.h"
#include "HostToolBar.h"
#include "ReportHost.h"
#include "parameters/ParameterList.h"

#include <QDir>
#include <QFileInfo>

namespace {

using C = HostCommand;

QStringList calls(const ReportHost& host)
{
    return host.Component()->property("calls").toStringList();
}

class ReportHostTest : public HostTest {
protected:
    QString layoutFile() const { return QDir(m_folder.path()).filePath("selfbb/RPT900003_u01.txt"); }
};

TEST_F(ReportHostTest, OpensTheReportWithItsLayoutFileAndRunsItsCommands)
{
    ReportHost host(ReportHost::Kind::Report);
    watch(host);
    ASSERT_TRUE(host.Py_Init(&m_system, nullptr, kFakeReportProgram, {QStringLiteral("货物交接清单")}));
    EXPECT_EQ(host.Caption(), "货物交接清单");
    EXPECT_EQ(host.LayoutFile(), layoutFile());
    EXPECT_TRUE(QFileInfo(layoutFile()).dir().exists());
    EXPECT_EQ(calls(host), QStringList({"Init:900003", "DoGetFormStatus:" + layoutFile()}));

    struct Step {
        C command;
        bool result;
        QString call;
        QList<HostEvent> events;
    };
    const QList<Step> steps{
        {C::Refresh, true, "Refresh", {}},
        {C::Find, true, "Find:0", {}},
        {C::FindNext, true, "FindNext", {}},
        {C::Filter, true, "Filter:0", {}},
        {C::PrintPreview, false, "PrintPreview", {}},
        {C::Print, false, "DoPrint", {}},
        {C::PrintSetup, false, "PrintSetup", {}},
        {C::New, false, {}, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(HostCommandFor(step.command).text);
        const qsizetype before = calls(host).size();
        EXPECT_EQ(host.Run(step.command), step.result);
        EXPECT_EQ(calls(host).mid(before), step.call.isEmpty() ? QStringList() : QStringList{step.call});
        EXPECT_EQ(takeEvents(), step.events);
    }
    EXPECT_TRUE(host.Run(C::Close));
    EXPECT_EQ(takeEvents(), QList<HostEvent>({{"unload", {true}}}));
}

TEST_F(ReportHostTest, ReportEventsReachTheWindowAsNamedEvents)
{
    ReportHost host(ReportHost::Kind::Report);
    watch(host);
    ASSERT_TRUE(host.Py_Init(&m_system, nullptr, kFakeReportProgram, {QStringLiteral("r")}));
    QWidget* report = host.Component();
    ASSERT_TRUE(QMetaObject::invokeMethod(report, "Detaile", Q_ARG(int, 650001), Q_ARG(int, 12)));
    ASSERT_TRUE(QMetaObject::invokeMethod(report, "ErrMessage", Q_ARG(QString, "RPT-->x"), Q_ARG(int, 8), Q_ARG(QString, "t")));
    ASSERT_TRUE(QMetaObject::invokeMethod(report, "Message", Q_ARG(QString, "正在查询...")));
    EXPECT_EQ(takeEvents(), QList<HostEvent>({{"detaile", {650001, 12}},
                                              {"errmessage", {"RPT-->x", 8, "t"}},
                                              {"message", {"正在查询..."}}}));
}

TEST_F(ReportHostTest, ClearSavesTheLayoutToTheSameFileAndReleasesTheReport)
{
    ReportHost host(ReportHost::Kind::Query);
    watch(host);
    ASSERT_TRUE(host.Py_Init(&m_system, nullptr, kFakeReportProgram, {QStringLiteral("q")}));
    takeEvents();
    host.Clear();
    EXPECT_EQ(host.Component(), nullptr);
    const QList<HostEvent> events = takeEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].values.value(1).toStringList(),
              QStringList({"Init:900003", "DoGetFormStatus:" + layoutFile(), "DoSaveFormStatus:" + layoutFile(), "Clear"}));
    EXPECT_FALSE(host.Run(C::Refresh));
}

TEST_F(ReportHostTest, ReportWithParametersGetsTheWindowsList)
{
    auto parameters = std::make_shared<ParameterList>();
    parameters->Add("dateFrom", "2024-05-01", ParameterList::Text);
    ReportHost host(ReportHost::Kind::ReportWithParameters);
    ASSERT_TRUE(host.Py_Init(&m_system, nullptr, kFakeReportProgram, {QVariant::fromValue(parameters)}));
    EXPECT_EQ(calls(host), QStringList({"Init:900003", "SetParameters", "DoGetFormStatus:" + layoutFile()}));
    EXPECT_EQ(host.Parameters(), parameters);
    EXPECT_TRUE(host.Caption().isEmpty());
}

TEST_F(ReportHostTest, AProgramWithoutReportMakesPyInitFalse)
{
    for (int program : {kFakeFormProgram, 4242}) {
        SCOPED_TRACE(program);
        ReportHost host(ReportHost::Kind::Report);
        EXPECT_FALSE(host.Py_Init(&m_system, nullptr, program, {QStringLiteral("r")}));
        EXPECT_FALSE(host.LastError().isEmpty());
        EXPECT_EQ(host.Component(), nullptr);
        EXPECT_FALSE(host.ToolBar()->isEnabled());
    }
}

TEST(ReportLayoutFileTest, OneFilePerProgramAndOperatorWithASafeName)
{
    QTemporaryDir folder;
    struct Case {
        int program;
        QString user;
        QString file;
    };
    const QList<Case> cases{
        {650002, "u01", "RPT650002_u01.txt"},
        {650002, "u02", "RPT650002_u02.txt"},
        {650003, "u01", "RPT650003_u01.txt"},
        {650003, "../a b", ".._a_b.txt"},
        {650003, "张三", "RPT650003_张三.txt"},
    };
    for (const Case& c : cases) {
        const QString file = ReportHost::LayoutFileName(folder.path(), c.program, c.user);
        EXPECT_EQ(QFileInfo(file).absolutePath(), QDir(folder.path()).filePath("selfbb"));
        EXPECT_TRUE(file.endsWith(c.file)) << file.toStdString();
    }
}

}  // namespace
