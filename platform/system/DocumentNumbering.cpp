#include "system/DocumentNumbering.h"

#include <algorithm>

namespace {

constexpr int kMaxWidth = 9;  // the counter is a 32-bit integer

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

bool DocumentNumbering::Next(int program, const QDate& date, QString* number, bool preview)
{
    m_error.clear();
    if (!date.isValid())
        return fail(QStringLiteral("单据日期无效，无法生成单据编号"));
    Rule rule;
    bool found = false;
    if (!loadRule(program, &rule, &found))
        return false;
    const QString dateKey = date.toString(rule.dateFormat);
    if (preview) {
        int last = 0;
        if (found && !readLast(program, dateKey, &last))
            return false;
        *number = found ? format(rule, dateKey, last + 1) : QString();
        return true;
    }
    if (!found)
        return true;
    RuleNumber wanted{dateKey, 0};
    if (!number->trimmed().isEmpty() && !parse(rule, date, number->trimmed(), &wanted))
        return true;  // the operator's own number
    int taken = 0;
    if (!take(program, wanted.dateKey, wanted.counter, &taken))
        return false;
    *number = format(rule, wanted.dateKey, taken);
    return true;
}

bool DocumentNumbering::Release(int program, const QDate& date, const QString& number)
{
    m_error.clear();
    Rule rule;
    bool found = false;
    if (!loadRule(program, &rule, &found))
        return false;
    RuleNumber given;
    if (!found || !date.isValid() || !parse(rule, date, number.trimmed(), &given))
        return true;
    if (!m_access.Run(QStringLiteral("update xt_numberstate set lastno=lastno-1 where %1 and lastno=%2")
                          .arg(keyCondition(program, given.dateKey), QString::number(given.counter))))
        return fail(m_access.Error());
    return true;
}

bool DocumentNumbering::loadRule(int program, Rule* rule, bool* found)
{
    bool ok = false;
    DbRecordset rs = m_access.Rows(
        QStringLiteral("select prefix, dateformat, width from xt_numbering where progid=%1").arg(program), &ok);
    if (!ok)
        return fail(m_access.Error());
    *found = !rs.Eof();
    if (*found) {
        rule->prefix = rs.Field(QStringLiteral("prefix")).toString();
        rule->dateFormat = rs.Field(QStringLiteral("dateformat")).toString();
        rule->width = std::clamp(rs.Field(QStringLiteral("width")).toInt(), 1, kMaxWidth);
    }
    rs.Close();
    return true;
}

bool DocumentNumbering::readLast(int program, const QString& dateKey, int* last)
{
    bool ok = false;
    *last = m_access.Value(QStringLiteral("select lastno from xt_numberstate where %1").arg(keyCondition(program, dateKey)), &ok)
                .toInt();
    return ok || fail(m_access.Error());
}

bool DocumentNumbering::take(int program, const QString& dateKey, int wanted, int* taken)
{
    // Inside a caller's transaction the counter row stays locked until the caller ends it.
    const bool own = !m_db->InTransaction();
    if (own && !m_db->BeginTrans()) {
        fail(m_db->LastError().Message);
        m_db->ClearError();
        return false;
    }
    const bool done = takeStatements(program, dateKey, wanted, taken);
    if (!own)
        return done;
    if (!done) {
        m_db->RollbackTrans();
        return false;
    }
    if (!m_db->CommitTrans()) {
        fail(m_db->LastError().Message);
        m_db->ClearError();
        return false;
    }
    return true;
}

bool DocumentNumbering::takeStatements(int program, const QString& dateKey, int wanted, int* taken)
{
    const QString values = QStringLiteral("%1, %2, 0").arg(program).arg(m_access.Quote(dateKey));
    const QString create = m_db->Engine() == SqlEngine::SqlServer
        ? QStringLiteral("insert into xt_numberstate (progid, datekey, lastno) select %1 where not exists "
                         "(select 1 from xt_numberstate where %2)").arg(values, keyCondition(program, dateKey))
        : QStringLiteral("insert into xt_numberstate (progid, datekey, lastno) values (%1) on conflict do nothing").arg(values);
    // One statement moves the counter: to the wanted number when it is still free, otherwise on by one.
    const QString advance = QStringLiteral("update xt_numberstate set lastno=case when lastno<%1 then %1 else lastno+1 end where %2")
                                .arg(wanted)
                                .arg(keyCondition(program, dateKey));
    if (!m_access.Run(create) || !m_access.Run(advance))
        return fail(m_access.Error());
    return readLast(program, dateKey, taken);
}

bool DocumentNumbering::parse(const Rule& rule, const QDate& date, const QString& number, RuleNumber* out)
{
    const int keyLength = date.toString(rule.dateFormat).length();
    if (!number.startsWith(rule.prefix))
        return false;
    const QString rest = number.mid(rule.prefix.length());
    const QString dateKey = rest.left(keyLength);
    const QString digits = rest.mid(keyLength);
    if (!allDigits(digits) || digits.length() > kMaxWidth)
        return false;
    if (keyLength > 0) {
        const QDate keyDate = QDate::fromString(dateKey, rule.dateFormat);
        if (!keyDate.isValid() || keyDate.toString(rule.dateFormat) != dateKey)
            return false;
    }
    const int counter = digits.toInt();
    if (counter < 1 || format(rule, dateKey, counter) != number)
        return false;
    *out = {dateKey, counter};
    return true;
}

QString DocumentNumbering::format(const Rule& rule, const QString& dateKey, int counter)
{
    return rule.prefix + dateKey + QStringLiteral("%1").arg(counter, rule.width, 10, QLatin1Char('0'));
}

QString DocumentNumbering::keyCondition(int program, const QString& dateKey) const
{
    return QStringLiteral("progid=%1 and datekey=%2").arg(program).arg(m_access.Quote(dateKey));
}

bool DocumentNumbering::fail(const QString& message)
{
    m_error = message;
    return false;
}
