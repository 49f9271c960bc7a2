#include "startup/ShellWindows.h"

#include "login/frmLogin.h"
#include "startup/bMain.h"

void ShellWindows::RunLogin(bMain& main)
{
    frmLogin dialog(*main.Config(), *main.System(), *main.Login());
    dialog.exec();
}

void ShellWindows::ShowSplash(bMain&) {}

bool ShellWindows::LoadWorkbench(bMain&)
{
    return false;
}

void ShellWindows::ShowWorkbench() {}
void ShellWindows::StartSplashTimer(int) {}
void ShellWindows::CloseSplash() {}

bool ShellWindows::OpenAlertWindow(bMain&)
{
    return false;
}

void ShellWindows::SetAlertButton(bool) {}
void ShellWindows::ShowStatusMessage(const QString&) {}
