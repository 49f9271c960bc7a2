#pragma once

#include "PlatformExport.h"

#include <QList>
#include <QString>
#include <QVariant>

// One entry of a ParameterList.
struct ParameterItem {
    QString Name;
    QVariant Value;
    int Type = 0;   // the type code given to Add
};

// A collection of named values: look parameters for components ("backcolor"), a text record id
// for an entry-form host ("sID", type 203), report parameters. Names are compared without regard
// to case; adding a name again replaces its value and type. The type code is kept with the entry
// for readers that need it; the value is stored as given.
class ORVEL_PLATFORM_EXPORT ParameterList {
public:
    // Type codes in use.
    enum TypeCode {
        Integer = 3,
        Double = 5,
        Date = 7,
        Boolean = 11,
        Variant = 12,
        Text = 202,
        LongText = 203,
    };

    void Add(const QString& name, const QVariant& value, int typeCode);
    bool Exists(const QString& name) const;
    // The entry of that name; an entry with a null Value and type 0 when there is none.
    ParameterItem Item(const QString& name) const;
    int Count() const { return int(m_items.size()); }
    // Entries in the order they were first added.
    const QList<ParameterItem>& Items() const { return m_items; }

private:
    qsizetype indexOf(const QString& name) const;

    QList<ParameterItem> m_items;
};
