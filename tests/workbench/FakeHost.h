#pragma once

#include "hosts/EmbeddedHost.h"

#include <QStringList>
#include <QVariantList>

// An embedded host that records what its window did with it.
class FakeHost : public EmbeddedHost {
public:
    struct Journal {
        QStringList calls;
        QVariantList arguments;
        int program = 0;
    };
    FakeHost(Journal& journal, bool initResult, bool dirty) : m_journal(journal), m_initResult(initResult), m_dirty(dirty) {}

    bool Py_Init(AppSystem*, QObject*, int program, const QVariantList& arguments) override
    {
        m_journal.calls << QStringLiteral("Py_Init");
        m_journal.program = program;
        m_journal.arguments = arguments;
        return m_initResult;
    }
    void Clear() override { m_journal.calls << QStringLiteral("Clear"); }
    bool IsDirty() const override { return m_dirty; }
    bool SaveChanges() override
    {
        m_journal.calls << QStringLiteral("Save");
        m_dirty = false;
        return true;
    }
    void raise(const QString& name, const QVariantList& values) { emit NamedEvent(name, values); }

private:
    Journal& m_journal;
    bool m_initResult;
    bool m_dirty;
};
