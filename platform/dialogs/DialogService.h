#pragma once

#include "PlatformExport.h"

#include <QString>

enum class DialogIcon { None, Information, Question, Warning, Critical };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class DialogAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// One message box as the system asks it.
struct DialogRequest {
    DialogIcon icon = DialogIcon::None;
    QString title;
    QString text;
    DialogButtons buttons = DialogButtons::Ok;

    bool operator==(const DialogRequest&) const = default;
};

// Asks the operator through a message box: icon, title, text and buttons -> the button chosen.
// Code that shows message boxes takes a DialogService, or uses Current() where passing one
// through is not possible; tests install a ScriptedDialogs so that nothing waits on a window.
class ORVEL_PLATFORM_EXPORT DialogService {
public:
    virtual ~DialogService() = default;

    virtual DialogAnswer Ask(const DialogRequest& request) = 0;
    DialogAnswer Show(DialogIcon icon, const QString& title, const QString& text,
                      DialogButtons buttons = DialogButtons::Ok);

    // The process-wide service: the one installed last, or the message-box service by default.
    static DialogService& Current();
    // Installs service (not owned) as Current(); nullptr restores the default. Returns the
    // previously installed service (nullptr for the default).
    static DialogService* Install(DialogService* service);
};
