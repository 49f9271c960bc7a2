#include "database/DbRecordset.h"

DbRecordset::DbRecordset() : m_state(std::make_shared<State>()) {}

DbRecordset::DbRecordset(QSqlQuery&& query) : m_state(std::make_shared<State>())
{
    m_state->query = std::move(query);
    m_state->record = m_state->query.record();
    m_state->open = true;
    m_state->eof = !m_state->query.next();
    m_state->bof = m_state->eof;
}

bool DbRecordset::Bof() const { return m_state->bof; }
bool DbRecordset::Eof() const { return m_state->eof; }
bool DbRecordset::IsOpen() const { return m_state->open; }

void DbRecordset::MoveNext()
{
    if (m_state->eof)
        return;
    m_state->bof = false;
    m_state->eof = !m_state->query.next();
}

void DbRecordset::Close()
{
    m_state->query.finish();
    m_state->open = false;
    m_state->eof = true;
}

int DbRecordset::FieldCount() const { return m_state->record.count(); }
QString DbRecordset::FieldName(int index) const { return m_state->record.fieldName(index); }
int DbRecordset::FieldIndex(const QString& name) const { return m_state->record.indexOf(name); }

QVariant DbRecordset::Field(int index) const
{
    if (m_state->eof || index < 0 || index >= m_state->record.count())
        return {};
    return m_state->query.value(index);
}

QVariant DbRecordset::Field(const QString& name) const
{
    return Field(m_state->record.indexOf(name));
}

QList<QVariantList> DbRecordset::GetRows()
{
    QList<QVariantList> rows;
    const int columns = m_state->record.count();
    while (!m_state->eof) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(m_state->query.value(i));
        rows.append(std::move(row));
        MoveNext();
    }
    return rows;
}
