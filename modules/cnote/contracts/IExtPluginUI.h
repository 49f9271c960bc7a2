#pragma once

#include "ContractTypes.h"
#include "PluginParameters.h"
#include "database/ErrorInfo.h"

#include <QString>
#include <optional>

// Contract of an interactive add-in. Each add-in object lives for one operation:
// created, Init, one call, Clear, released.
class IExtPluginUI {
public:
    virtual ~IExtPluginUI() = default;

    // First call; pcSystem is not owned and is dropped in Clear.
    virtual bool Init(AppSystem* pcSystem) = 0;
    virtual bool Clear() = 0;
    virtual bool Configure() = 0;
    // The add-in's own parameters; the shell fills them before Init when run from a menu entry.
    virtual PluginParameters& Parameters() = 0;
    // text is passed empty; what comes back is ignored by the shell.
    virtual bool Action(QString& text) = 0;
    virtual bool Help() = 0;
    // The failure of the last call, or nothing.
    virtual std::optional<ErrorInfo> Error() const = 0;
    virtual QString Description() const = 0;
    virtual QString FriendlyName() const = 0;
    virtual QString Author() const = 0;
};
