#pragma once

#include "database/ErrorInfo.h"

#include <QString>
#include <QtPlugin>

// The settings the shell gives a start-up add-in before it runs. CurrentPeriod and
// AccountSetName are filled only once the system object exists (stage 101).
struct StartupAddinContext {
    QString ConfigFileName;
    QString AppPath;
    QString Caption;
    int CurrentPeriod = 0;
    QString AccountSetName;
};

// Contract of the add-ins that start-up runs at its stages 100 and 101 (named in the
// configuration file). The shell calls Start, Run, reads Error, and calls Finish last.
class IStartupAddin {
public:
    virtual ~IStartupAddin() = default;

    virtual StartupAddinContext& Context() = 0;
    virtual void Start() = 0;
    virtual void Run(QString& text) = 0;
    virtual ErrorInfo Error() const = 0;
    virtual QString Name() const = 0;
    virtual void Finish() = 0;
};

#define IStartupAddin_iid "org.orvel.IStartupAddin/1"
Q_DECLARE_INTERFACE(IStartupAddin, IStartupAddin_iid)
