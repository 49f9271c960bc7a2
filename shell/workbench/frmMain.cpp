#include "workbench/frmMain.h"

#include "Twips.h"
#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "workbench/MenuIconCache.h"
#include "workbench/MenuModel.h"
#include "workbench/NavPanel.h"
#include "workbench/WorkArea.h"
#include "workbench/WorkbenchStyle.h"
#include "workbench/kvVSTab.h"
#include "xml/XmlDoc.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kNavPanelWidth = 3600;  // twips
const QString kSection = QStringLiteral("main");

}  // namespace

frmMain::frmMain(HostContext context, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_nav(new NavPanel(this)), m_area(new WorkArea(m_context, this))
{
    setObjectName(QStringLiteral("frmMain"));
    m_context.owner = this;
    ApplyWorkbenchStyle(this);
    m_menus = std::make_unique<MenuModel>(*m_context.system->Database());
    m_icons = std::make_unique<MenuIconCache>(*m_context.system->Database(), m_context.system->AppInfo().TemporaryPath);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    m_nav->setFixedWidth(Twips::ToPixels(kNavPanelWidth));
    body->addWidget(m_nav);
    body->addWidget(m_area, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildPositionBar());
    layout->addLayout(body, 1);
    layout->addWidget(buildStatusBar());

    Launcher::View view;
    view.position = m_position;
    view.period = m_period;
    view.activeGroupCaption = [this] { return m_nav->ActiveCaption(); };
    // The map page and the report list of an entry come with their own parts; until then the
    // page shows empty.
    view.loadNavigationMap = [this](const QString&) { ClearNavigationItems(false); };
    m_launcher = std::make_unique<Launcher>(m_context, *m_menus, *m_area, std::move(view));

    connect(m_nav, &NavPanel::groupActivated, this, &frmMain::ShowGroupButtons);
    connect(m_nav, &NavPanel::buttonClicked, this, &frmMain::NavigationButtonChosen);
    connect(m_area, &WorkArea::hostEvent, this, &frmMain::onHostEvent);
}

frmMain::~frmMain() = default;

QWidget* frmMain::buildPositionBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PositionBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    m_position = new QLabel(QStringLiteral("当前位置："), bar);
    m_position->setObjectName(QStringLiteral("lbl1"));
    m_period = new QLabel(bar);
    m_period->setObjectName(QStringLiteral("lbl2"));
    m_user = new QLabel(bar);
    m_user->setObjectName(QStringLiteral("lbl0"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 6, 16, 6);
    layout->setSpacing(Twips::ToPixels(200));
    layout->addWidget(m_position, 1);
    layout->addWidget(m_period);
    layout->addWidget(m_user);
    return bar;
}

QWidget* frmMain::buildStatusBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("BottomBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("lnkMessage"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(Twips::ToPixels(30) + 6, 3, 12, 3);
    layout->addWidget(m_status, 1);
    return bar;
}

void frmMain::Load()
{
    clsConfig* config = m_context.config;
    AppSystem* system = m_context.system;
    setWindowTitle(config->Caption());
    m_user->setText(QStringLiteral("登录用户名：") + system->AppInfo().UserName);
    const bool period = bCommon::IsTrue(config->XML().Value(QStringLiteral("//configuration/system/settings/displayperiod")));
    m_period->setText(QStringLiteral("当前会计期间：") + system->SystemSetting(12, 1).Value);
    m_period->setVisible(period);
    LoadNavigationGroups();
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
    const QString line = m_position->text();
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
    m_status->setText(text);
}

QString frmMain::StatusMessage() const
{
    return m_status->text();
}

QString frmMain::PositionText() const
{
    return m_position->text();
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

void frmMain::closeEvent(QCloseEvent* event)
{
    SaveNavigationSettings();
    ClearHosts();
    event->accept();
}
