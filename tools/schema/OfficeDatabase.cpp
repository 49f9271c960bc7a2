#include "schema/OfficeDatabase.h"

#include "database/Database.h"
#include "schema/OfficeSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool takeError(Database& db, QString* error)
{
    if (db.LastError().IsEmpty())
        return false;
    *error = db.LastError().Message;
    db.ClearError();
    return true;
}

bool prepareSqliteFile(const QString& file, bool force, QString* error)
{
    if (QFileInfo::exists(file)) {
        if (!force) {
            *error = QStringLiteral("数据库已经存在: %1 (用 --force 覆盖)").arg(file);
            return false;
        }
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(file + suffix);
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile created(file);
    if (!created.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("无法创建数据库文件 %1: %2").arg(file, created.errorString());
        return false;
    }
    return true;
}

// A server database may hold other things: only our own tables are dropped.
bool dropServerTables(Database& db, bool force, QString* error)
{
    const QVariant present = db.Execute(QStringLiteral("select count(*) from information_schema.tables where table_name='cnote'"), 1).Value();
    if (takeError(db, error))
        return false;
    if (present.toInt() == 0)
        return true;
    if (!force) {
        *error = QStringLiteral("数据库中已经有办公数据表 (用 --force 覆盖)");
        return false;
    }
    for (const QString& table : OfficeSchema::TableNames()) {
        db.Execute(QStringLiteral("drop table if exists ") + table, 1).Run();
        if (takeError(db, error))
            return false;
    }
    return true;
}

}  // namespace

bool OfficeDatabase::Create(Database& db, const ConnectionSettings& where, bool force, QString* error)
{
    if (where.driver == QLatin1String("jet") && !prepareSqliteFile(where.file, force, error))
        return false;
    if (!db.OpenConnection(where)) {
        takeError(db, error);
        return false;
    }
    if (where.driver != QLatin1String("jet") && !dropServerTables(db, force, error))
        return false;
    if (!db.BeginTrans()) {
        takeError(db, error);
        return false;
    }
    for (const QString& statement : OfficeSchema::CreateStatements(db.Engine())) {
        db.Execute(statement, 1).Run();
        if (takeError(db, error)) {
            db.RollbackTrans();
            db.ClearError();
            return false;
        }
    }
    if (!db.CommitTrans()) {
        takeError(db, error);
        return false;
    }
    return true;
}
