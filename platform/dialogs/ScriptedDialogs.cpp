#include "dialogs/ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() : m_previous(DialogService::Install(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    DialogService::Install(m_previous);
}

DialogAnswer ScriptedDialogs::Ask(const DialogRequest& request)
{
    m_requests.append(request);
    return m_script.isEmpty() ? FirstButton(request.buttons) : m_script.dequeue();
}

void ScriptedDialogs::Clear()
{
    m_script.clear();
    m_requests.clear();
}

DialogAnswer ScriptedDialogs::FirstButton(DialogButtons buttons)
{
    switch (buttons) {
    case DialogButtons::YesNo:
    case DialogButtons::YesNoCancel: return DialogAnswer::Yes;
    case DialogButtons::RetryCancel: return DialogAnswer::Retry;
    case DialogButtons::AbortRetryIgnore: return DialogAnswer::Abort;
    case DialogButtons::Ok:
    case DialogButtons::OkCancel: break;
    }
    return DialogAnswer::Ok;
}
