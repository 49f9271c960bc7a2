#include "CnoteAudit.h"

#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "system/AppSystem.h"

#include <exception>

CnoteAudit::CnoteAudit(const CnoteState& state, std::function<void(const QString&)> error)
    : m_state(state), m_error(std::move(error))
{
}

QString CnoteAudit::Statement(const Database& db, bool check, int program, const QString& user, const QDate& date, qint64 id)
{
    const QString mark = check ? QStringLiteral("smark='02', ") : QStringLiteral("smark='01',  ");
    // One substitution for all values: a "%1" inside the operator's name stays text.
    return QStringLiteral(" Update cnote Set progID=%1,%2shr=%3, shDate=%4, status=%5 Where cnoteID=%6")
        .arg(QString::number(program), mark, db.Quote(user), db.DateLiteral(date),
             db.Quote(check ? QStringLiteral("审核") : QStringLiteral("填单")), QString::number(id));
}

bool CnoteAudit::mark(bool check)
{
    if (!m_system || !m_system->Database())
        return false;
    Database& db = *m_system->Database();
    const QString failure = check ? QStringLiteral("Check Error::") : QStringLiteral("UnCheck::");
    bool done = false;
    try {
        const AppInfoData& info = m_system->AppInfo();
        if (db.BeginTrans()) {
            db.Execute(Statement(db, check, m_state.program, info.UserName, info.OperationDate, m_state.currentId), 1).Run();
            done = db.LastError().IsEmpty() && db.CommitTrans();
        }
        if (!done) {
            DialogService::Current().Show(DialogIcon::None, QString(), failure);
            if (db.InTransaction())
                db.RollbackTrans();
        }
    } catch (const std::exception& e) {
        const QString cause = QString::fromStdString(e.what());
        if (check)
            m_error(QStringLiteral("审核时出错：") + cause);
        else
            DialogService::Current().Show(DialogIcon::None, QString(), failure + cause);
        if (db.InTransaction())
            db.RollbackTrans();
    }
    db.ClearError();
    return done;
}
