#pragma once

#include <QKeySequence>
#include <QString>

#include <span>

// The toolbar commands of the embedded hosts.
enum class HostCommand {
    New,
    Edit,
    Save,
    Cancel,
    Delete,
    First,
    Previous,
    Next,
    Last,
    Find,
    FindNext,
    Filter,
    Refresh,
    Check,
    UnCheck,
    PrintPreview,
    Print,
    PrintSetup,
    Close,
};

struct HostCommandInfo {
    HostCommand command;
    const char* text;        // operator text (UTF-8)
    QKeySequence shortcut;   // empty when the command has none
};

// Every command with its text and shortcut, in toolbar order.
std::span<const HostCommandInfo> HostCommands();
const HostCommandInfo& HostCommandFor(HostCommand command);
