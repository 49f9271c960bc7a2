#include "database/SqlDialect.h"

#include <QDate>
#include <QTime>

#include <map>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Reads digits at text[*pos]; false when there are none or more than maxDigits.
bool readNumber(QStringView text, qsizetype* pos, int maxDigits, int* value)
{
    qsizetype p = *pos;
    int v = 0;
    while (p < text.size() && text.at(p).isDigit() && p - *pos < maxDigits)
        v = v * 10 + text.at(p++).digitValue();
    if (p == *pos || (p < text.size() && text.at(p).isDigit()))
        return false;
    *value = v;
    *pos = p;
    return true;
}

bool expect(QStringView text, qsizetype* pos, QChar c)
{
    if (*pos < text.size() && text.at(*pos) == c) {
        ++*pos;
        return true;
    }
    return false;
}

void appendPadded(QString* out, int value, int width)
{
    QString digits = QString::number(value);
    out->append(QString(width - digits.size(), QLatin1Char('0')) + digits);
}

// Parses the inside of a #...# literal: yyyy-m-d, yyyy/m/d or m/d/yyyy, with an optional time
// h:mm[:ss]. Returns 'yyyy-mm-dd' or 'yyyy-mm-dd hh:mm:ss'; empty when it is not a date.
QString normaliseDateLiteral(QStringView text)
{
    text = text.trimmed();
    qsizetype p = 0;
    int a = 0, b = 0, c = 0, year = 0, month = 0, day = 0;
    if (!readNumber(text, &p, 4, &a))
        return {};
    const bool yearFirst = p == 4;
    const QChar sep = p < text.size() ? text.at(p) : QChar();
    if (sep != QLatin1Char('-') && sep != QLatin1Char('/'))
        return {};
    ++p;
    if (!readNumber(text, &p, 2, &b) || !(expect(text, &p, QLatin1Char('-')) || expect(text, &p, QLatin1Char('/')))
        || !readNumber(text, &p, 4, &c))
        return {};
    if (yearFirst) {
        year = a, month = b, day = c;
    } else if (sep == QLatin1Char('/') && c >= 1000) {
        month = a, day = b, year = c;
    } else {
        return {};
    }
    if (!QDate::isValid(year, month, day))
        return {};
    QString out;
    out.reserve(19);
    appendPadded(&out, year, 4);
    out += QLatin1Char('-');
    appendPadded(&out, month, 2);
    out += QLatin1Char('-');
    appendPadded(&out, day, 2);
    if (p == text.size())
        return out;
    int hour = 0, minute = 0, second = 0;
    if (!text.at(p).isSpace())
        return {};
    while (p < text.size() && text.at(p).isSpace())
        ++p;
    if (!readNumber(text, &p, 2, &hour) || !expect(text, &p, QLatin1Char(':')) || !readNumber(text, &p, 2, &minute))
        return {};
    if (expect(text, &p, QLatin1Char(':')) && !readNumber(text, &p, 2, &second))
        return {};
    if (p != text.size() || !QTime::isValid(hour, minute, second))
        return {};
    out += QLatin1Char(' ');
    appendPadded(&out, hour, 2);
    out += QLatin1Char(':');
    appendPadded(&out, minute, 2);
    out += QLatin1Char(':');
    appendPadded(&out, second, 2);
    return out;
}

// Walks the statement once. Text that stays as it is is copied in spans; only rewritten places
// are built anew, and a statement with nothing to rewrite is returned as it came.
class Translator {
public:
    Translator(const QString& sql, SqlEngine engine) : m_in(sql), m_engine(engine) {}

    QString run(QString* error)
    {
        const bool limits = m_engine != SqlEngine::SqlServer;
        while (m_pos < m_in.size()) {
            const QChar c = m_in.at(m_pos);
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                skipQuoted(c);
            } else if (c == QLatin1Char('[')) {
                bracketName();
            } else if (c == QLatin1Char('#')) {
                if (!dateLiteral(error))
                    return {};
            } else if (c == QLatin1Char('(')) {
                ++m_depth;
                ++m_pos;
            } else if (c == QLatin1Char(')')) {
                closeLimit(m_depth, m_pos);
                m_leftCalls.erase(m_depth);
                --m_depth;
                ++m_pos;
            } else if (c == QLatin1Char(',') && m_leftCalls.count(m_depth) && !m_leftCalls[m_depth]) {
                m_leftCalls[m_depth] = true;
                replace(m_pos, m_pos + 1, QStringLiteral(", 1,"));
                ++m_pos;
            } else if (isWordChar(c)) {
                word(limits);
            } else {
                ++m_pos;
            }
        }
        if (m_limits.count(0)) {
            qsizetype end = m_in.size();
            while (end > m_flushed && (m_in.at(end - 1).isSpace() || m_in.at(end - 1) == QLatin1Char(';')))
                --end;
            closeLimit(0, end);
            m_flushed = m_in.size();
        }
        if (m_flushed == 0)
            return m_in;
        m_out += QStringView(m_in).mid(m_flushed);
        return m_out;
    }

private:
    // Replaces m_in[from, to) by text in the output.
    void replace(qsizetype from, qsizetype to, QStringView text)
    {
        m_out += QStringView(m_in).mid(m_flushed, from - m_flushed);
        m_out += text;
        m_flushed = to;
    }

    void skipQuoted(QChar quote)
    {
        qsizetype end = m_pos + 1;
        while (end < m_in.size()) {
            if (m_in.at(end) == quote) {
                if (end + 1 < m_in.size() && m_in.at(end + 1) == quote) {
                    end += 2;
                    continue;
                }
                break;
            }
            ++end;
        }
        m_pos = qMin<qsizetype>(end + 1, m_in.size());
    }

    void bracketName()
    {
        const qsizetype end = m_in.indexOf(QLatin1Char(']'), m_pos + 1);
        if (end < 0 || m_engine != SqlEngine::Postgres) {
            m_pos = end < 0 ? m_in.size() : end + 1;
            return;
        }
        replace(m_pos, end + 1, QString(QLatin1Char('"') + m_in.mid(m_pos + 1, end - m_pos - 1).toLower() + QLatin1Char('"')));
        m_pos = end + 1;
    }

    bool dateLiteral(QString* error)
    {
        const qsizetype end = m_in.indexOf(QLatin1Char('#'), m_pos + 1);
        const QStringView inner = end < 0 ? QStringView(m_in).mid(m_pos + 1) : QStringView(m_in).mid(m_pos + 1, end - m_pos - 1);
        const QString date = end < 0 ? QString() : normaliseDateLiteral(inner);
        if (date.isEmpty()) {
            *error = QStringLiteral("语句中的日期常量无效: #%1%2").arg(inner, end < 0 ? QString() : QStringLiteral("#"));
            return false;
        }
        replace(m_pos, end + 1, QString(QLatin1Char('\'') + date + QLatin1Char('\'')));
        m_pos = end + 1;
        return true;
    }

    qsizetype skipSpaces(qsizetype p) const
    {
        while (p < m_in.size() && m_in.at(p).isSpace())
            ++p;
        return p;
    }

    void word(bool limits)
    {
        qsizetype end = m_pos;
        while (end < m_in.size() && isWordChar(m_in.at(end)))
            ++end;
        const QStringView w = QStringView(m_in).mid(m_pos, end - m_pos);
        const auto is = [&w](QLatin1String keyword) { return w.compare(keyword, Qt::CaseInsensitive) == 0; };
        const qsizetype next = skipSpaces(end);
        const bool call = next < m_in.size() && m_in.at(next) == QLatin1Char('(');
        const int selectAt = m_selectAt;
        m_selectAt = -1;
        m_pos = end;

        if (is(QLatin1String("select"))) {
            m_selectAt = m_depth;
        } else if (selectAt == m_depth && (is(QLatin1String("distinct")) || is(QLatin1String("all")))) {
            m_selectAt = selectAt;
        } else if (limits && selectAt == m_depth && is(QLatin1String("top"))) {
            qsizetype numEnd = next;
            while (numEnd < m_in.size() && m_in.at(numEnd).isDigit())
                ++numEnd;
            if (numEnd > next) {
                m_limits[m_depth] = m_in.mid(next, numEnd - next);
                const qsizetype after = skipSpaces(numEnd);
                replace(end - w.size(), after, {});
                m_pos = after;
            }
        } else if (call && is(QLatin1String("getdate"))) {
            const qsizetype close = skipSpaces(next + 1);
            if (close < m_in.size() && m_in.at(close) == QLatin1Char(')')) {
                replace(end - w.size(), close + 1, SqlDialect::CurrentDateTime(m_engine));
                m_pos = close + 1;
            }
        } else if (call && m_engine == SqlEngine::Sqlite && is(QLatin1String("left"))) {
            replace(end - w.size(), end, u"substr");
            m_leftCalls[m_depth + 1] = false;
        }
    }

    void closeLimit(int depth, qsizetype at)
    {
        const auto it = m_limits.find(depth);
        if (it == m_limits.end())
            return;
        replace(at, at, QString(QStringLiteral(" limit ") + it->second));
        m_limits.erase(it);
    }

    const QString& m_in;
    SqlEngine m_engine;
    QString m_out;
    qsizetype m_flushed = 0;             // m_in before this index is already in m_out
    qsizetype m_pos = 0;
    int m_depth = 0;
    int m_selectAt = -1;                 // depth of a select whose column list has not begun
    std::map<int, QString> m_limits;     // depth -> row limit taken from "top N"
    std::map<int, bool> m_leftCalls;     // depth of a left( call -> its first comma was rewritten
};

}  // namespace

QString SqlDialect::Translate(const QString& sql, SqlEngine engine, QString* error)
{
    Translator t(sql, engine);
    return t.run(error);
}

QString SqlDialect::CurrentDateTime(SqlEngine engine)
{
    switch (engine) {
    case SqlEngine::Sqlite:
        return QStringLiteral("datetime('now','localtime')");
    case SqlEngine::Postgres:
        return QStringLiteral("localtimestamp(0)");
    case SqlEngine::SqlServer:
        break;
    }
    return QStringLiteral("getdate()");
}
