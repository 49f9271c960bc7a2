#pragma once

#include "PlatformExport.h"
#include "database/DbRecordset.h"

#include <QString>
#include <QVariant>

class Database;

// Browses the records that satisfy a condition, in the order of an id column, and hands back a
// record set positioned on the record to show with its position text ("3/120").
// Move and Find answer a null QVariant when no record qualifies, an empty text when *records
// holds the record to show, and otherwise the database's failure text.
class ORVEL_PLATFORM_EXPORT RecordNavigator {
public:
    enum Mode { First = 0, Previous = 1, Next = 2, Last = 3 };

    void Bind(Database* db) { m_db = db; }

    // Previous from the first record and Next from the last stay where they are.
    QVariant Move(QString* position, DbRecordset* records, const QString& selectText, const QString& condition, int mode,
                  qint64 currentId, const QString& idColumn, int reserved = 1);
    // The first record that also satisfies findCondition; the position counts among condition.
    QVariant Find(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                  const QString& findCondition, const QString& idColumn);
    // The next free id of the table: one above the largest; *newId is 1 for an empty table.
    // Answers the failure text, or the empty text on success.
    QString NewID(const QString& table, const QString& idColumn, qint64* newId);

private:
    // The id chosen by aggregate (min or max) among the records of where; null when none.
    QVariant pick(const QString& aggregate, const QString& selectText, const QString& idColumn, const QString& where);
    QVariant show(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                  const QString& idColumn, const QVariant& id);
    QVariant failure();

    Database* m_db = nullptr;
};
