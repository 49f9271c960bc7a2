#pragma once

#include "startup/StartupWindows.h"

#include <QPointer>

class frmSplash;

// The program's own start-up windows. The workbench and the alert window are not part of the
// program yet: without a workbench, start-up ends after the splash.
class ShellWindows : public StartupWindows {
public:
    void RunLogin(bMain& main) override;
    void ShowSplash(bMain& main) override;
    bool LoadWorkbench(bMain& main) override;
    void ShowWorkbench() override;
    void StartSplashTimer(int ms) override;
    void CloseSplash() override;
    bool OpenAlertWindow(bMain& main) override;
    void SetAlertButton(bool pressed) override;
    void ShowStatusMessage(const QString& message) override;

private:
    QPointer<frmSplash> m_splash;
};
