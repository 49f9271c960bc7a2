#include "startup/ShellWindows.h"

#include "component/ComponentSystem.h"
#include "hosts/EmbeddedHost.h"
#include "login/frmLogin.h"
#include "startup/bMain.h"
#include "workbench/frmMain.h"

ShellWindows::ShellWindows() = default;
ShellWindows::~ShellWindows() = default;

void ShellWindows::RunLogin(bMain& main)
{
    frmLogin dialog(*main.Config(), *main.System(), *main.Login());
    dialog.exec();
}

void ShellWindows::ShowSplash(bMain&) {}

bool ShellWindows::LoadWorkbench(bMain& main)
{
    HostContext context;
    context.system = main.System();
    context.config = main.Config();
    // Embedded hosts are components created by their identifier.
    context.createHost = [&main](const QString& hostType) -> EmbeddedHost* {
        std::unique_ptr<QObject> object = main.Components()->CreateObject(hostType);
        auto* host = qobject_cast<EmbeddedHost*>(object.get());
        if (host)
            object.release();
        return host;
    };
    context.showStatus = [&main](const QString& text) { main.ShowStatus(text); };
    m_workbench = std::make_unique<frmMain>(std::move(context));
    m_workbench->Load();
    return true;
}

void ShellWindows::ShowWorkbench()
{
    if (m_workbench)
        m_workbench->showMaximized();
}
void ShellWindows::StartSplashTimer(int) {}
void ShellWindows::CloseSplash() {}

bool ShellWindows::OpenAlertWindow(bMain&)
{
    return false;
}

void ShellWindows::SetAlertButton(bool) {}
void ShellWindows::ShowStatusMessage(const QString& message)
{
    if (m_workbench)
        m_workbench->ShowStatusMessage(message);
}
