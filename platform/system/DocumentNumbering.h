#pragma once

#include "system/DbAccess.h"

#include <QDate>
#include <QString>

class Database;

// Document numbers by the rule of a program in xt_numbering: prefix + the date in the rule's
// date format + a running counter of at least `width` digits. The counter runs per program and
// date key in xt_numberstate and only moves forward when a number is taken, in one transaction,
// so that no number is handed out twice even with several operators.
class DocumentNumbering {
public:
    explicit DocumentNumbering(Database* db) : m_db(db), m_access(db) {}

    // preview: *number becomes the next number of the date without taking it (empty when the
    // program has no rule). Take: an empty *number receives a new number; a number of the rule
    // is registered as used, or replaced by the next free one when it was already taken; a
    // number the rule does not describe (typed by the operator) stays as it is.
    bool Next(int program, const QDate& date, QString* number, bool preview);
    // Gives the number back when it is the last one taken for its date key; any other number
    // is simply not reused. False only when the database failed.
    bool Release(int program, const QDate& date, const QString& number);

    const QString& Error() const { return m_error; }

private:
    struct Rule {
        QString prefix;
        QString dateFormat;
        int width = 4;
    };
    struct RuleNumber {
        QString dateKey;
        int counter = 0;
    };

    // False on a database failure; *found tells whether the program has a rule.
    bool loadRule(int program, Rule* rule, bool* found);
    bool readLast(int program, const QString& dateKey, int* last);
    bool take(int program, const QString& dateKey, int wanted, int* taken);
    bool takeStatements(int program, const QString& dateKey, int wanted, int* taken);
    static bool parse(const Rule& rule, const QDate& date, const QString& number, RuleNumber* out);
    static QString format(const Rule& rule, const QString& dateKey, int counter);
    QString keyCondition(int program, const QString& dateKey) const;
    bool fail(const QString& message);

    Database* m_db;
    DbAccess m_access;
    QString m_error;
};
