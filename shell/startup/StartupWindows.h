#pragma once

#include <QString>

class bMain;

// The windows of start-up. Main calls them in its fixed order; the program gives the real login,
// splash, workbench and alert windows, tests give doubles that record the calls.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;

    // Step 11: the login dialog, modal. Its outcome is read from the login session.
    virtual void RunLogin(bMain& main) = 0;
    // Step 15: loads the splash window, stops its timer and shows it.
    virtual void ShowSplash(bMain& main) = 0;
    // Step 17: loads the workbench; false when the program has no workbench to run.
    virtual bool LoadWorkbench(bMain& main) = 0;
    virtual void ShowWorkbench() = 0;
    // Step 18: the splash closes itself after ms milliseconds, or at once.
    virtual void StartSplashTimer(int ms) = 0;
    virtual void CloseSplash() = 0;
    // Step 19: a host window "预警" of menu catalog 220; true when the host started.
    virtual bool OpenAlertWindow(bMain& main) = 0;
    // The workbench's alert button pressed (true) or released.
    virtual void SetAlertButton(bool pressed) = 0;
    // The workbench's message label.
    virtual void ShowStatusMessage(const QString& message) = 0;
};
