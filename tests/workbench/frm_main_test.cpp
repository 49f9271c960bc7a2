#include "WorkbenchFixture.h"

#include "workbench/NavPanel.h"
#include "workbench/WorkArea.h"
#include "workbench/kvVSTab.h"
#include "workbench/frmEdit.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

namespace {

class FrmMainTest : public WorkbenchFixture {
protected:
    QStringList buttonCaptions(const frmMain& main) const
    {
        QStringList captions;
        for (int i = 1; i <= main.Nav()->ButtonCount(); ++i)
            captions << main.Nav()->ButtonCaption(i);
        return captions;
    }
    QStringList tabKeys(const frmMain& main) const
    {
        QStringList keys;
        for (int i = 1; i <= main.Area()->Tabs()->Count(); ++i)
            keys << main.Area()->Tabs()->Key(i);
        return keys;
    }
    // Two subsystems of the category "业务" and one of "财务"; top-level codes of three characters.
    void loadMenuFixture(const QString& menubm)
    {
        run(QStringLiteral("delete from xt_menu"));
        run(QStringLiteral("delete from xt_mode"));
        run(QStringLiteral("delete from xt_menuPilot"));
        run(QStringLiteral("update xt_settings set svalue=") + m_test.db().Quote(menubm) + QStringLiteral(" where grp=12 and skey='menubm'"));
        run(QStringLiteral("insert into xt_mode (systemcode, systemcatalog) values ('A1', '业务'), ('A2', '业务'), ('B1', '财务')"));
        const char* rows[] = {
            "('100', '订单', '', 1, 1, 0, 1, 'A2', 0, 0)",
            "('10001', '订单录入', '100', 2, 1, 1, 1, 'A2', 910001, 100)",
            "('200', '合同', '', 1, 2, 1, 1, 'A1', 910002, 103)",
            "('300', '账簿', '', 1, 3, 0, 0, 'B1', 0, 0)",
            "('30001', '总账', '300', 2, 1, 1, 0, 'B1', 910003, 101)",
        };
        for (const char* row : rows)
            run(QStringLiteral("insert into xt_menu (menucode, menuname, parent, menulevel, menuorder, menuismx, menuIsMajor, "
                               "systemcode, progID, menucatalog) values ") + QString::fromUtf8(row));
        run(QStringLiteral("delete from xt_rights where progid in (910001, 910002)"));
        run(QStringLiteral("insert into xt_rights (userid, progid, rightno, allowed) values ('0001', 910001, 1, 1), ('0001', 910002, 1, 1)"));
    }
};

TEST_F(FrmMainTest, StandardMenusOpenTheNoteFormThroughItsButton)
{
    frmMain& main = workbench();
    ASSERT_EQ(main.Nav()->GroupCount(), 1);
    EXPECT_EQ(main.Nav()->ActiveCaption(), QStringLiteral("运输管理"));
    EXPECT_EQ(main.Nav()->ActiveKey(), QStringLiteral("YS"));
    EXPECT_EQ(buttonCaptions(main), (QStringList{QStringLiteral("  托运单"), QStringLiteral("  货物交接清单"), QStringLiteral("  应收款清单"),
                                                 QStringLiteral("  营业报表"), QStringLiteral("  数据导入"), QStringLiteral("  数据上传"),
                                                 QStringLiteral("  系统工具")}));
    for (int i = 1; i <= main.Nav()->ButtonCount(); ++i) {
        EXPECT_FALSE(main.Nav()->Button(i)->icon().isNull()) << i;
        const QToolButton* above = main.Nav()->Button(i - 1);
        EXPECT_EQ(main.Nav()->Button(i)->y(), above->y() + above->height() + 120 / 15) << i;
    }
    EXPECT_TRUE(QFileInfo::exists(m_system.AppInfo().TemporaryPath + QStringLiteral("/icon/menu01.png")));

    // The first button is chosen when the workbench loads: the consignment-note form in a tab.
    EXPECT_EQ(m_hostTypes, QStringList{QStringLiteral("OrvelEdit.oedit")});
    EXPECT_EQ(m_journal.program, StandardData::kNoteProgram);
    EXPECT_EQ(m_journal.arguments, QVariantList{QVariant::fromValue<qint16>(0)});
    EXPECT_EQ(m_host->objectName(), QStringLiteral("edit1"));
    EXPECT_EQ(m_host->parentWidget(), main.Area()->HostArea(1));
    EXPECT_EQ(tabKeys(main), (QStringList{QStringLiteral("key"), QStringLiteral("01-1")}));
    EXPECT_EQ(main.Area()->Tabs()->Caption(2), QStringLiteral("托运单"));
    EXPECT_FALSE(main.Area()->Tabs()->IsVisible(1));
    EXPECT_EQ(main.Area()->CurrentHost(), m_host.data());
    EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置：运输管理 -> 托运单"));
    EXPECT_EQ(setting(QStringLiteral("_ButTag运输管理")), QStringLiteral("托运单"));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());

    m_host->raise(QStringLiteral("message"), {QStringLiteral("保存单据成功！")});
    EXPECT_EQ(m_status, QStringList{QStringLiteral("保存单据成功！")});
}

TEST_F(FrmMainTest, GroupsAndButtonsOfAMenuFixture)
{
    const struct {
        const char* menubm;
        QStringList captions;
        QStringList keys;
    } cases[] = {
        // "100" is a group row only when top-level codes are three characters long.
        {"322", {QStringLiteral("业务"), QStringLiteral("财务")}, {QStringLiteral("A2"), QStringLiteral("B1")}},
        {"22222", {QStringLiteral("业务")}, {QStringLiteral("A1")}},
        {"", {QStringLiteral("业务")}, {QStringLiteral("A1")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menubm);
        loadMenuFixture(QString::fromLatin1(c.menubm));
        frmMain& main = workbench();
        QStringList captions, keys;
        for (int i = 0; i < main.Nav()->GroupCount(); ++i) {
            captions << main.Nav()->GroupCaption(i);
            keys << main.Nav()->GroupKey(i);
        }
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(keys, c.keys);
        // The buttons list the entries of both subsystems of the category.
        EXPECT_EQ(buttonCaptions(main), (QStringList{QStringLiteral("  订单"), QStringLiteral("  合同")}));
    }
}

TEST_F(FrmMainTest, EmptyMenuTablesGiveNoGroupAndWriteOnlyThePanelWidth)
{
    run(QStringLiteral("delete from xt_menu"));
    frmMain& main = workbench();
    EXPECT_EQ(main.Nav()->GroupCount(), 0);
    EXPECT_EQ(main.Nav()->ButtonCount(), 0);
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
    main.close();
    EXPECT_EQ(m_shutDowns, 1);
    EXPECT_TRUE(setting(QStringLiteral("NavPaneActiveItem")).isEmpty());
    EXPECT_TRUE(setting(QStringLiteral("NavPaneVisibleItems")).isEmpty());
    EXPECT_TRUE(setting(QStringLiteral("_ButTag")).isEmpty());
    EXPECT_FALSE(setting(QStringLiteral("navpanel_width")).isEmpty());
}

TEST_F(FrmMainTest, RememberedGroupAndButtonWithTheirFallbacks)
{
    loadMenuFixture(QStringLiteral("322"));
    remember(QStringLiteral("_ButTag业务"), QStringLiteral("合同"));
    remember(QStringLiteral("NavPaneVisibleItems"), QStringLiteral("1"));
    {
        frmMain& main = workbench();
        EXPECT_EQ(main.Nav()->ActiveKey(), QStringLiteral("A2"));
        EXPECT_EQ(main.Nav()->VisibleItems(), 1);
        EXPECT_EQ(m_hostTypes, QStringList{QStringLiteral("OrvelEdit.oquery")});
        EXPECT_EQ(m_journal.program, 910002);
        EXPECT_EQ(m_journal.arguments, QVariantList{QStringLiteral("合同")});
    }
    // A group without buttons chooses nothing; the active group is written on close.
    remember(QStringLiteral("NavPaneActiveItem"), QStringLiteral("B1"));
    {
        frmMain& main = workbench();
        EXPECT_EQ(main.Nav()->ActiveCaption(), QStringLiteral("财务"));
        EXPECT_EQ(main.Nav()->ButtonCount(), 0);
        EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置："));
        main.close();
        EXPECT_EQ(setting(QStringLiteral("NavPaneActiveItem")), QStringLiteral("B1"));
        EXPECT_EQ(setting(QStringLiteral("NavPaneVisibleItems")), QStringLiteral("1"));
    }
    // Gone: the first group and its first button.
    m_hostTypes.clear();
    remember(QStringLiteral("NavPaneActiveItem"), QStringLiteral("ZZ"));
    remember(QStringLiteral("_ButTag业务"), QStringLiteral("不再存在"));
    frmMain& main = workbench();
    EXPECT_EQ(main.Nav()->ActiveKey(), QStringLiteral("A2"));
    EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置：业务 -> 订单"));
    EXPECT_TRUE(m_hostTypes.isEmpty());  // "订单" has no program: the map page
    EXPECT_TRUE(main.Area()->MapPage()->isVisibleTo(&main));
    EXPECT_EQ(setting(QStringLiteral("_ButTag业务")), QStringLiteral("订单"));
}

TEST_F(FrmMainTest, ANavigationButtonOpensItsProgramOnce)
{
    frmMain& main = workbench();
    main.Nav()->Button(2)->click();
    EXPECT_EQ(m_hostTypes.last(), QStringLiteral("OrvelEdit.oReport"));
    EXPECT_EQ(m_journal.arguments, QVariantList{QStringLiteral("货物交接清单")});
    main.Nav()->Button(1)->click();
    EXPECT_EQ(m_hostTypes.size(), 2);
    EXPECT_EQ(tabKeys(main), (QStringList{QStringLiteral("key"), QStringLiteral("01-1"), QStringLiteral("02-2")}));
    EXPECT_EQ(main.Area()->Tabs()->Selected(), 2);
    EXPECT_FALSE(main.Area()->Tabs()->IsVisible(1));
    EXPECT_TRUE(main.Area()->HostArea(1)->isVisibleTo(&main));
    EXPECT_FALSE(main.Area()->HostArea(2)->isVisibleTo(&main));
    EXPECT_EQ(main.Area()->CurrentHostNumber(), 1);
    EXPECT_EQ(setting(QStringLiteral("_ButTag运输管理")), QStringLiteral("托运单"));
}

TEST_F(FrmMainTest, MapEntriesAndReportButtonsOpenANewTabEachTime)
{
    frmMain& main = workbench();
    main.OpenEntryFromList(Launcher::ListSource::ReportButton, QStringLiteral("03"));
    main.OpenEntryFromList(Launcher::ListSource::ReportButton, QStringLiteral("03"));
    main.OpenEntryFromList(Launcher::ListSource::MapEntry, QStringLiteral("01"));
    EXPECT_EQ(tabKeys(main), (QStringList{QStringLiteral("key"), QStringLiteral("01-1"), QStringLiteral("03-2"), QStringLiteral("03-3"),
                                          QStringLiteral("01-4")}));
    EXPECT_EQ(m_hostTypes.size(), 4);
    EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置：运输管理 -> 托运单"));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());

    // Entries of kind 50 and 230 open no tab; the add-ins are written to the log.
    main.OpenEntryFromList(Launcher::ListSource::MapEntry, QStringLiteral("0701"));
    main.OpenEntryFromList(Launcher::ListSource::MapEntry, QStringLiteral("05"));
    EXPECT_EQ(main.Area()->Tabs()->Count(), 5);
    EXPECT_TRUE(log().contains(QStringLiteral("外接程序“外接程序管理器”暂不可用。")));
    EXPECT_TRUE(log().contains(QStringLiteral("外接程序“数据导入”暂不可用。")));

    main.OpenEntryFromList(Launcher::ListSource::MapEntry, QStringLiteral("99"));
    m_system.AppInfo().UserID = QStringLiteral("nobody");
    main.OpenEntryFromList(Launcher::ListSource::ReportButton, QStringLiteral("03"));
    EXPECT_EQ(m_dialogs.Requests(), (QList<DialogRequest>{{DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单不存在！")},
                                                           {DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单没有操作权限！")}}));
    EXPECT_EQ(main.Area()->Tabs()->Count(), 5);
}

TEST_F(FrmMainTest, TheSwitchSOpensAHostWindowInsteadOfATab)
{
    run(QStringLiteral("update xt_objects set progCommandLine='/s /w:9000' where ProgID=650002"));
    frmMain& main = workbench();
    main.OpenEntryFromList(Launcher::ListSource::ReportButton, QStringLiteral("02"));
    EXPECT_EQ(main.Area()->Tabs()->Count(), 2);
    ASSERT_EQ(m_hostTypes.size(), 2);
    auto* window = qobject_cast<frmEdit*>(m_host->window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("货物交接清单"));
    EXPECT_EQ(window->parentWidget(), &main);
    window->close();
}

TEST_F(FrmMainTest, ClosingTheOnlyModuleTabBringsTheNavigationTabBack)
{
    frmMain& main = workbench();
    QPointer<FakeHost> first = m_host;
    first->raise(QStringLiteral("unload"), {false});
    EXPECT_FALSE(main.Area()->Unloading());
    EXPECT_EQ(main.Area()->Tabs()->Count(), 2);

    first->raise(QStringLiteral("unload"), {true});
    EXPECT_EQ(m_journal.calls, (QStringList{QStringLiteral("Py_Init"), QStringLiteral("Clear")}));
    EXPECT_EQ(tabKeys(main), QStringList{QStringLiteral("key")});
    EXPECT_TRUE(main.Area()->Tabs()->IsVisible(1));
    EXPECT_TRUE(main.Area()->MapPage()->isVisibleTo(&main));
    EXPECT_TRUE(main.Area()->Unloading());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    // The button opens the form again, in a new tab with a new number.
    main.Nav()->Button(1)->click();
    EXPECT_EQ(tabKeys(main), (QStringList{QStringLiteral("key"), QStringLiteral("01-2")}));
}

TEST_F(FrmMainTest, KindsWithoutAHostGiveAnEmptyTab)
{
    for (int kind : {104, 106, 50}) {
        SCOPED_TRACE(kind);
        run(QStringLiteral("update xt_menu set menucatalog=%1 where menucode='02'").arg(kind));
        frmMain& main = workbench();
        const int hosts = m_hostTypes.size();
        EXPECT_TRUE(main.OpenMenuEntry(QStringLiteral("02"), Launcher::FromNavigation, QStringLiteral("货物交接清单"), QStringLiteral("02")));
        EXPECT_EQ(m_hostTypes.size(), hosts);
        EXPECT_EQ(main.Area()->Tabs()->Key(3), QStringLiteral("02-2"));
        EXPECT_EQ(main.Area()->Host(2), nullptr);
        EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置：运输管理 -> 货物交接清单"));
        // The operator can still close the empty tab.
        EXPECT_TRUE(main.Area()->CloseTab(3));
        EXPECT_EQ(main.Area()->Tabs()->Count(), 2);
    }
}

TEST_F(FrmMainTest, EntriesWithoutAProgramAndAlerts)
{
    frmMain& main = workbench();
    // Program 0 of kind 220: the alert host, without a fourth argument.
    EXPECT_TRUE(main.OpenMenuEntry(QStringLiteral("0702"), Launcher::FromNavigation, QStringLiteral("预警"), QStringLiteral("0702")));
    EXPECT_EQ(m_hostTypes.last(), QStringLiteral("OrvelEdit.oalert"));
    EXPECT_TRUE(m_journal.arguments.isEmpty());
    // Program 0 of another kind: the navigation tab with the map page.
    main.Nav()->Button(7)->click();
    EXPECT_EQ(main.Area()->Tabs()->Selected(), 1);
    EXPECT_TRUE(main.Area()->Tabs()->IsVisible(1));
    EXPECT_TRUE(main.Area()->MapPage()->isVisibleTo(&main));
    EXPECT_FALSE(main.Area()->HostArea(main.Area()->CurrentHostNumber())->isVisibleTo(&main));
    EXPECT_EQ(main.PositionText(), QStringLiteral("当前位置：运输管理 -> 系统工具"));
    // An add-in button opens no tab.
    const int tabs = main.Area()->Tabs()->Count();
    main.Nav()->Button(6)->click();
    EXPECT_EQ(main.Area()->Tabs()->Count(), tabs);
    EXPECT_TRUE(log().contains(QStringLiteral("外接程序“数据上传”暂不可用。")));
}

TEST_F(FrmMainTest, UnknownCodesAndMissingRights)
{
    frmMain& main = workbench();
    EXPECT_FALSE(main.OpenMenuEntry(QStringLiteral("9'9"), Launcher::FromNavigation, QStringLiteral("x"), QStringLiteral("9'9")));
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0), (DialogRequest{DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前指定的功能（9'9）并不存在！")}));

    // The navigation panel checks the operator's right like every other route.
    m_system.AppInfo().UserID = QStringLiteral("nobody");
    main.Nav()->Button(3)->click();
    ASSERT_EQ(m_dialogs.Requests().size(), 2);
    EXPECT_EQ(m_dialogs.Requests().at(1).text, QStringLiteral("当前菜单没有操作权限！"));
    EXPECT_EQ(main.Area()->Tabs()->Count(), 2);
    EXPECT_EQ(m_hostTypes.size(), 1);
}

TEST_F(FrmMainTest, ThePeriodLabelFollowsTheProgram)
{
    frmMain& main = workbench();
    EXPECT_TRUE(main.PeriodLabel()->isHidden());
    main.PeriodLabel()->show();
    main.Nav()->Button(2)->click();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(main.PeriodLabel()->text(), QStringLiteral("当前会计期间：%1").arg(today.year() * 100 + today.month()));
}

}  // namespace
