#pragma once

#include "startup/StartupWindows.h"

#include <QPointer>

#include <memory>

class frmMain;
class frmSplash;

// The program's own start-up windows: the login, the splash and the workbench. The alert window
// is not part of the program yet.
class ShellWindows : public StartupWindows {
public:
    ShellWindows();
    ~ShellWindows() override;

    void RunLogin(bMain& main) override;
    void ShowSplash(bMain& main) override;
    bool LoadWorkbench(bMain& main) override;
    void ShowWorkbench() override;
    void StartSplashTimer(int ms) override;
    void CloseSplash() override;
    bool OpenAlertWindow(bMain& main) override;
    void SetAlertButton(bool pressed) override;
    void ShowStatusMessage(const QString& message) override;

    frmMain* Workbench() const { return m_workbench.get(); }

private:
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmMain> m_workbench;
};
