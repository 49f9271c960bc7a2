#pragma once

#include <QString>

#include <functional>

class AppSystem;
class EmbeddedHost;
class QWidget;
class clsConfig;

// What host windows and the host-event handling need of the running program.
struct HostContext {
    AppSystem* system = nullptr;
    clsConfig* config = nullptr;
    // Creates the embedded host of a host type ("OrvelEdit.oedit", ...); nullptr when it cannot.
    std::function<EmbeddedHost*(const QString& hostType)> createHost;
    // The workbench's status line (ShowStatus).
    std::function<void(const QString&)> showStatus;
    // The window that owns host windows (the workbench); may be null.
    QWidget* owner = nullptr;
};
