#include "workbench/frmMain.h"

#include "Twips.h"
#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "login/frmAbout.h"
#include "login/frmPass.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"
#include "workbench/BottomBar.h"
#include "workbench/DragSplitter.h"
#include "workbench/LinkLabel.h"
#include "workbench/LockOverlay.h"
#include "workbench/MenuIconCache.h"
#include "workbench/MenuModel.h"
#include "workbench/NavPanel.h"
#include "workbench/PositionBar.h"
#include "workbench/TitleBar.h"
#include "workbench/WorkArea.h"
#include "workbench/WorkbenchArt.h"
#include "workbench/WorkbenchStyle.h"
#include "workbench/frmEdit.h"
#include "workbench/kvVSTab.h"
#include "xml/XmlDoc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kNavPanelWidth = 3600;  // twips
const QString kSection = QStringLiteral("main");
// The maker's own addresses, used when the configuration names none.
const QString kDefaultSubject = QStringLiteral("Tarvel软件");
const QString kDefaultWebText = QStringLiteral("www.example.com");
const QString kDefaultWebTarget = QStringLiteral("https://www.example.com/");
const QString kDefaultSupportText = QStringLiteral("技术支持：请与系统管理员联系");
const QString kDefaultMailTarget = QStringLiteral("mailto:support@example.com");

QString systemValue(const clsConfig& config, const QString& name)
{
    return config.XML().Value(QStringLiteral("//configuration/system/") + name).toString().trimmed();
}

}  // namespace

frmMain::frmMain(HostContext context, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_title(new TitleBar(this)), m_positionBar(new PositionBar(this)),
      m_body(new QWidget(this)), m_nav(new NavPanel(m_body)),
      m_splitter(new DragSplitter(QStringLiteral("imgSplitter"), QStringLiteral("picSplitter"), m_body)),
      m_area(new WorkArea(m_context, m_body)), m_bottom(new BottomBar(this)), m_lock(new LockOverlay(this)),
      m_splitterLeft(kNavPanelWidth)
{
    setObjectName(QStringLiteral("frmMain"));
    m_context.owner = this;
    m_openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    m_runDialog = [](QDialog& dialog) { return dialog.exec(); };
    ApplyWorkbenchStyle(this);
    m_menus = std::make_unique<MenuModel>(*m_context.system->Database());
    m_icons = std::make_unique<MenuIconCache>(*m_context.system->Database(), m_context.system->AppInfo().TemporaryPath);

    m_title->SetLogo(WorkbenchArt::Logo(96));
    m_body->setObjectName(QStringLiteral("WorkbenchBody"));
    m_body->installEventFilter(this);
    m_splitter->SetDragRange([this] { return std::pair{800, Twips::FromPixels(m_body->width()) - 800}; });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_positionBar);
    layout->addWidget(m_body, 1);
    layout->addWidget(m_bottom);

    Launcher::View view;
    view.position = m_positionBar->Position();
    view.period = m_positionBar->Period();
    view.activeGroupCaption = [this] { return m_nav->ActiveCaption(); };
    // The map page and the report list of an entry come with their own parts; until then the
    // page shows empty.
    view.loadNavigationMap = [this](const QString&) { ClearNavigationItems(false); };
    m_launcher = std::make_unique<Launcher>(m_context, *m_menus, *m_area, std::move(view));
    connectControls();
}

frmMain::~frmMain() = default;

void frmMain::connectControls()
{
    connect(m_nav, &NavPanel::groupActivated, this, &frmMain::ShowGroupButtons);
    connect(m_nav, &NavPanel::buttonClicked, this, &frmMain::NavigationButtonChosen);
    connect(m_area, &WorkArea::hostEvent, this, &frmMain::onHostEvent);
    connect(m_splitter, &DragSplitter::released, this, &frmMain::LayoutWorkArea);
    connect(m_title->Button(0), &QToolButton::clicked, this, &QWidget::close);
    connect(m_title->Button(1), &QToolButton::clicked, this, &frmMain::LockScreen);
    connect(m_title->Button(2), &QToolButton::clicked, this, [this] { bCommon::ShowHelp(m_context.config->HelpFileName()); });
    connect(m_lock, &LockOverlay::unlockRequested, this, &frmMain::UnlockScreen);
    connect(m_lock, &LockOverlay::exitRequested, this, &QWidget::close);
    connect(m_positionBar->Toggle(), &QToolButton::clicked, this, [this] { SetNavigationVisible(!m_panelShown); });
    connect(m_positionBar->AlertButton(), &QToolButton::clicked, this, [this] { ShowAlertWindow(); });
    connect(m_positionBar->PasswordLink(), &LinkLabel::clicked, this, &frmMain::ShowPasswordDialog);
    connect(m_positionBar->AboutLink(), &LinkLabel::clicked, this, &frmMain::ShowAboutDialog);
    for (int i : {0, 2}) {
        LinkLabel* link = m_bottom->Link(i);
        connect(link, &LinkLabel::clicked, this, [this, link] {
            if (link->Target().isValid())
                m_openUrl(link->Target());
        });
    }
}

void frmMain::Load()
{
    clsConfig* config = m_context.config;
    AppSystem* system = m_context.system;
    try {
        setWindowTitle(config->Caption());
        const QString user = m_login ? m_login->UserName() : system->AppInfo().UserName;
        m_positionBar->Operator()->setText(QStringLiteral("登录用户名：") + user);
        QLabel* period = m_positionBar->Period();
        period->setText(QStringLiteral("当前会计期间：") + system->SystemSetting(12, 1).Value);
        period->setVisible(bCommon::IsTrue(config->XML().Value(QStringLiteral("//configuration/system/settings/displayperiod"))));
        LoadNavigationGroups();
        WriteLog(QStringLiteral("frmain 应用主题..."), 1);
        system->Theme().Apply(this);
        WriteLog(QStringLiteral("frmain 加载图标..."), 1);
        loadPictures();
        loadLinks();
        restorePanelWidth();
    } catch (const std::exception& e) {
        DialogService::Current().Show(DialogIcon::Warning, QStringLiteral("错误:"),
                                      QStringLiteral("加载主窗体时发生错误,原因:") + QString::fromStdString(e.what()));
    }
}

void frmMain::loadPictures()
{
    AppSystem& system = *m_context.system;
    if (const QString logo = WorkbenchArt::FindPicture(system, QStringLiteral("\\logo.gif")); !logo.isEmpty())
        m_title->SetLogo(QPixmap(logo));
    if (const QString lock = WorkbenchArt::FindPicture(system, QStringLiteral("\\piclogin.gif")); !lock.isEmpty())
        m_lock->SetDialogPicture(QPixmap(lock));
    const QString title = WorkbenchArt::FindPicture(system, QStringLiteral("\\title.gif"));
    const QPixmap picture = title.isEmpty() ? QPixmap() : QPixmap(title);
    if (picture.isNull())
        m_title->SetTitleText(m_context.config->Caption());
    else
        m_title->SetTitlePicture(picture);
}

void frmMain::loadLinks()
{
    const clsConfig& config = *m_context.config;
    const QString subject = config.Subject().isEmpty() ? kDefaultSubject : config.Subject();
    const QString web = systemValue(config, QStringLiteral("webhome"));
    LinkLabel* webLink = m_bottom->Link(0);
    webLink->setText(subject + QStringLiteral("(") + (web.isEmpty() ? kDefaultWebText : web) + QStringLiteral(")"));
    webLink->SetTarget(QUrl::fromUserInput(web.isEmpty() ? kDefaultWebTarget : web));
    const QString support = systemValue(config, QStringLiteral("LxMessage"));
    m_bottom->Link(1)->setText(support.isEmpty() ? kDefaultSupportText : support);
    const QString mail = systemValue(config, QStringLiteral("mailto"));
    m_bottom->Link(2)->SetTarget(QUrl(mail.isEmpty() ? kDefaultMailTarget : QStringLiteral("mailto:") + mail));
}

void frmMain::restorePanelWidth()
{
    // Closing stores the width less 60 twips; adding them back keeps the width from shrinking
    // with every run.
    const QString stored = UserSettings::Get(settingsApplication(), kSection, QStringLiteral("navpanel_width"));
    if (!stored.trimmed().isEmpty())
        m_splitterLeft = static_cast<int>(bCommon::NumericValue(stored)) + 60;
    layoutBody();
}

QString frmMain::settingsApplication() const
{
    return m_context.config->Caption();
}

void frmMain::LoadNavigationGroups()
{
    const int topLength = MenuModel::TopLevelLength(m_context.system->Setting(12, QStringLiteral("menubm")).Value);
    WriteLog(QStringLiteral("frmain 正在读取菜单记录集..."), 1);
    const QList<NavGroupRow> groups = m_menus->Groups(topLength);
    WriteLog(QStringLiteral("frmain 加载模块大类..."), 1);
    m_nav->setUpdatesEnabled(false);
    for (const NavGroupRow& group : groups)
        m_nav->AddGroup(group.caption, group.key, LoadMenuIcon(group.menuCode, 1));
    m_nav->setUpdatesEnabled(true);
    WriteLog(QStringLiteral("frmain 恢复默认的导航项目..."), 1);
    if (m_nav->GroupCount() == 0)
        return;
    const QString active = UserSettings::Get(settingsApplication(), kSection, QStringLiteral("NavPaneActiveItem"));
    const int remembered = active.isEmpty() ? -1 : m_nav->FindGroup(active);
    m_nav->SetActiveGroup(remembered >= 0 ? remembered : 0);
    m_nav->SetVisibleItems(static_cast<int>(
        bCommon::NumericValue(UserSettings::Get(settingsApplication(), kSection, QStringLiteral("NavPaneVisibleItems"), QStringLiteral("3")))));
}

void frmMain::ShowGroupButtons(const QString& category)
{
    ClearNavigationItems(true);
    const QList<NavButtonRow> rows = m_menus->Buttons(category);
    const QString remembered = UserSettings::Get(settingsApplication(), kSection, QStringLiteral("_ButTag") + category);
    int chosen = 0;
    for (const NavButtonRow& row : rows) {
        const int index = m_nav->AddButton(QStringLiteral("  ") + row.menuName, row.menuCode, LoadMenuIcon(row.menuCode.trimmed(), 1));
        if (!remembered.isEmpty() && m_nav->ButtonCaption(index).trimmed() == remembered)
            chosen = index;
    }
    if (chosen == 0 && m_nav->ButtonCount() > 0)
        chosen = 1;
    if (chosen > 0) {
        m_nav->Button(chosen)->setChecked(true);
        NavigationButtonChosen(chosen);
    }
}

void frmMain::NavigationButtonChosen(int index)
{
    const QString tag = m_nav->ButtonTag(index);
    OpenMenuEntry(tag, Launcher::FromNavigation, m_nav->ButtonCaption(index).trimmed(), tag.trimmed());
    UserSettings::Save(settingsApplication(), kSection, QStringLiteral("_ButTag") + m_nav->ActiveCaption(), lastPositionName());
}

QString frmMain::lastPositionName() const
{
    const QString line = m_positionBar->Position()->text();
    const qsizetype arrow = line.lastIndexOf(QStringLiteral("->"));
    return (arrow >= 0 ? line.mid(arrow + 2) : line).trimmed();
}

void frmMain::ClearNavigationItems(bool buttons)
{
    try {
        if (buttons) {
            m_nav->ClearButtons();
            return;
        }
        for (QWidget* child : m_area->MapPage()->findChildren<QWidget*>()) {
            const QString name = child->objectName();
            if ((name == QLatin1String("kvPilot") || name == QLatin1String("kvArrow")) && child->property("index").toInt() > 0)
                child->deleteLater();
        }
    } catch (const std::exception& e) {
        DialogService::Current().Show(DialogIcon::Critical, QStringLiteral("错误："), QStringLiteral("发生错误。原因：") + QString::fromStdString(e.what()));
    }
}

QPixmap frmMain::LoadMenuIcon(const QString& code, int type)
{
    return m_icons->LoadMenuIcon(code, type);
}

bool frmMain::OpenMenuEntry(const QString& code, int mode, const QString& name, const QString& keyCode)
{
    return m_launcher->OpenMenuEntry(code, mode, name, keyCode);
}

void frmMain::OpenEntryFromList(Launcher::ListSource source, const QString& code)
{
    m_launcher->OpenEntryFromList(source, code);
}

bool frmMain::CreateTabHost(int program, int kind, const QString& name)
{
    return m_area->CreateTabHost(program, kind, name);
}

bool frmMain::ClearHosts()
{
    return m_area->ClearHosts();
}

void frmMain::SaveNavigationSettings()
{
    if (m_nav->ActiveGroup() < 0)
        return;
    const QString application = settingsApplication();
    UserSettings::Save(application, kSection, QStringLiteral("NavPaneActiveItem"), m_nav->ActiveKey());
    UserSettings::Save(application, kSection, QStringLiteral("NavPaneVisibleItems"), QString::number(m_nav->VisibleItems()));
    UserSettings::Save(application, kSection, QStringLiteral("_ButTag") + m_nav->ActiveCaption(), lastPositionName());
}

void frmMain::ShowStatusMessage(const QString& text)
{
    m_bottom->Message()->setText(text);
}

QString frmMain::StatusMessage() const
{
    return m_bottom->Message()->text();
}

QString frmMain::PositionText() const
{
    return m_positionBar->Position()->text();
}

QLabel* frmMain::PeriodLabel() const
{
    return m_positionBar->Period();
}

void frmMain::ShowHostMessage(const QString& text)
{
    if (m_context.showStatus)
        m_context.showStatus(text);
}

void frmMain::UnloadHost(bool unload)
{
    m_area->CloseSelectedTab(unload);
}

void frmMain::onHostEvent(const QString& name, const QVariantList& values)
{
    HandleHostEvent(*this, m_context, name, values);
}

void frmMain::LayoutWorkArea(int x)
{
    try {
        const QScreen* screen = this->screen();
        const int eighth = screen ? Twips::FromPixels(screen->geometry().width()) / 8 : 0;
        if (m_panelShown && x < eighth)
            x = eighth;
        if (x > kMaxPanelWidth)
            x = kMaxPanelWidth;
        const int height = m_body->height();
        if (m_panelShown) {
            m_splitterLeft = x;
            m_splitter->setGeometry(Twips::ToPixels(x), 0, Twips::ToPixels(kSplitterWidth), height);
            m_nav->setGeometry(Twips::ToPixels(kPanelLeft), 0, Twips::ToPixels(x), height);
        }
        const int left = x + kSplitterWidth;
        const int width = Twips::FromPixels(m_body->width()) - left - 2 * kPanelLeft + 30;
        const int margin = 1;  // 15 twips
        m_area->setGeometry(Twips::ToPixels(left), margin, width > 0 ? Twips::ToPixels(width) : m_area->width(),
                            std::max(height - 2 * margin, 0));
        m_area->raise();
    } catch (const std::exception&) {
        // Layout failures leave the window as it was.
    }
}

void frmMain::layoutBody()
{
    LayoutWorkArea(m_panelShown ? m_splitterLeft : kPanelLeft - kSplitterWidth);
}

void frmMain::SetNavigationVisible(bool shown)
{
    m_panelShown = shown;
    m_nav->setVisible(shown);
    m_splitter->setVisible(shown);
    m_positionBar->SetPanelShown(shown);
    layoutBody();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_body && event->type() == QEvent::Resize) {
        setUpdatesEnabled(false);
        layoutBody();
        setUpdatesEnabled(true);
    }
    return QWidget::eventFilter(watched, event);
}

QList<QWidget*> frmMain::hostWindows() const
{
    QList<QWidget*> windows;
    for (frmEdit* window : findChildren<frmEdit*>(QString(), Qt::FindDirectChildrenOnly))
        windows << window;
    return windows;
}

void frmMain::setFrameEnabled(bool enabled)
{
    for (QWidget* part : {static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_positionBar), m_body, static_cast<QWidget*>(m_bottom)})
        part->setEnabled(enabled);
}

void frmMain::LockScreen()
{
    const QPixmap capture = bCommon::CaptureWindow(this, true, 0, 0, width(), height());
    // Nothing behind the veil may take the keyboard, and the host windows go out of sight.
    setFrameEnabled(false);
    for (QWidget* window : hostWindows()) {
        if (window->isVisible()) {
            m_hiddenWindows << window;
            window->hide();
        }
    }
    // A password typed for an earlier unlock must not unlock again.
    m_lock->Password()->clear();
    m_lock->Lock(capture);
}

void frmMain::UnlockScreen()
{
    QLineEdit* password = m_lock->Password();
    if (!m_login || !m_login->CheckPassword(password->text())) {
        DialogService::Current().Show(DialogIcon::Warning, QStringLiteral("提示："), QStringLiteral("请录入正确的用户密码! "));
        password->setFocus();
        password->selectAll();
        return;
    }
    m_lock->Unlock();
    setFrameEnabled(true);
    for (const QPointer<QWidget>& window : std::as_const(m_hiddenWindows)) {
        if (window)
            window->show();
    }
    m_hiddenWindows.clear();
}

bool frmMain::Locked() const
{
    return m_lock->IsLocked();
}

bool frmMain::ShowAlertWindow()
{
    auto* window = new frmEdit(m_context, this);
    if (!window->InitHostWindow(0, QStringLiteral("预警"), 220, QVariant(), nullptr, 0))
        return false;
    bCommon::ShowMaximized(window);
    window->raise();
    return true;
}

void frmMain::ShowPasswordDialog()
{
    if (!m_login)
        return;
    frmPass dialog(*m_context.system, *m_login, this);
    m_runDialog(dialog);
}

void frmMain::ShowAboutDialog()
{
    frmAbout dialog(*m_context.config, *m_context.system, this);
    m_runDialog(dialog);
}

void frmMain::SetAlertButton(bool pressed)
{
    m_positionBar->AlertButton()->setChecked(pressed);
}

bool frmMain::confirmClose()
{
    if (!m_area->ConfirmUnsavedEdits())
        return false;
    // Every host window goes before the shutdown, also those the lock screen hid.
    for (QWidget* window : hostWindows()) {
        if (!window->close())
            return false;
    }
    return true;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    SaveNavigationSettings();
    UserSettings::Save(settingsApplication(), kSection, QStringLiteral("navpanel_width"),
                       QString::number(Twips::FromPixels(m_nav->width()) - 60));
    ClearHosts();
    // The hosts go while the database they use is still open.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_closed = true;
    event->accept();
    if (m_shutDown)
        m_shutDown();
}
