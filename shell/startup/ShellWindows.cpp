#include "startup/ShellWindows.h"

#include "common/bCommon.h"
#include "component/ComponentSystem.h"
#include "hosts/EmbeddedHost.h"
#include "login/frmLogin.h"
#include "splash/frmSplash.h"
#include "startup/bMain.h"
#include "workbench/frmMain.h"

ShellWindows::ShellWindows() = default;
ShellWindows::~ShellWindows() = default;

void ShellWindows::RunLogin(bMain& main)
{
    frmLogin dialog(*main.Config(), *main.System(), *main.Login());
    dialog.exec();
}

void ShellWindows::ShowSplash(bMain& main)
{
    m_splash = new frmSplash(*main.Config(), *main.System());
    m_splash->Timer().stop();
    m_splash->show();
}

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
    m_workbench->SetLogin(main.Login());
    m_workbench->SetShutDown([&main] { main.ShutDown(); });
    m_workbench->Load();
    return true;
}

void ShellWindows::ShowWorkbench()
{
    if (!m_workbench)
        return;
    bCommon::ShowMaximized(m_workbench.get());
}

void ShellWindows::StartSplashTimer(int ms)
{
    if (!m_splash)
        return;
    m_splash->Timer().setInterval(ms);
    m_splash->Timer().start();
}

void ShellWindows::CloseSplash()
{
    if (m_splash)
        m_splash->close();
}

bool ShellWindows::OpenAlertWindow(bMain&)
{
    return m_workbench && m_workbench->ShowAlertWindow();
}

void ShellWindows::SetAlertButton(bool pressed)
{
    if (m_workbench)
        m_workbench->SetAlertButton(pressed);
}

void ShellWindows::ShowStatusMessage(const QString& message)
{
    if (m_workbench)
        m_workbench->ShowStatusMessage(message);
}
