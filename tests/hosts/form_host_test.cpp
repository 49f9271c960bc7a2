#include "FormHost.h"
#include "HostFixture.h"
#include "HostToolBar.h"
#include "PvData.h"
#include "SearchDialog.h"
#include "parameters/ParameterList.h"

#include <QAction>
#include <QTest>

namespace {

using C = HostCommand;

QStringList calls(const FormHost& host)
{
    return host.Component()->property("calls").toStringList();
}

// The calls made since the last call of this function.
QStringList newCalls(const FormHost& host, qsizetype* seen)
{
    const QStringList all = calls(host);
    const QStringList fresh = all.mid(*seen);
    *seen = all.size();
    return fresh;
}

QSet<C> enabledCommands(const FormHost& host)
{
    QSet<C> enabled;
    for (const HostCommandInfo& info : HostCommands()) {
        if (host.ToolBar()->Action(info.command)->isEnabled())
            enabled.insert(info.command);
    }
    return enabled;
}

const QSet<C> kEditing{C::Save, C::Cancel, C::First, C::Previous, C::Next, C::Last, C::Close};
const QSet<C> kBrowsing{C::New,          C::Edit,     C::Delete,       C::First, C::Previous, C::Next,
                        C::Last,         C::Find,     C::FindNext,     C::Filter, C::Refresh, C::Check,
                        C::PrintPreview, C::Print,    C::PrintSetup,   C::Close};

HostEvent message(const char* text)
{
    return {QStringLiteral("message"), {QString::fromUtf8(text)}};
}

const HostEvent kRefreshed{QStringLiteral("formrefreshed"), {}};
const HostEvent kUnload{QStringLiteral("unload"), {true}};

class FormHostTest : public HostTest {
protected:
    void open(int mode = 0, int program = kFakeFormProgram)
    {
        watch(m_host);
        ASSERT_TRUE(m_host.Py_Init(&m_system, nullptr, program, {0, mode})) << m_host.LastError().toStdString();
        takeEvents();
        m_seen = calls(m_host).size();
    }
    void setForm(const char* name, const QVariant& value) { m_host.Component()->setProperty(name, value); }

    FormHost m_host;
    qsizetype m_seen = 0;
};

TEST_F(FormHostTest, DrivesTheFormThroughNewSaveCancelNavigationAndClose)
{
    open();
    EXPECT_EQ(enabledCommands(m_host), kBrowsing);

    struct Step {
        C command;
        bool dirtyBefore;
        QStringList failing;
        bool result;
        FormState state;
        QStringList calls;
        QList<HostEvent> events;
    };
    const HostEvent refused{QStringLiteral("errmessage"),
                            {QStringLiteral("FakeForm-->FileSave::refused"), 8, QStringLiteral("Fake900001")}};
    const QList<Step> steps{
        {C::New, false, {}, true, FormState::New, {"FileNew"}, {message("正在新增单据...")}},
        {C::Cancel, false, {}, true, FormState::Browse, {"FileCancel"}, {message("")}},
        {C::Edit, false, {}, true, FormState::Edit, {"FileEdit"}, {message("正在修改单据中...")}},
        {C::Save, true, {}, true, FormState::Browse, {"FileSave"}, {message("保存单据成功！")}},
        {C::Next, false, {}, true, FormState::Browse, {"RecordNext"}, {kRefreshed}},
        {C::Previous, false, {}, true, FormState::Browse, {"RecordPrevious"}, {kRefreshed}},
        {C::Last, false, {}, true, FormState::Browse, {"RecordBottom"}, {kRefreshed}},
        {C::First, false, {}, true, FormState::Browse, {"RecordTop"}, {kRefreshed}},
        {C::New, false, {}, true, FormState::New, {"FileNew"}, {message("正在新增单据...")}},
        {C::Save, true, {"FileSave"}, false, FormState::New, {"FileSave"}, {refused}},
        // Not dirty any more: leaving the new state drops it without a question.
        {C::Next, false, {}, true, FormState::Browse, {"FileCancel", "RecordNext"}, {message(""), kRefreshed}},
        {C::Delete, false, {}, true, FormState::Browse, {"FileDelete"}, {}},
        {C::Refresh, false, {}, true, FormState::Browse, {"Refresh"}, {kRefreshed}},
        {C::Edit, false, {}, true, FormState::Edit, {"FileEdit"}, {message("正在修改单据中...")}},
        {C::Close, false, {}, true, FormState::Browse, {"FileCancel"}, {message(""), kUnload}},
    };
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const Step& step = steps.at(i);
        SCOPED_TRACE(testing::Message() << "step " << i << ": " << HostCommandFor(step.command).text);
        setForm("dirty", step.dirtyBefore);
        setForm("failing", step.failing);
        EXPECT_EQ(m_host.Run(step.command), step.result);
        EXPECT_EQ(m_host.State(), step.state);
        EXPECT_EQ(newCalls(m_host, &m_seen), step.calls);
        EXPECT_EQ(takeEvents(), step.events);
        EXPECT_EQ(enabledCommands(m_host), step.state == FormState::Browse ? kBrowsing : kEditing);
    }
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_F(FormHostTest, AsksBeforeLeavingUnsavedEdits)
{
    struct Case {
        C command;
        DialogAnswer answer;
        QStringList failing;
        bool result;
        QStringList calls;
        bool unloads;
    };
    const QList<Case> cases{
        {C::Close, DialogAnswer::Yes, {}, true, {"FileSave"}, true},
        {C::Close, DialogAnswer::No, {}, true, {"FileCancel"}, true},
        {C::Close, DialogAnswer::Cancel, {}, false, {}, false},
        {C::Close, DialogAnswer::Yes, {"FileSave"}, false, {"FileSave"}, false},
        {C::Next, DialogAnswer::Yes, {}, true, {"FileSave", "RecordNext"}, false},
        {C::Next, DialogAnswer::No, {}, true, {"FileCancel", "RecordNext"}, false},
        {C::Next, DialogAnswer::Cancel, {}, false, {}, false},
        {C::New, DialogAnswer::No, {}, true, {"FileCancel", "FileNew"}, false},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << HostCommandFor(c.command).text << " answer " << int(c.answer));
        ASSERT_TRUE(m_host.Run(C::Edit));
        newCalls(m_host, &m_seen);
        setForm("dirty", true);
        setForm("failing", c.failing);
        m_dialogs.Clear();
        m_dialogs.Answer(c.answer);
        takeEvents();

        EXPECT_EQ(m_host.Run(c.command), c.result);
        EXPECT_EQ(newCalls(m_host, &m_seen), c.calls);
        EXPECT_EQ(takeEvents().contains(kUnload), c.unloads);
        ASSERT_EQ(m_dialogs.Requests().size(), 1);
        EXPECT_EQ(m_dialogs.Requests().front(),
                  (DialogRequest{DialogIcon::Question, QStringLiteral("提示："), QStringLiteral("当前单据已修改，是否保存？"),
                                 DialogButtons::YesNoCancel}));
        setForm("failing", QStringList());
        setForm("dirty", false);
        m_host.Run(C::Cancel);
        newCalls(m_host, &m_seen);
    }
}

TEST_F(FormHostTest, ModeOfTheWindowChoosesTheFirstCommand)
{
    struct Case {
        int mode;
        QStringList calls;
        FormState state;
    };
    const QList<Case> cases{
        {0, {"RecordTop"}, FormState::Browse},
        {1, {"FileNew"}, FormState::New},
        {2, {"RecordTop", "FileEdit"}, FormState::Edit},
        {3, {"RecordTop"}, FormState::Browse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        FormHost host;
        ASSERT_TRUE(host.Py_Init(&m_system, nullptr, kFakeFormProgram, {42, c.mode}));
        EXPECT_EQ(calls(host), QStringList({"Init:900001:42", "DoGetFormStatus"}) + c.calls);
        EXPECT_EQ(host.State(), c.state);
    }
}

TEST_F(FormHostTest, FindAndFilterDialogsBuildTheSearchDefinition)
{
    open();
    int shown = 0;
    m_host.SetDialogRunner([&shown](SearchDialog& dialog) {
        ++shown;
        EXPECT_TRUE(dialog.SetLine(0, QStringLiteral("cnoteNumber"), SearchDialog::Comparison::Like, QStringLiteral("A12")));
        EXPECT_TRUE(dialog.SetLine(1, QStringLiteral("startway"), SearchDialog::Comparison::Equal, QStringLiteral("上海")));
        EXPECT_FALSE(dialog.SetLine(2, QStringLiteral("notOffered"), SearchDialog::Comparison::Equal, QStringLiteral("x")));
        return true;
    });

    struct Case {
        C command;
        int slot;   // k of [.][i][k]
    };
    for (const Case& c : {Case{C::Find, 1}, Case{C::Filter, 0}}) {
        SCOPED_TRACE(c.slot);
        ASSERT_TRUE(m_host.Run(c.command));
        const QVariantList pv = m_host.Component()->property("lastPvData").toList();
        ASSERT_EQ(pv.size(), 2);
        const QVariantList values = pv.at(0).toList();
        const QVariantList columns = pv.at(1).toList();
        // Three lines: the third keeps the dialog's first column with an empty value.
        ASSERT_EQ(values.size(), 3);
        EXPECT_EQ(values.at(0).toList().at(c.slot), "A12");
        EXPECT_EQ(columns.at(0).toList().at(c.slot), "cnoteNumber like");
        EXPECT_EQ(values.at(1).toList().at(c.slot), "上海");
        EXPECT_EQ(columns.at(1).toList().at(c.slot), "startway =");
        EXPECT_EQ(values.at(2).toList().at(c.slot), "");
        EXPECT_FALSE(values.at(0).toList().at(1 - c.slot).isValid());
        EXPECT_FALSE(columns.at(0).toList().at(1 - c.slot).isValid());
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"Find", "Filter"}));
    EXPECT_TRUE(m_host.Run(C::FindNext));
    EXPECT_EQ(calls(m_host).last(), "FindNext");
}

TEST_F(FormHostTest, ACancelledDialogSearchesNothing)
{
    open();
    m_host.SetDialogRunner([](SearchDialog&) { return false; });
    EXPECT_FALSE(m_host.Run(C::Find));
    EXPECT_FALSE(m_host.Run(C::Filter));
    EXPECT_TRUE(newCalls(m_host, &m_seen).isEmpty());
}

TEST_F(FormHostTest, FilterWithEmptyValuesStillHandsOnLinesSoTheFormDropsItsFilter)
{
    open();
    m_host.SetDialogRunner([](SearchDialog&) { return true; });
    ASSERT_TRUE(m_host.Run(C::Filter));
    const auto data = PvData::FromVariant(m_host.Component()->property("lastPvData"));
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->LineCount(), SearchDialog::kLineCount);
    for (int i = 0; i < data->LineCount(); ++i)
        EXPECT_TRUE(data->Value(i, PvData::FilterSlot).toString().isEmpty());
}

TEST_F(FormHostTest, AuditCallsDoSetStatusWithTheNewState)
{
    open();
    ASSERT_TRUE(m_host.CanAudit());
    EXPECT_TRUE(m_host.Run(C::Check));
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"Check", "DoSetStatus:check:true"}));
    EXPECT_FALSE(m_host.ToolBar()->Action(C::Check)->isEnabled());
    EXPECT_TRUE(m_host.ToolBar()->Action(C::UnCheck)->isEnabled());
    EXPECT_TRUE(m_host.Run(C::UnCheck));
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"UnCheck", "DoSetStatus:check:false"}));

    setForm("failing", QStringList{"Check"});
    EXPECT_FALSE(m_host.Run(C::Check));
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"Check"}));
}

TEST_F(FormHostTest, AFormWithoutAuditGetsNoAuditCommands)
{
    open(0, kFakeFormNoAuditProgram);
    EXPECT_FALSE(m_host.CanAudit());
    EXPECT_FALSE(m_host.ToolBar()->Action(C::Check)->isVisible());
    EXPECT_FALSE(m_host.ToolBar()->Action(C::UnCheck)->isVisible());
    EXPECT_FALSE(m_host.Run(C::Check));
    EXPECT_TRUE(newCalls(m_host, &m_seen).isEmpty());
}

TEST_F(FormHostTest, PrintCommandsHandThePrintFileOn)
{
    open();
    EXPECT_TRUE(m_host.Run(C::PrintPreview));
    EXPECT_EQ(takeEvents(), QList<HostEvent>({message("打印文件：selfPrint/note1.prn")}));
    EXPECT_TRUE(m_host.Run(C::Print));
    EXPECT_EQ(takeEvents(), QList<HostEvent>({message("打印文件：selfPrint/note1.prn")}));
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"PrintPreview", "DoPrint"}));
}

TEST_F(FormHostTest, TextRecordIdIsFoundInTheFormsKeyColumn)
{
    open();
    auto parameters = std::make_shared<ParameterList>();
    parameters->Add(QStringLiteral("sID"), QStringLiteral("A'001"), ParameterList::LongText);
    m_host.SetParameters(parameters);
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"Find"}));
    const auto data = PvData::FromVariant(m_host.Component()->property("lastPvData"));
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->LineCount(), 1);
    EXPECT_EQ(data->ColumnText(0, PvData::FindSlot), "cnoteNumber =");
    EXPECT_EQ(data->Value(0, PvData::FindSlot), "A'001");
    EXPECT_EQ(m_host.Parameters(), parameters);
}

TEST_F(FormHostTest, UnknownProgramOrWrongComponentMakesPyInitFalse)
{
    struct Case {
        int program;
        QString error;
    };
    const QList<Case> cases{
        {123456, QStringLiteral("no component is paired with program 123456")},
        {StandardData::kNoteProgram, QStringLiteral("component CNOTE.CNOTE_S is not registered")},
        {kFakeReportProgram, QStringLiteral("the component of program 900003 is no entry form")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        FormHost host;
        watch(host);
        EXPECT_FALSE(host.Py_Init(&m_system, nullptr, c.program, {0, 0}));
        EXPECT_EQ(host.LastError(), c.error);
        EXPECT_EQ(takeEvents(), QList<HostEvent>({{QStringLiteral("errmessage"), {c.error, 1, QStringLiteral("OrvelEdit")}}}));
        EXPECT_EQ(host.Component(), nullptr);
        EXPECT_TRUE(enabledCommands(host).isEmpty());
        EXPECT_FALSE(host.Run(C::New));
    }
}

TEST_F(FormHostTest, ClearSavesTheLayoutAndReleasesTheForm)
{
    open();
    QPointer<QWidget> form = m_host.Component();
    const QStringList before = calls(m_host);
    m_host.Clear();
    EXPECT_TRUE(form.isNull());
    const QList<HostEvent> events = takeEvents();
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.last().name, "property");
    EXPECT_EQ(events.last().values.value(1).toStringList(), before + QStringList({"DoSaveFormStatus", "Clear"}));
    EXPECT_EQ(m_host.Component(), nullptr);
    EXPECT_FALSE(m_host.IsDirty());
    EXPECT_TRUE(enabledCommands(m_host).isEmpty());
    m_host.Clear();
}

TEST_F(FormHostTest, SaveChangesSavesOnlyWhenDirty)
{
    open();
    EXPECT_TRUE(m_host.SaveChanges());
    EXPECT_TRUE(newCalls(m_host, &m_seen).isEmpty());
    ASSERT_TRUE(m_host.Run(C::Edit));
    setForm("dirty", true);
    EXPECT_TRUE(m_host.IsDirty());
    EXPECT_TRUE(m_host.SaveChanges());
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"FileEdit", "FileSave"}));
    EXPECT_EQ(m_host.State(), FormState::Browse);
}

TEST_F(FormHostTest, ShortcutsRunTheirCommands)
{
    open();
    m_host.show();
    m_host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_host));
    m_host.Component()->setFocus();

    QTest::keyClick(m_host.Component(), Qt::Key_F2);
    EXPECT_EQ(m_host.State(), FormState::New);
    QTest::keyClick(m_host.Component(), Qt::Key_Escape);
    EXPECT_EQ(m_host.State(), FormState::Browse);
    QTest::keyClick(m_host.Component(), Qt::Key_PageDown);
    QTest::keyClick(m_host.Component(), Qt::Key_PageUp);
    QTest::keyClick(m_host.Component(), Qt::Key_F3);
    EXPECT_EQ(newCalls(m_host, &m_seen), QStringList({"FileNew", "FileCancel", "RecordNext", "RecordPrevious", "FindNext"}));
}

}  // namespace
