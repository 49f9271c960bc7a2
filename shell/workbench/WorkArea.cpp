#include "workbench/WorkArea.h"

#include "Twips.h"
#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "hosts/EmbeddedHost.h"
#include "log/Logger.h"
#include "workbench/DragSplitter.h"
#include "workbench/UnsavedEdits.h"
#include "workbench/frmEdit.h"
#include "workbench/kvVSTab.h"

#include <QEvent>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString kNavigationKey = QStringLiteral("key");
constexpr int kReportAreaWidth = 3600;  // twips

QString hostName(int n)
{
    return QStringLiteral("edit") + QString::number(n);
}

}  // namespace

WorkArea::WorkArea(HostContext context, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_tabs(new kvVSTab(this)), m_stage(new QWidget(this)), m_mapPage(new QWidget(m_stage)),
      m_reportArea(new QWidget(m_mapPage)), m_reportSplitter(new DragSplitter(QStringLiteral("imgSplitter_c"), QStringLiteral("picSplitter_c"), m_mapPage))
{
    setObjectName(QStringLiteral("PicMain"));
    m_stage->setObjectName(QStringLiteral("stage"));
    m_mapPage->setObjectName(QStringLiteral("PicTable"));
    m_mapPage->setAttribute(Qt::WA_StyledBackground);
    m_mapPage->installEventFilter(this);
    m_reportArea->setObjectName(QStringLiteral("PicRpt"));
    m_reportArea->setAttribute(Qt::WA_StyledBackground);
    m_reportArea->resize(Twips::ToPixels(kReportAreaWidth), 0);
    m_reportArea->hide();
    m_reportSplitter->resize(Twips::ToPixels(kSplitterWidth), 0);
    m_reportSplitter->hide();
    m_reportSplitter->SetDragRange([this] { return std::pair{1000, Twips::FromPixels(width()) - 1000}; });
    connect(m_reportSplitter, &DragSplitter::released, this, &WorkArea::DropReportSplitter);
    auto* templateArea = new QWidget(m_stage);
    templateArea->setObjectName(QStringLiteral("picHolder"));
    templateArea->hide();
    m_areas.insert(0, templateArea);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stage, 1);
    m_stage->installEventFilter(this);

    m_tabs->Add(QStringLiteral("导航窗口"), kNavigationKey);
    connect(m_tabs, &kvVSTab::TabLeaving, this, &WorkArea::onTabLeaving);
    connect(m_tabs, &kvVSTab::TabEntering, this, &WorkArea::onTabEntering);
    connect(m_tabs, &kvVSTab::CloseRequested, this, &WorkArea::CloseTab);
}

EmbeddedHost* WorkArea::Host(int n) const
{
    const QWidget* area = HostArea(n);
    return area ? area->findChild<EmbeddedHost*>(hostName(n), Qt::FindDirectChildrenOnly) : nullptr;
}

int WorkArea::TabNumber(const QString& key)
{
    return static_cast<int>(bCommon::NumericValue(key.mid(key.lastIndexOf(QLatin1Char('-')) + 1)));
}

QVariantList WorkArea::TabInitArguments(int kind, const QString& name)
{
    switch (kind) {
    case 100:
    case 105:
        return {QVariant::fromValue<qint16>(0)};
    case 101:
    case 103:
        return {name};
    default:
        return {};
    }
}

int WorkArea::FindTab(const QString& keyCode) const
{
    for (int tab = 1; tab <= m_tabs->Count(); ++tab) {
        if (m_tabs->Key(tab).section(QLatin1Char('-'), 0, 0) == keyCode)
            return tab;
    }
    return 0;
}

int WorkArea::AddModuleTab(const QString& caption, const QString& keyCode)
{
    const int n = ++m_hostCounter;
    const QWidget* highest = m_areas.last();
    auto* area = new QWidget(m_stage);
    area->setObjectName(QStringLiteral("picHolder"));
    area->setProperty("index", n);
    area->setGeometry(highest->geometry());
    area->setPalette(highest->palette());
    area->installEventFilter(this);
    m_areas.insert(n, area);
    m_currentHostNumber = n;
    const int tab = m_tabs->Add(caption, keyCode + QStringLiteral("-") + QString::number(n));
    m_tabs->Select(tab);
    m_tabs->update();
    area->show();
    return tab;
}

void WorkArea::ShowCurrentArea(bool hideNavigationTab)
{
    m_mapPage->hide();
    if (hideNavigationTab && m_tabs->IsVisible(1))
        m_tabs->SetVisible(1, false);
    if (QWidget* area = HostArea(m_currentHostNumber)) {
        area->show();
        area->setFocus();
        area->raise();
    }
}

void WorkArea::ShowMapPage()
{
    m_mapPage->show();
    if (!m_tabs->IsVisible(1))
        m_tabs->SetVisible(1, true);
    if (QWidget* area = HostArea(m_currentHostNumber); area && m_currentHostNumber > 0)
        area->hide();
}

bool WorkArea::CreateTabHost(int program, int kind, const QString& name)
{
    m_unloading = false;
    const QString type = frmEdit::HostType(kind);
    if (type.isEmpty())
        return false;
    try {
        const int n = m_currentHostNumber;
        QWidget* area = HostArea(n);
        EmbeddedHost* host = m_context.createHost ? m_context.createHost(type) : nullptr;
        if (!host || !area)
            throw std::runtime_error(QStringLiteral("无法创建 %1").arg(type).toStdString());
        host->setParent(area);
        host->setObjectName(hostName(n));
        m_currentHost = host;
        connect(host, &EmbeddedHost::NamedEvent, this, &WorkArea::hostEvent);
        if (!host->Py_Init(m_context.system, m_context.config, program, TabInitArguments(kind, name))) {
            WriteLog(QStringLiteral("初始化控件Init()时出错<%1>").arg(program), 1);
            return false;
        }
        if (m_unloading)
            return false;
        host->setGeometry(area->contentsRect());
        host->show();
        host->setFocus();
        return true;
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("加载动态控件时出错:") + QString::fromStdString(e.what()), 8);
        return false;
    }
}

void WorkArea::CloseSelectedTab(bool unload)
{
    if (!unload) {
        m_unloading = false;
        return;
    }
    // Only a module tab holds a host; the navigation tab is never removed.
    const int tab = m_tabs->Selected();
    if (tab < 2)
        return;
    const int n = TabNumber(m_tabs->Key(tab));
    removeHost(Host(n));
    if (m_tabs->Count() > 1)
        m_tabs->Select(tab - 1);
    m_tabs->Remove(tab);
    if (m_tabs->Count() == 1) {
        m_mapPage->show();
        if (!m_tabs->IsVisible(1))
            m_tabs->SetVisible(1, true);
        m_mapPage->raise();
    }
    m_tabs->update();
    m_unloading = true;
}

bool WorkArea::ClearHosts()
{
    for (auto it = m_areas.cbegin(); it != m_areas.cend(); ++it) {
        for (EmbeddedHost* host : it.value()->findChildren<EmbeddedHost*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (host->objectName().startsWith(QLatin1String("edit")))
                removeHost(host);
        }
    }
    m_currentHost = nullptr;
    return true;
}

bool WorkArea::CloseTab(int tab)
{
    if (tab < 2 || tab > m_tabs->Count() || !::ConfirmUnsavedEdits(Host(TabNumber(m_tabs->Key(tab)))))
        return false;
    m_tabs->Select(tab);
    CloseSelectedTab(true);
    m_unloading = false;
    return true;
}

bool WorkArea::ConfirmUnsavedEdits()
{
    for (int tab = 2; tab <= m_tabs->Count(); ++tab) {
        EmbeddedHost* host = Host(TabNumber(m_tabs->Key(tab)));
        if (!host || !host->IsDirty())
            continue;
        m_tabs->Select(tab);
        if (!::ConfirmUnsavedEdits(host))
            return false;
    }
    return true;
}

void WorkArea::removeHost(EmbeddedHost* host)
{
    if (!host)
        return;
    if (m_currentHost == host)
        m_currentHost = nullptr;
    host->Clear();
    host->hide();
    // The host may be inside its own event: it is deleted once that event has returned.
    host->setObjectName(QString());
    host->deleteLater();
}

void WorkArea::onTabLeaving(int tab)
{
    tab = std::min(tab, m_tabs->Count());
    if (tab < 2) {
        m_mapPage->hide();
    } else if (QWidget* area = HostArea(TabNumber(m_tabs->Key(tab)))) {
        area->hide();
    }
}

void WorkArea::onTabEntering(int tab)
{
    tab = std::min(tab, m_tabs->Count());
    if (tab < 2) {
        m_mapPage->show();
        m_mapPage->raise();
        return;
    }
    const int n = TabNumber(m_tabs->Key(tab));
    QWidget* area = HostArea(n);
    if (!area)
        return;
    area->show();
    area->raise();
    m_currentHost = Host(n);
    m_currentHostNumber = n;
    fitHost(n);
}

void WorkArea::fitHost(int n)
{
    QWidget* area = HostArea(n);
    if (EmbeddedHost* host = Host(n))
        host->setGeometry(area->contentsRect());
    area->update();
    if (area->isVisible()) {
        area->setFocus();
        if (EmbeddedHost* host = Host(n))
            host->setFocus();
    }
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_stage)
            layoutStage();
        else if (watched == m_mapPage)
            layoutMapPage();
        else if (const int n = watched->property("index").toInt(); n > 0 && HostArea(n) == watched)
            fitHost(n);
    }
    return QWidget::eventFilter(watched, event);
}

void WorkArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutStage();
}

void WorkArea::layoutStage()
{
    const QRect page = m_stage->rect();
    m_mapPage->setGeometry(page);
    for (QWidget* area : std::as_const(m_areas))
        area->setGeometry(page);
}

void WorkArea::ShowReportArea(bool shown)
{
    m_reportArea->setVisible(shown);
    m_reportSplitter->setVisible(shown);
    layoutMapPage();
}

void WorkArea::layoutMapPage()
{
    // The report area keeps its width and its right edge at the map page's right edge.
    const QRect page = m_mapPage->rect();
    const int width = std::min(m_reportArea->width(), std::max(page.width() - m_reportSplitter->width(), 0));
    m_reportArea->setGeometry(page.right() + 1 - width, 0, width, page.height());
    m_reportSplitter->setGeometry(m_reportArea->x() - m_reportSplitter->width(), 0, m_reportSplitter->width(), page.height());
}

void WorkArea::DropReportSplitter(int left)
{
    const int inner = Twips::FromPixels(window()->width());
    if (left < 2000)
        left = 2000;
    else if (left > inner - 1400)
        left = inner - 1400 + Twips::FromPixels(m_mapPage->x());
    const QRect page = m_mapPage->rect();
    // The window's width may reach beyond the map page: the splitter stays on the page.
    left = std::max(std::min(left, Twips::FromPixels(page.width()) - kSplitterWidth), 0);
    const int x = Twips::ToPixels(left);
    m_reportSplitter->move(x, 0);
    const int reportLeft = x + m_reportSplitter->width();
    m_reportArea->setGeometry(reportLeft, 0, std::max(page.right() + 1 - reportLeft, 0), page.height());
}
