#include "system/DbAccess.h"

template <typename Call>
bool DbAccess::guarded(Call call)
{
    const ErrorInfo before = m_db->LastError();
    const bool ran = call();
    const ErrorInfo& after = m_db->LastError();
    const bool failed = !ran || after.Message != before.Message || after.Statement != before.Statement;
    m_error = failed ? after.Message : QString();
    if (failed && m_error.isEmpty())
        m_error = QStringLiteral("数据库操作失败");
    if (failed && before.IsEmpty())
        m_db->ClearError();
    return !failed;
}

bool DbAccess::Run(const QString& sql, int* affected)
{
    return guarded([&] { return m_db->Execute(sql, 1).Run(affected); });
}

QVariant DbAccess::Value(const QString& sql, bool* ok)
{
    QVariant value;
    const bool done = guarded([&] {
        value = m_db->Execute(sql, 1).Value();
        return true;
    });
    if (ok)
        *ok = done;
    return value;
}

DbRecordset DbAccess::Rows(const QString& sql, bool* ok)
{
    DbRecordset rows;
    const bool done = guarded([&] {
        rows = m_db->Execute(sql, 1).Recordset();
        return true;
    });
    if (ok)
        *ok = done;
    return rows;
}
