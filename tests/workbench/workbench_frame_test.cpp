#include "WorkbenchFixture.h"

#include "Twips.h"
#include "workbench/BottomBar.h"
#include "workbench/DragSplitter.h"
#include "workbench/LinkLabel.h"
#include "workbench/LockOverlay.h"
#include "workbench/NavPanel.h"
#include "workbench/PositionBar.h"
#include "workbench/TitleBar.h"
#include "workbench/WorkArea.h"
#include "workbench/kvVSTab.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QDialog>
#include <QToolButton>

namespace {

class WorkbenchFrameTest : public WorkbenchFixture {
protected:
    static int screenEighth() { return Twips::FromPixels(QGuiApplication::primaryScreen()->geometry().width()) / 8; }

    // A picture file of the given size and colour under a ".gif" name (the format is read from
    // the content).
    static void writePicture(const QString& path, QSize size, QColor color)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "PNG"));
    }

    static void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // Presses on the widget, moves the pointer by dx, dy and releases there.
    static void drag(QWidget* target, QPoint from, QPoint by)
    {
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(target, QEvent::MouseMove, from + by, Qt::LeftButton);
        mouse(target, QEvent::MouseButtonRelease, from + by, Qt::NoButton);
    }
};

TEST_F(WorkbenchFrameTest, LinksFollowTheConfigurationOrTheirDefaults)
{
    const struct {
        QString system;
        QString webText, webTarget, support, mailTarget;
    } cases[] = {
        {QString(), QStringLiteral("Tarvel软件(www.example.com)"), QStringLiteral("https://www.example.com/"),
         QStringLiteral("技术支持：请与系统管理员联系"), QStringLiteral("mailto:support@example.com")},
        {QStringLiteral("<subject>示范物流</subject><webhome>www.shifan.cn</webhome><LxMessage>客服 400-800-1234</LxMessage>"
                        "<mailto>kefu@shifan.cn</mailto>"),
         QStringLiteral("示范物流(www.shifan.cn)"), QStringLiteral("http://www.shifan.cn"), QStringLiteral("客服 400-800-1234"),
         QStringLiteral("mailto:kefu@shifan.cn")},
    };
    for (const auto& c : cases) {
        useConfig(c.system);
        frmMain& main = workbench();
        const BottomBar* bottom = main.Bottom();
        EXPECT_EQ(bottom->Link(0)->text(), c.webText);
        EXPECT_EQ(bottom->Link(0)->Target().toString(), c.webTarget);
        EXPECT_EQ(bottom->Link(1)->text(), c.support);
        EXPECT_EQ(bottom->Link(2)->text(), QStringLiteral("意见与建议"));
        EXPECT_EQ(bottom->Link(2)->Target().toString(), c.mailTarget);
    }

    frmMain& main = workbench();
    QList<QUrl> opened;
    main.SetUrlOpener([&opened](const QUrl& url) { opened << url; });
    emit main.Bottom()->Link(0)->clicked();
    emit main.Bottom()->Link(1)->clicked();  // the support line is no link
    emit main.Bottom()->Link(2)->clicked();
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("http://www.shifan.cn")), QUrl(QStringLiteral("mailto:kefu@shifan.cn"))}));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("工作台测试"));
    EXPECT_EQ(main.Position()->Operator()->text(), QStringLiteral("登录用户名：admin"));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_F(WorkbenchFrameTest, ThePasswordAndAboutLinksOpenTheirDialogs)
{
    frmMain& main = workbench();
    QStringList shown;
    main.SetDialogRunner([&shown](QDialog& dialog) {
        shown << QString::fromLatin1(dialog.metaObject()->className());
        return int(QDialog::Rejected);
    });
    emit main.Position()->PasswordLink()->clicked();
    emit main.Position()->AboutLink()->clicked();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("frmPass"), QStringLiteral("frmAbout")}));
}

TEST_F(WorkbenchFrameTest, ThePeriodLabelIsShownOnlyWhenDisplayperiodIsTrue)
{
    const struct {
        QString element;
        bool shown;
    } cases[] = {
        {QString(), false},
        {QStringLiteral("<displayperiod></displayperiod>"), false},
        {QStringLiteral("<displayperiod>0</displayperiod>"), false},
        {QStringLiteral("<displayperiod> FALSE </displayperiod>"), false},
        {QStringLiteral("<displayperiod>1</displayperiod>"), true},
        {QStringLiteral("<displayperiod>yes</displayperiod>"), true},
    };
    for (const auto& c : cases) {
        useConfig(QStringLiteral("<settings>%1</settings>").arg(c.element));
        frmMain& main = workbench();
        EXPECT_EQ(!main.PeriodLabel()->isHidden(), c.shown) << c.element.toStdString();
        EXPECT_TRUE(main.PeriodLabel()->text().startsWith(QStringLiteral("当前会计期间："))) << main.PeriodLabel()->text().toStdString();
    }
}

TEST_F(WorkbenchFrameTest, PicturesComeFromTheThemeThenTheProgramFolder)
{
    // Without picture files: the drawn logo and the caption in the three title labels.
    {
        frmMain& main = workbench();
        EXPECT_FALSE(main.Title()->Logo()->pixmap().isNull());
        EXPECT_TRUE(main.Title()->TitlePicture()->isHidden());
        EXPECT_FALSE(main.Title()->TitleLabels()->isHidden());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(main.Title()->TitleLabel(i)->text(), QStringLiteral("工作台测试"));
    }

    const QString theme = m_test.folder() + QStringLiteral("/theme");
    const QString program = m_test.folder() + QStringLiteral("/program");
    QDir().mkpath(theme);
    QFile style(theme + QStringLiteral("/style.qss"));
    ASSERT_TRUE(style.open(QIODevice::WriteOnly));
    style.write("#Panel0 { background: #fafafa; }");
    style.close();
    ASSERT_TRUE(m_system.Theme().Load(QStringLiteral("t"), theme));
    m_system.AppInfo().AppPath = program;
    writePicture(theme + QStringLiteral("/logo.gif"), QSize(20, 20), Qt::red);
    writePicture(program + QStringLiteral("/logo.gif"), QSize(30, 30), Qt::blue);
    writePicture(program + QStringLiteral("/title.gif"), QSize(240, 40), Qt::green);
    writePicture(program + QStringLiteral("/piclogin.gif"), QSize(50, 50), Qt::yellow);

    frmMain& main = workbench();
    EXPECT_EQ(main.Title()->Logo()->pixmap().size(), QSize(20, 20));
    EXPECT_EQ(main.Title()->TitlePicture()->pixmap().size(), QSize(240, 40));
    EXPECT_FALSE(main.Title()->TitlePicture()->isHidden());
    EXPECT_TRUE(main.Title()->TitleLabels()->isHidden());
    EXPECT_TRUE(main.styleSheet().endsWith(QStringLiteral("#Panel0 { background: #fafafa; }")));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_F(WorkbenchFrameTest, TheSplitterKeepsThePanelWithinItsLimits)
{
    frmMain& main = workbench();
    main.show();
    NavPanel* nav = main.Nav();
    const int eighth = screenEighth();

    const struct {
        int x, panelWidth;
    } cases[] = {{0, eighth}, {eighth - 15, eighth}, {4500, 4500}, {7680, 7680}, {20000, 7680}};
    for (const auto& c : cases) {
        main.LayoutWorkArea(c.x);
        EXPECT_EQ(nav->width(), Twips::ToPixels(c.panelWidth)) << c.x;
        EXPECT_EQ(nav->x(), Twips::ToPixels(frmMain::kPanelLeft));
        EXPECT_EQ(main.Splitter()->x(), Twips::ToPixels(c.panelWidth));
        EXPECT_EQ(main.Area()->x(), Twips::ToPixels(c.panelWidth + frmMain::kSplitterWidth)) << c.x;
    }

    // Dragged: the bar stays 800 twips inside the window, the drop is held at an eighth.
    DragSplitter* splitter = main.Splitter();
    mouse(splitter, QEvent::MouseButtonPress, QPoint(2, 10), Qt::LeftButton);
    EXPECT_TRUE(splitter->Bar()->isVisible());
    EXPECT_EQ(splitter->Bar()->width(), splitter->width() / 2);
    mouse(splitter, QEvent::MouseMove, QPoint(-2000, 10), Qt::LeftButton);
    EXPECT_EQ(splitter->Bar()->x(), Twips::ToPixels(800));
    mouse(splitter, QEvent::MouseButtonRelease, QPoint(-2000, 10), Qt::NoButton);
    EXPECT_FALSE(splitter->Bar()->isVisible());
    EXPECT_EQ(nav->width(), Twips::ToPixels(eighth));
    drag(splitter, QPoint(2, 10), QPoint(150, 0));
    EXPECT_EQ(nav->width(), Twips::ToPixels(eighth) + 150);

    // Hidden, the panel gives the work area its place; shown again, it comes back as it was.
    const int width = nav->width();
    emit main.Position()->Toggle()->clicked();
    EXPECT_FALSE(main.NavigationVisible());
    EXPECT_TRUE(nav->isHidden());
    EXPECT_EQ(main.Area()->x(), Twips::ToPixels(frmMain::kPanelLeft));
    EXPECT_GT(main.Area()->width(), main.width() - 10);
    emit main.Position()->Toggle()->clicked();
    EXPECT_FALSE(nav->isHidden());
    EXPECT_EQ(nav->width(), width);
    EXPECT_EQ(main.Area()->x(), splitter->x() + Twips::ToPixels(frmMain::kSplitterWidth));
}

TEST_F(WorkbenchFrameTest, TheReportSplitterLandsWithinItsLimits)
{
    frmMain& main = workbench();
    main.show();
    WorkArea* area = main.Area();
    area->ShowReportArea(true);
    QWidget* page = area->MapPage();
    const int pageWidth = Twips::FromPixels(page->width());
    const int lastOnPage = pageWidth - WorkArea::kSplitterWidth;
    const struct {
        int dropped, lands;
    } cases[] = {{500, 2000}, {1999, 2000}, {6000, 6000}, {pageWidth - 3000, pageWidth - 3000}, {Twips::FromPixels(main.width()), lastOnPage}};
    for (const auto& c : cases) {
        area->DropReportSplitter(c.dropped);
        EXPECT_EQ(area->ReportSplitter()->x(), Twips::ToPixels(c.lands)) << c.dropped;
        EXPECT_EQ(area->ReportArea()->x(), area->ReportSplitter()->x() + area->ReportSplitter()->width());
        EXPECT_EQ(area->ReportArea()->geometry().right(), page->rect().right());
    }
    DragSplitter* splitter = area->ReportSplitter();
    mouse(splitter, QEvent::MouseButtonPress, QPoint(1, 5), Qt::LeftButton);
    mouse(splitter, QEvent::MouseMove, QPoint(-5000, 5), Qt::LeftButton);
    EXPECT_EQ(splitter->Bar()->x(), Twips::ToPixels(1000));
    mouse(splitter, QEvent::MouseButtonRelease, QPoint(-5000, 5), Qt::NoButton);
    EXPECT_EQ(splitter->x(), Twips::ToPixels(2000));
}

TEST_F(WorkbenchFrameTest, TheLockScreenOpensOnlyWithTheOperatorsPassword)
{
    frmMain& main = workbench();
    main.show();
    emit main.Title()->Button(1)->clicked();
    LockOverlay* lock = main.Lock();
    ASSERT_TRUE(main.Locked());
    EXPECT_FALSE(main.Area()->isEnabled());
    EXPECT_FALSE(main.Title()->isEnabled());
    EXPECT_EQ(lock->geometry(), QRect(-2, -2, main.width() + 2, main.height() + 2));
    EXPECT_EQ(lock->Dialog()->geometry().center(), lock->rect().center());

    // The veil is the captured window at 25 of 255 over the veil's colour.
    const QImage capture = lock->Capture()->pixmap().toImage();
    const QImage veil = lock->Veil().toImage();
    ASSERT_EQ(capture.size(), main.size());
    const QPoint at(main.width() / 2, main.height() - 5);
    const QColor under = LockOverlay::VeilColor();
    const QColor seen = capture.pixelColor(at);
    const QColor blended = veil.pixelColor(at + QPoint(2, 2));
    EXPECT_NEAR(blended.red(), (seen.red() * 25 + under.red() * 230) / 255.0, 2.5);
    EXPECT_NEAR(blended.blue(), (seen.blue() * 25 + under.blue() * 230) / 255.0, 2.5);

    // The dialog follows the pointer while the left button is held.
    const QPoint before = lock->Dialog()->pos();
    drag(lock->Dialog(), QPoint(10, 10), QPoint(40, -25));
    EXPECT_EQ(lock->Dialog()->pos(), before + QPoint(40, -25));

    lock->Password()->setText(QStringLiteral("wrong"));
    emit lock->ReturnButton()->clicked();
    EXPECT_TRUE(main.Locked());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0).title, QStringLiteral("提示："));
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("请录入正确的用户密码! "));

    lock->Password()->setText(QStringLiteral("pw"));
    emit lock->Password()->returnPressed();
    EXPECT_FALSE(main.Locked());
    EXPECT_TRUE(main.Area()->isEnabled());
    EXPECT_TRUE(lock->Capture()->pixmap().isNull());
    EXPECT_EQ(m_dialogs.Requests().size(), 1);

    // Locked again, the password of the last unlock is gone.
    main.LockScreen();
    EXPECT_TRUE(lock->Password()->text().isEmpty());
    emit lock->ReturnButton()->clicked();
    EXPECT_TRUE(main.Locked());
}

TEST_F(WorkbenchFrameTest, ClosingSavesTheSettingsClearsTheHostsAndShutsDown)
{
    frmMain& main = workbench();
    main.show();
    main.LayoutWorkArea(4500);
    ASSERT_TRUE(m_host);
    emit main.Title()->Button(0)->clicked();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(m_shutDowns, 1);
    EXPECT_FALSE(m_host);  // deleted before the shutdown
    EXPECT_EQ(setting(QStringLiteral("NavPaneActiveItem")), QStringLiteral("YS"));
    EXPECT_EQ(setting(QStringLiteral("NavPaneVisibleItems")), QStringLiteral("3"));
    EXPECT_EQ(setting(QStringLiteral("_ButTag运输管理")), QStringLiteral("托运单"));
    EXPECT_EQ(setting(QStringLiteral("navpanel_width")), QString::number(4500 - 60));
    main.close();
    EXPECT_EQ(m_shutDowns, 1);

    // The next workbench opens with the same panel width.
    EXPECT_EQ(workbench().Nav()->width(), Twips::ToPixels(4500));
}

TEST_F(WorkbenchFrameTest, UnsavedEditsAreAskedAboutBeforeClosing)
{
    m_dirty = true;
    frmMain& main = workbench();
    main.show();
    ASSERT_TRUE(m_host);
    m_dialogs.Answer(DialogAnswer::Cancel);
    emit main.Lock()->ExitButton()->clicked();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(m_shutDowns, 0);
    EXPECT_TRUE(m_host);
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("当前单据已修改，是否保存？"));

    m_dialogs.Answer(DialogAnswer::Yes);
    main.close();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(m_shutDowns, 1);
    EXPECT_TRUE(m_journal.calls.contains(QStringLiteral("Save")));
}

TEST_F(WorkbenchFrameTest, TheOperatorClosesModuleTabsWithAMiddleClick)
{
    m_dirty = true;
    frmMain& main = workbench();
    main.show();
    kvVSTab* tabs = main.Area()->Tabs();
    ASSERT_EQ(tabs->Count(), 2);
    const QPoint onTab = tabs->tabRect(1).center();
    const auto middleClick = [&](QPoint at) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, tabs->mapToGlobal(at), Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tabs, &release);
    };
    m_dialogs.Answer(DialogAnswer::Cancel);
    middleClick(onTab);
    EXPECT_EQ(tabs->Count(), 2);
    EXPECT_TRUE(m_host);
    m_dialogs.Answer(DialogAnswer::No);
    middleClick(onTab);
    EXPECT_EQ(tabs->Count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(m_host);
    EXPECT_FALSE(main.Area()->MapPage()->isHidden());
    middleClick(tabs->tabRect(0).center());  // the navigation tab stays
    EXPECT_EQ(tabs->Count(), 1);
    EXPECT_EQ(m_dialogs.Requests().size(), 2);
}

TEST_F(WorkbenchFrameTest, ExitFromTheLockScreenAsksAboutHiddenHostWindows)
{
    frmMain& main = workbench();
    main.show();
    m_dirty = true;
    ASSERT_TRUE(main.ShowAlertWindow());
    QPointer<FakeHost> windowHost = m_host;
    QWidget* window = windowHost->window();
    ASSERT_TRUE(window->isVisible());

    main.LockScreen();
    EXPECT_FALSE(window->isVisible());
    m_dialogs.Answer(DialogAnswer::No);
    emit main.Lock()->ExitButton()->clicked();
    EXPECT_FALSE(main.isVisible());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("当前单据已修改，是否保存？"));
    EXPECT_FALSE(windowHost);  // released before the shutdown
    EXPECT_EQ(m_shutDowns, 1);
    EXPECT_FALSE(m_journal.calls.contains(QStringLiteral("Save")));
}

}  // namespace
