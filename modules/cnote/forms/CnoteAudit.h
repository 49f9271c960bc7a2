#pragma once

#include "CnoteState.h"

#include <QDate>
#include <QString>

#include <functional>

class AppSystem;
class Database;

// The audit mark of the shown note: Check sets it, UnCheck removes it, each in one transaction,
// writing the operator and the operation date as auditor and audit date. The form is neither
// reloaded nor relabelled here; the host does that through DoSetStatus.
class CnoteAudit {
public:
    CnoteAudit(const CnoteState& state, std::function<void(const QString&)> error);

    void Bind(AppSystem* system) { m_system = system; }

    bool Check() { return mark(true); }
    bool UnCheck() { return mark(false); }

    // The statement that sets (check) or removes the mark of note id.
    static QString Statement(const Database& db, bool check, int program, const QString& user, const QDate& date, qint64 id);

private:
    bool mark(bool check);

    const CnoteState& m_state;
    std::function<void(const QString&)> m_error;  // ErrMessage
    AppSystem* m_system = nullptr;
};
