#pragma once

#include "ContractsExport.h"

#include <QList>
#include <QString>
#include <QVariant>

// One named value of an add-in's parameters.
struct PluginParameter {
    QString Name;
    QVariant Value;
};

// The parameters the shell hands to an add-in ("ProgID", "ModeCode", "Caption", "CommandLine").
// Names are compared without regard to case; adding a name again replaces its value.
class CNOTE_CONTRACTS_EXPORT PluginParameters {
public:
    // The middle argument is kept for callers of the add-in contract, which always pass it empty.
    void Add(const QString& name, const QString& unused, const QVariant& value);
    bool Exists(const QString& name) const;
    // The entry of that name; an entry with a null Value when there is none.
    PluginParameter Item(const QString& name) const;
    int Count() const { return int(m_items.size()); }

private:
    qsizetype indexOf(const QString& name) const;

    QList<PluginParameter> m_items;
};
