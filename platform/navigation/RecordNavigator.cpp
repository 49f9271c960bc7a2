#include "navigation/RecordNavigator.h"

#include "database/Database.h"

#include <algorithm>

namespace {

QString where(const QString& condition)
{
    return condition.trimmed().isEmpty() ? QString() : QStringLiteral(" where (") + condition + QLatin1Char(')');
}

QString both(const QString& a, const QString& b)
{
    if (a.trimmed().isEmpty())
        return b;
    if (b.trimmed().isEmpty())
        return a;
    return QLatin1Char('(') + a + QStringLiteral(") and (") + b + QLatin1Char(')');
}

}  // namespace

QVariant RecordNavigator::failure()
{
    const QString message = m_db->LastError().Message;
    m_db->ClearError();
    return message;
}

QVariant RecordNavigator::pick(const QString& aggregate, const QString& selectText, const QString& idColumn, const QString& condition)
{
    return m_db->Execute(QStringLiteral("select %1(nav_t.%2) from (%3%4) nav_t").arg(aggregate, idColumn, selectText, where(condition)), 1)
        .Value();
}

QVariant RecordNavigator::Move(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                               int mode, qint64 currentId, const QString& idColumn, int /*reserved*/)
{
    if (!m_db)
        return QStringLiteral("RecordNavigator: no database");
    *records = {};
    position->clear();
    QVariant id;
    const QString current = QString::number(currentId);
    switch (mode) {
    case Previous:
        id = pick(QStringLiteral("max"), selectText, idColumn, both(condition, idColumn + QStringLiteral("<") + current));
        if (id.isNull() && m_db->LastError().IsEmpty())
            id = pick(QStringLiteral("min"), selectText, idColumn, condition);
        break;
    case Next:
        id = pick(QStringLiteral("min"), selectText, idColumn, both(condition, idColumn + QStringLiteral(">") + current));
        if (id.isNull() && m_db->LastError().IsEmpty())
            id = pick(QStringLiteral("max"), selectText, idColumn, condition);
        break;
    case Last:
        id = pick(QStringLiteral("max"), selectText, idColumn, condition);
        break;
    default:
        id = pick(QStringLiteral("min"), selectText, idColumn, condition);
        break;
    }
    if (!m_db->LastError().IsEmpty())
        return failure();
    return show(position, records, selectText, condition, idColumn, id, mode);
}

QVariant RecordNavigator::Find(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                               const QString& findCondition, const QString& idColumn)
{
    if (!m_db)
        return QStringLiteral("RecordNavigator: no database");
    *records = {};
    position->clear();
    const QVariant id = pick(QStringLiteral("min"), selectText, idColumn, both(condition, findCondition));
    if (!m_db->LastError().IsEmpty())
        return failure();
    return show(position, records, selectText, condition, idColumn, id, Next);
}

qint64 RecordNavigator::count(const QString& selectText, const QString& idColumn, const QString& condition)
{
    return m_db->Execute(QStringLiteral("select count(nav_t.%1) from (%2%3) nav_t").arg(idColumn, selectText, where(condition)), 1)
        .Value()
        .toLongLong();
}

bool RecordNavigator::locate(const QString& selectText, const QString& condition, const QString& idColumn, qint64 id, int mode,
                             qint64* position)
{
    const QString scope = selectText + QLatin1Char('\n') + condition + QLatin1Char('\n') + idColumn;
    const QString target = QString::number(id);
    auto between = [&](qint64 above, qint64 upTo) {
        return count(selectText, idColumn,
                     both(condition, QStringLiteral("%1>%2 and %1<=%3").arg(idColumn).arg(above).arg(upTo)));
    };
    if (m_counted.scope != scope) {
        DbRecordset counts = m_db->Execute(QStringLiteral("select count(*), sum(case when nav_t.%1<=%2 then 1 else 0 end), max(nav_t.%1) from (%3%4) nav_t")
                                               .arg(idColumn, target, selectText, where(condition)),
                                           1)
                                 .Recordset();
        if (!m_db->LastError().IsEmpty())
            return false;
        m_counted = {scope, counts.Field(0).toLongLong(), counts.Field(2).toLongLong(), id, counts.Field(1).toLongLong()};
    } else {
        DbRecordset added = m_db->Execute(QStringLiteral("select count(*), max(nav_t.%1) from (%2%3) nav_t")
                                              .arg(idColumn, selectText, where(both(condition, idColumn + QLatin1Char('>') + QString::number(m_counted.maxId)))),
                                          1)
                                .Recordset();
        if (!m_db->LastError().IsEmpty())
            return false;
        m_counted.total += added.Field(0).toLongLong();
        m_counted.maxId = std::max(m_counted.maxId, added.Field(1).toLongLong());
        qint64 at = 0;
        if (mode == First)
            at = count(selectText, idColumn, both(condition, idColumn + QStringLiteral("<=") + target));
        else if (mode == Last)
            at = m_counted.total - count(selectText, idColumn, both(condition, idColumn + QLatin1Char('>') + target));
        else if (id >= m_counted.anchorId)
            at = m_counted.anchorPosition + between(m_counted.anchorId, id);
        else
            at = m_counted.anchorPosition - between(id, m_counted.anchorId);
        if (!m_db->LastError().IsEmpty())
            return false;
        m_counted.anchorId = id;
        m_counted.anchorPosition = at;
    }
    *position = m_counted.anchorPosition;
    return true;
}

QVariant RecordNavigator::show(QString* position, DbRecordset* records, const QString& selectText, const QString& condition,
                               const QString& idColumn, const QVariant& id, int mode)
{
    if (id.isNull())
        return {};
    const qint64 shown = id.toLongLong();
    qint64 at = 0;
    if (!locate(selectText, condition, idColumn, shown, mode, &at)) {
        m_counted = {};
        return failure();
    }
    const QString target = QString::number(shown);
    *position = QStringLiteral("%1/%2").arg(at).arg(m_counted.total);
    *records = m_db->Execute(selectText + where(both(condition, idColumn + QLatin1Char('=') + target)), 1).Recordset();
    if (!m_db->LastError().IsEmpty())
        return failure();
    return QString(QLatin1String(""));
}

QString RecordNavigator::NewID(const QString& table, const QString& idColumn, qint64* newId)
{
    if (!m_db)
        return QStringLiteral("RecordNavigator: no database");
    const QVariant max = m_db->Execute(QStringLiteral("select max(%1) from %2").arg(idColumn, table), 1).Value();
    if (!m_db->LastError().IsEmpty())
        return failure().toString();
    *newId = max.toLongLong() + 1;
    return {};
}
