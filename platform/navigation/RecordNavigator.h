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
// The count of a condition is read once and then kept up to date from the records added above
// the largest id counted; positions are counted from the nearer known point (start, end or the
// record shown last), so a step never reads all records of a large condition again. Records
// removed by others are seen after Invalidate or a change of condition.
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
    // Forgets the kept count, so that the next step counts again (after a deletion).
    void Invalidate() { m_counted = {}; }

private:
    // The id chosen by aggregate (min or max) among the records of where; null when none.
    QVariant pick(const QString& aggregate, const QString& selectText, const QString& idColumn, const QString& where);
    QVariant show(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                  const QString& idColumn, const QVariant& id, int mode);
    // The position of id among condition and the count, from the kept count where it applies.
    bool locate(const QString& selectText, const QString& condition, const QString& idColumn, qint64 id, int mode,
                qint64* position);
    qint64 count(const QString& selectText, const QString& idColumn, const QString& where);
    QVariant failure();

    // The kept count of one select text, condition and id column.
    struct Counted {
        QString scope;
        qint64 total = 0;
        qint64 maxId = 0;
        qint64 anchorId = 0;   // the record shown last and its position
        qint64 anchorPosition = 0;
    };

    Database* m_db = nullptr;
    Counted m_counted;
};
