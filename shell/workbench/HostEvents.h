#pragma once

#include "workbench/HostContext.h"

#include <QString>
#include <QVariantList>

#include <memory>

class ParameterList;
class frmEdit;

// The window an embedded host's event arrived at: the workbench (for its current tab's host) or
// a host window. The events that differ between the two places go through it.
class HostEventTarget {
public:
    virtual ~HostEventTarget() = default;
    virtual bool IsWorkbench() const = 0;
    // "message": the workbench status line, or the "msg" panel of a host window.
    virtual void ShowHostMessage(const QString& text) = 0;
    // "unload": true closes the tab or window; false clears the unloading flag.
    virtual void UnloadHost(bool unload) = 0;
};

// Handles one named event (name compared in lower case; values v0, v1, v2, ...).
void HandleHostEvent(HostEventTarget& target, const HostContext& context, const QString& name, const QVariantList& values);

// Opens a program (by program number) in a new host window after the rights check; the window
// when it was shown (maximised and in front), nullptr otherwise.
frmEdit* OpenProgramWindow(const HostContext& context, double program, const QVariant& recordId,
                           std::shared_ptr<ParameterList> parameters, int mode);
