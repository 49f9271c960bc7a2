#include "schema/Operators.h"

#include "database/Database.h"
#include "security/PasswordHash.h"

namespace {

bool failed(Database& db, QString* error)
{
    if (db.LastError().IsEmpty())
        return false;
    *error = db.LastError().Message;
    db.ClearError();
    return true;
}

}  // namespace

bool Operators::Add(Database& db, const QString& name, const QString& password, bool allRights, QString* error)
{
    const QString user = name.trimmed();
    if (user.isEmpty()) {
        *error = QStringLiteral("用户名不能为空");
        return false;
    }
    const QVariant exists = db.Execute(QStringLiteral("select count(*) from xt_user where username=") + db.Quote(user), 1).Value();
    if (failed(db, error))
        return false;
    if (exists.toInt() > 0) {
        *error = QStringLiteral("用户已存在: %1").arg(user);
        return false;
    }
    const QString hash = PasswordHash::Hash(password);
    if (hash.isEmpty()) {
        *error = QStringLiteral("无法计算密码摘要");
        return false;
    }
    const int next = db.Execute(QStringLiteral("select max(sortorder) from xt_user"), 1).Value().toInt() + 1;
    const QString id = QStringLiteral("%1").arg(next, 4, 10, QLatin1Char('0'));
    db.Execute(QStringLiteral("insert into xt_user (userid, username, pwdhash, sortorder, inactive) values (%1, %2, %3, %4, 0)")
                   .arg(db.Quote(id), db.Quote(user), db.Quote(hash), QString::number(next)), 1).Run();
    if (allRights) {
        db.Execute(QStringLiteral("insert into xt_rights (userid, progid, rightno, allowed) "
                                  "select %1, ProgID, 1, 1 from xt_objects").arg(db.Quote(id)), 1).Run();
        db.Execute(QStringLiteral("insert into xt_rights (userid, progid, rightno, allowed) "
                                  "select distinct %1, progID, 1, 1 from xt_menu where progID > 0 "
                                  "and progID not in (select ProgID from xt_objects)").arg(db.Quote(id)), 1).Run();
    }
    return !failed(db, error);
}

bool Operators::SetPassword(Database& db, const QString& name, const QString& password, QString* error)
{
    const QString hash = PasswordHash::Hash(password);
    if (hash.isEmpty()) {
        *error = QStringLiteral("无法计算密码摘要");
        return false;
    }
    int affected = 0;
    db.Execute(QStringLiteral("update xt_user set pwdhash=%1 where username=%2").arg(db.Quote(hash), db.Quote(name.trimmed())), 1)
        .Run(&affected);
    if (failed(db, error))
        return false;
    if (affected == 0) {
        *error = QStringLiteral("没有这个用户: %1").arg(name);
        return false;
    }
    return true;
}
