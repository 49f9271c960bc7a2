#pragma once

#include "startup/StartupWindows.h"

#include <memory>

class frmMain;

// The program's own start-up windows: the login and the workbench. The splash and the alert
// window are not part of the program yet.
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
    std::unique_ptr<frmMain> m_workbench;
};
