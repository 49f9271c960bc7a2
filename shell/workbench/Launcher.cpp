#include "workbench/Launcher.h"

#include "commandline/CommandLineParser.h"
#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "system/AppSystem.h"
#include "workbench/MenuModel.h"
#include "workbench/WorkArea.h"
#include "workbench/frmEdit.h"
#include "workbench/kvVSTab.h"

#include <QLabel>

#include <exception>

namespace {

constexpr int kAddinKind = 230;
constexpr int kAlertKind = 220;
constexpr int kAddinManagerKind = 50;
constexpr int kAddinManagerProgram = 100027;

void inform(const QString& text)
{
    DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示："), text);
}

}  // namespace

Launcher::Launcher(HostContext context, MenuModel& menus, WorkArea& area, View view)
    : m_context(std::move(context)), m_menus(menus), m_area(area), m_view(std::move(view))
{
}

bool Launcher::OpenMenuEntry(const QString& code, int mode, const QString& name, const QString& keyCode)
{
    try {
        return openEntry(code, mode, name, keyCode);
    } catch (const std::exception&) {
        return false;
    }
}

bool Launcher::openEntry(const QString& code, int mode, const QString& name, const QString& keyCode)
{
    const MenuEntry entry = m_menus.Entry(code, QStringLiteral("select menucatalog,progid,menuname,systemcode from xt_menu where menucode="));
    if (!entry.found) {
        inform(QStringLiteral("当前指定的功能（") + code + QStringLiteral("）并不存在！"));
        return false;
    }
    if (entry.kind == kAddinKind) {
        addinNotAvailable(entry.name);
    } else if (entry.program > 0 || (entry.program == 0 && entry.kind == kAlertKind)) {
        // Every other route checks the operator's right; the navigation panel does too.
        if (mode == FromNavigation && entry.program > 0 && !allowed(entry.program)) {
            inform(QStringLiteral("当前菜单没有操作权限！"));
            return false;
        }
        openInTab(entry.program, entry.kind, name, mode, keyCode, entry.name);
    } else {
        m_area.ShowMapPage();
        if (m_view.loadNavigationMap)
            m_view.loadNavigationMap(code);
        if (m_view.loadReportMenu)
            m_view.loadReportMenu(code);
        m_area.Tabs()->Select(1);
    }
    const QString group = m_view.activeGroupCaption ? m_view.activeGroupCaption() : QString();
    if (m_view.position) {
        m_view.position->setText(QStringLiteral("当前位置：") + group + QStringLiteral(" -> ") + entry.name);
        m_view.position->window()->repaint();
    }
    return true;
}

void Launcher::openInTab(int program, int kind, const QString& name, int mode, const QString& keyCode, const QString& entryName)
{
    const int existing = mode == FromNavigation ? m_area.FindTab(keyCode) : 0;
    if (existing > 0)
        m_area.Tabs()->Select(existing);
    else
        m_area.AddModuleTab(name, keyCode);
    m_area.ShowCurrentArea(mode == FromNavigation);
    if (existing > 0)
        return;
    m_area.CreateTabHost(program, kind, entryName);
    if (periodShown())
        UpdatePeriodLabel(program);
}

void Launcher::OpenEntryFromList(ListSource source, const QString& code)
{
    try {
        openFromList(source, code);
    } catch (const std::exception& e) {
        DialogService::Current().Show(DialogIcon::None, QString(), QStringLiteral("发生错误,原因:") + QString::fromStdString(e.what()));
    }
}

void Launcher::openFromList(ListSource source, const QString& code)
{
    const bool report = source == ListSource::ReportButton;
    const MenuEntry entry = m_menus.Entry(code, report ? QStringLiteral("select menucatalog,progID,menuname,systemcode,menucode from xt_menu where menucode=")
                                                       : QStringLiteral("select menucatalog,progID,menuname,systemcode from xt_menu  where menucode="));
    if (!entry.found) {
        inform(QStringLiteral("当前菜单不存在！"));
        return;
    }
    if (!allowed(entry.program)) {
        inform(QStringLiteral("当前菜单没有操作权限！"));
        return;
    }
    if (periodShown())
        UpdatePeriodLabel(entry.program);
    if (!report && entry.kind == kAddinKind) {
        addinNotAvailable(entry.name);
        return;
    }
    if (!report && entry.kind == kAddinManagerKind) {
        if (entry.program == kAddinManagerProgram)
            addinNotAvailable(entry.name);
        return;
    }
    CommandLineParser parser;
    if (const QString commandLine = m_menus.CommandLineOf(entry.program); !commandLine.isEmpty())
        parser.Parse(commandLine);
    if (parser.Option(QStringLiteral("s")).Present) {
        auto* window = new frmEdit(m_context, m_context.owner);
        window->InitHostWindow(entry.program, entry.name, entry.kind, report ? QVariant() : QVariant::fromValue<qint16>(0), nullptr, 0);
        return;
    }
    const QString openCode = report ? entry.menuCode : code;
    OpenMenuEntry(openCode, FromList, entry.name, openCode);
}

void Launcher::UpdatePeriodLabel(int program)
{
    if (!m_view.period)
        return;
    const QString systemCode = m_menus.SystemCodeOf(program);
    m_view.period->setText(QStringLiteral("当前会计期间：") + QString::number(m_context.system->Period(systemCode, 0).Value));
}

bool Launcher::allowed(int program) const
{
    return m_context.system->Rights(program).Allowed(1);
}

bool Launcher::periodShown() const
{
    return m_view.period && !m_view.period->isHidden();
}

void Launcher::addinNotAvailable(const QString& name)
{
    WriteLog(QStringLiteral("外接程序“") + name + QStringLiteral("”暂不可用。"), 1);
}
