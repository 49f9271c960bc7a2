#pragma once

#include "dialogs/DialogService.h"

#include <QList>
#include <QQueue>

// Dialog service for tests: records every request and answers from a script without showing
// anything. When the script is empty it answers with the first button of the request
// (Ok, Yes, Retry or Abort). Installs itself as DialogService::Current() for its lifetime and
// restores the previous service when destroyed.
class ORVEL_PLATFORM_EXPORT ScriptedDialogs : public DialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    DialogAnswer Ask(const DialogRequest& request) override;

    // Queues the answer for the next unanswered request.
    void Answer(DialogAnswer answer) { m_script.enqueue(answer); }
    const QList<DialogRequest>& Requests() const { return m_requests; }
    void Clear();

    static DialogAnswer FirstButton(DialogButtons buttons);

private:
    DialogService* m_previous;
    QQueue<DialogAnswer> m_script;
    QList<DialogRequest> m_requests;
};
