#pragma once

#include "CnoteEntry.h"

#include <QDate>
#include <QString>

class Database;

// The statements that write a note. Text values go in through Database::Quote, dates in the
// driver's syntax, amounts as the number the box shows.
class CnoteStatements {
public:
    CnoteStatements(const Database& db, const CnoteEntry& entry) : m_db(db), m_entry(entry) {}

    QString DuplicateWhenChanging(qint64 id, int program) const;
    QString DuplicateForNew(const QString& number, int program) const;
    static QString StoredNumber(qint64 id);
    QString Update(qint64 id) const;
    QString Insert(qint64 id, int program) const;
    QString RemoveGoods() const;
    QString InsertGoods(const CnoteEntry::GoodsLine& line) const;
    static QString DeleteNote(qint64 id);
    QString DeleteGoods() const;
    // A note of any program other than id that holds the shown number.
    QString NumberUsedElsewhere(qint64 id) const;

    // "自提", "直送" or empty, by the collection check boxes.
    QString CollectionMode() const;
    // The consignment date, 1900-01-01 when the box is empty.
    QDate ConsignmentDate() const;

private:
    struct Assignment {
        QString column;
        QString value;
    };
    QList<Assignment> headerValues() const;
    QString text(int box) const;
    QString number(int box) const;

    const Database& m_db;
    const CnoteEntry& m_entry;
};
