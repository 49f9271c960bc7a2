#include "database/DbCommand.h"

#include "database/Database.h"

bool DbCommand::Run(int* affected)
{
    QSqlQuery query;
    const bool ok = m_db->exec(m_sql, &query);
    if (affected)
        *affected = ok ? query.numRowsAffected() : 0;
    return ok;
}

QVariant DbCommand::Value()
{
    QSqlQuery query;
    if (!m_db->exec(m_sql, &query) || !query.next())
        return {};
    return query.value(0);
}

DbRecordset DbCommand::Recordset()
{
    QSqlQuery query;
    if (!m_db->exec(m_sql, &query))
        return {};
    return DbRecordset(std::move(query));
}
