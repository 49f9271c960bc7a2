#include "FormCommandStates.h"

bool FormCommandEnabled(HostCommand command, FormState state, bool audited)
{
    const bool browsing = state == FormState::Browse;
    switch (command) {
    case HostCommand::Save:
    case HostCommand::Cancel:
        return !browsing;
    case HostCommand::First:
    case HostCommand::Previous:
    case HostCommand::Next:
    case HostCommand::Last:
    case HostCommand::Close:
        return true;
    case HostCommand::Check:
        return browsing && !audited;
    case HostCommand::UnCheck:
        return browsing && audited;
    case HostCommand::New:
    case HostCommand::Edit:
    case HostCommand::Delete:
    case HostCommand::Find:
    case HostCommand::FindNext:
    case HostCommand::Filter:
    case HostCommand::Refresh:
    case HostCommand::PrintPreview:
    case HostCommand::Print:
    case HostCommand::PrintSetup:
        return browsing;
    }
    return false;
}
