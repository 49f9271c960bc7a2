#include "WorkbenchFixture.h"
#include "parameters/ParameterList.h"
#include "workbench/HostEvents.h"
#include "workbench/frmEdit.h"

#include <gtest/gtest.h>

namespace {

class FrmEditTest : public WorkbenchFixture {
protected:
    void SetUp() override
    {
        WorkbenchFixture::SetUp();
        run(QStringLiteral("update xt_objects set progCommandLine='/w:12000 /h:6000' where ProgID=650001"));
        m_system.AppInfo().OperationDate = QDate(2026, 12, 11);
    }
};

TEST_F(FrmEditTest, StoredRecordIds)
{
    EXPECT_EQ(frmEdit::StoredRecordId(QStringLiteral(" 12 ")), QVariant(12.0));
    EXPECT_EQ(frmEdit::StoredRecordId(12), QVariant(12.0));
    EXPECT_EQ(frmEdit::StoredRecordId(QStringLiteral("00012")), QVariant(QStringLiteral("00012")));
    EXPECT_EQ(frmEdit::StoredRecordId(QStringLiteral("12.50")), QVariant(QStringLiteral("12.50")));
    EXPECT_EQ(frmEdit::StoredRecordId(QStringLiteral("12.5")), QVariant(12.5));
    EXPECT_TRUE(frmEdit::StoredRecordId(QVariant()).isNull());
}

TEST_F(FrmEditTest, InitHostWindowShowsTheProgram)
{
    auto* window = new frmEdit(m_context);
    ASSERT_TRUE(window->InitHostWindow(650001, QStringLiteral("托运单"), 100, QStringLiteral("00012"), nullptr, 2));
    EXPECT_EQ(m_hostTypes, QStringList{QStringLiteral("OrvelEdit.oedit")});
    EXPECT_EQ(m_journal.program, 650001);
    EXPECT_EQ(m_journal.arguments, (QVariantList{0.0, 2}));
    ASSERT_TRUE(m_host->Parameters());
    EXPECT_EQ(m_host->Parameters()->Item(QStringLiteral("sID")).Value, QVariant(QStringLiteral("00012")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("托运单"));
    EXPECT_EQ(window->size(), QSize(800, 400));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->PanelText(QStringLiteral("date")), QStringLiteral("2026-12-11"));
    EXPECT_EQ(window->PanelText(QStringLiteral("user")), QStringLiteral("admin"));
    EXPECT_TRUE(window->PanelText(QStringLiteral("period")).startsWith(QStringLiteral("会计期间：")));
    EXPECT_EQ(window->PanelText(QStringLiteral("msg")), QStringLiteral("Ready..."));

    m_host->raise(QStringLiteral("Message"), {QStringLiteral("保存单据成功！")});
    EXPECT_EQ(window->PanelText(QStringLiteral("msg")), QStringLiteral("保存单据成功！"));
    m_host->raise(QStringLiteral("filenew"), {650001});  // not handled in a host window
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
    QPointer<frmEdit> guard(window);
    m_host->raise(QStringLiteral("unload"), {true});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(m_journal.calls, (QStringList{QStringLiteral("Py_Init"), QStringLiteral("Clear")}));
}

TEST_F(FrmEditTest, KindsWithoutAHostAndFailedHosts)
{
    auto* window = new frmEdit(m_context);
    EXPECT_FALSE(window->InitHostWindow(650001, QStringLiteral("x"), 104, QVariant(), nullptr, 0));
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0), (DialogRequest{DialogIcon::Warning, QStringLiteral("提示："), QStringLiteral("该菜单功能未完成！")}));
    EXPECT_TRUE(m_hostTypes.isEmpty());

    m_initResult = false;
    auto* second = new frmEdit(m_context);
    EXPECT_TRUE(second->InitHostWindow(650002, QStringLiteral("货物交接清单"), 101, QVariant(), nullptr, 0));
    EXPECT_EQ(m_journal.arguments, QVariantList{QStringLiteral("货物交接清单")});
    EXPECT_TRUE(log().contains(QStringLiteral("\t1\tTarvel软件\t初始化控件Init()时出错<650002>")));
    second->close();
}

TEST_F(FrmEditTest, ClosingWithUnsavedEditsAsksFirst)
{
    m_dirty = true;
    auto* window = new frmEdit(m_context);
    ASSERT_TRUE(window->InitHostWindow(650001, QStringLiteral("托运单"), 100, 5, nullptr, 0));
    m_dialogs.Answer(DialogAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(m_journal.calls, QStringList{QStringLiteral("Py_Init")});
    m_dialogs.Answer(DialogAnswer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(m_journal.calls, (QStringList{QStringLiteral("Py_Init"), QStringLiteral("Save"), QStringLiteral("Clear")}));
    ASSERT_EQ(m_dialogs.Requests().size(), 2);
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("当前单据已修改，是否保存？"));
    EXPECT_EQ(m_dialogs.Requests().at(0).buttons, DialogButtons::YesNoCancel);
}

class WorkbenchTarget : public HostEventTarget {
public:
    QStringList calls;
    bool IsWorkbench() const override { return true; }
    void ShowHostMessage(const QString& text) override { calls << QStringLiteral("status ") + text; }
    void UnloadHost(bool unload) override { calls << QStringLiteral("unload %1").arg(unload); }
};

TEST_F(FrmEditTest, HostEventsInTheWorkbench)
{
    WorkbenchTarget target;
    HandleHostEvent(target, m_context, QStringLiteral("MESSAGE"), {QStringLiteral("就绪")});
    HandleHostEvent(target, m_context, QStringLiteral("unload"), {false});
    HandleHostEvent(target, m_context, QStringLiteral("unknown"), {1});
    EXPECT_EQ(target.calls, (QStringList{QStringLiteral("status 就绪"), QStringLiteral("unload 0")}));

    HandleHostEvent(target, m_context, QStringLiteral("filenew"), {QStringLiteral("650001")});
    ASSERT_EQ(m_hostTypes.size(), 1);
    EXPECT_EQ(m_journal.arguments, (QVariantList{0.0, 1}));
    HandleHostEvent(target, m_context, QStringLiteral("detaile"), {650001, QStringLiteral("17")});
    EXPECT_EQ(m_journal.arguments, (QVariantList{17.0, 3}));
    HandleHostEvent(target, m_context, QStringLiteral("fileedit"), {650001, 9});
    EXPECT_EQ(m_journal.arguments, (QVariantList{9.0, 2}));
    auto parameters = std::make_shared<ParameterList>();
    HandleHostEvent(target, m_context, QStringLiteral("detailerpt"), {650003, QVariant::fromValue(parameters)});
    EXPECT_EQ(m_hostTypes.last(), QStringLiteral("OrvelEdit.oReport"));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());

    HandleHostEvent(target, m_context, QStringLiteral("detailes"), {999, 1});
    m_system.AppInfo().UserID = QStringLiteral("nobody");
    HandleHostEvent(target, m_context, QStringLiteral("detaile"), {650001, 1});
    ASSERT_EQ(m_dialogs.Requests().size(), 2);
    EXPECT_EQ(m_dialogs.Requests().at(0), (DialogRequest{DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单不存在！")}));
    EXPECT_EQ(m_dialogs.Requests().at(1), (DialogRequest{DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单没有操作权限！")}));
    EXPECT_EQ(m_hostTypes.size(), 4);
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
}

}  // namespace
