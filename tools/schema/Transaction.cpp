#include "schema/Transaction.h"

#include "database/Database.h"

bool RunInTransaction(Database& db, const std::function<bool(QString* error)>& work, QString* error)
{
    auto takeError = [&db, error] {
        if (!db.LastError().IsEmpty())
            *error = db.LastError().Message;
        db.ClearError();
    };
    if (!db.BeginTrans()) {
        takeError();
        return false;
    }
    if (!work(error) || !db.LastError().IsEmpty()) {
        takeError();
        db.RollbackTrans();
        db.ClearError();
        return false;
    }
    if (!db.CommitTrans()) {
        takeError();
        return false;
    }
    return true;
}
