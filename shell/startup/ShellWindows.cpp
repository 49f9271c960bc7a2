#include "startup/ShellWindows.h"

#include "login/frmLogin.h"
#include "splash/frmSplash.h"
#include "startup/bMain.h"

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

bool ShellWindows::LoadWorkbench(bMain&)
{
    return false;
}

void ShellWindows::ShowWorkbench() {}
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
    return false;
}

void ShellWindows::SetAlertButton(bool) {}
void ShellWindows::ShowStatusMessage(const QString&) {}
