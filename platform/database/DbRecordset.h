#pragma once

#include "PlatformExport.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <memory>

// A forward-readable record set over the result of one statement. Copies share the same cursor.
// Fields are found by name without regard to letter case. A record set of a failed statement
// is empty: Bof and Eof are both true (EOF is a C macro, hence the spelling).
class ORVEL_PLATFORM_EXPORT DbRecordset {
public:
    DbRecordset();

    bool Bof() const;
    bool Eof() const;
    void MoveNext();
    void Close();
    bool IsOpen() const;

    int FieldCount() const;
    QString FieldName(int index) const;
    int FieldIndex(const QString& name) const;  // -1 when the set has no such field
    QVariant Field(const QString& name) const;  // null when at EOF or no such field
    QVariant Field(int index) const;

    // The remaining rows, each a list of field values in column order; the set ends at EOF.
    QList<QVariantList> GetRows();

private:
    friend class DbCommand;
    explicit DbRecordset(QSqlQuery&& query);

    struct State {
        QSqlQuery query;
        QSqlRecord record;
        bool bof = true;
        bool eof = true;
        bool open = false;
    };
    std::shared_ptr<State> m_state;
};
