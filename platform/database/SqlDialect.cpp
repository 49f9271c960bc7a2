#include "database/SqlDialect.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <map>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Parses the inside of a #...# literal: yyyy-m-d, yyyy/m/d or m/d/yyyy, with an optional time.
QString normaliseDateLiteral(const QString& text, bool* ok)
{
    static const QRegularExpression isoForm(
        QStringLiteral(R"(^\s*(\d{4})[-/](\d{1,2})[-/](\d{1,2})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    static const QRegularExpression usForm(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    int year = 0, month = 0, day = 0;
    QRegularExpressionMatch m = isoForm.match(text);
    if (m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else {
        m = usForm.match(text);
        if (!m.hasMatch()) {
            *ok = false;
            return {};
        }
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
        year = m.captured(3).toInt();
    }
    const QDate date(year, month, day);
    *ok = date.isValid();
    if (!*ok)
        return {};
    if (m.captured(4).isEmpty())
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    *ok = time.isValid();
    return date.toString(QStringLiteral("yyyy-MM-dd ")) + time.toString(QStringLiteral("HH:mm:ss"));
}

class Translator {
public:
    Translator(const QString& sql, SqlEngine engine) : m_in(sql), m_engine(engine) {}

    QString run(QString* error)
    {
        const bool limits = m_engine != SqlEngine::SqlServer;
        while (m_pos < m_in.size()) {
            const QChar c = m_in.at(m_pos);
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                copyQuoted(c);
            } else if (c == QLatin1Char('[')) {
                bracketName();
            } else if (c == QLatin1Char('#')) {
                if (!dateLiteral(error))
                    return {};
            } else if (c == QLatin1Char('(')) {
                ++m_depth;
                m_out += c;
                ++m_pos;
            } else if (c == QLatin1Char(')')) {
                closeLimit(m_depth);
                m_leftCalls.erase(m_depth);
                --m_depth;
                m_out += c;
                ++m_pos;
            } else if (c == QLatin1Char(',') && m_leftCalls.count(m_depth) && !m_leftCalls[m_depth]) {
                m_leftCalls[m_depth] = true;
                m_out += QStringLiteral(", 1,");
                ++m_pos;
            } else if (isWordChar(c)) {
                word(limits);
            } else {
                m_out += c;
                ++m_pos;
            }
        }
        if (m_limits.count(0)) {
            while (!m_out.isEmpty() && (m_out.back().isSpace() || m_out.back() == QLatin1Char(';')))
                m_out.chop(1);
            closeLimit(0);
        }
        return m_out;
    }

private:
    void copyQuoted(QChar quote)
    {
        int end = m_pos + 1;
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
        end = qMin<int>(end + 1, m_in.size());
        m_out += QStringView(m_in).mid(m_pos, end - m_pos);
        m_pos = end;
    }

    void bracketName()
    {
        const int end = m_in.indexOf(QLatin1Char(']'), m_pos + 1);
        if (end < 0 || m_engine != SqlEngine::Postgres) {
            const int stop = end < 0 ? m_in.size() : end + 1;
            m_out += QStringView(m_in).mid(m_pos, stop - m_pos);
            m_pos = stop;
            return;
        }
        m_out += QLatin1Char('"') + m_in.mid(m_pos + 1, end - m_pos - 1).toLower() + QLatin1Char('"');
        m_pos = end + 1;
    }

    bool dateLiteral(QString* error)
    {
        const int end = m_in.indexOf(QLatin1Char('#'), m_pos + 1);
        const QString inner = end < 0 ? m_in.mid(m_pos + 1) : m_in.mid(m_pos + 1, end - m_pos - 1);
        bool ok = end >= 0;
        const QString date = ok ? normaliseDateLiteral(inner, &ok) : QString();
        if (!ok) {
            *error = QStringLiteral("语句中的日期常量无效: #%1%2").arg(inner, end < 0 ? QString() : QStringLiteral("#"));
            return false;
        }
        m_out += QLatin1Char('\'') + date + QLatin1Char('\'');
        m_pos = end + 1;
        return true;
    }

    // The next non-space character after position p, or a null char.
    int skipSpaces(int p) const
    {
        while (p < m_in.size() && m_in.at(p).isSpace())
            ++p;
        return p;
    }

    void word(bool limits)
    {
        int end = m_pos;
        while (end < m_in.size() && isWordChar(m_in.at(end)))
            ++end;
        const QString w = m_in.mid(m_pos, end - m_pos);
        const QString lower = w.toLower();
        const int next = skipSpaces(end);
        const bool call = next < m_in.size() && m_in.at(next) == QLatin1Char('(');

        if (lower == QLatin1String("select")) {
            m_selectAt = m_depth;
            m_out += w;
            m_pos = end;
            return;
        }
        if (m_selectAt == m_depth && (lower == QLatin1String("distinct") || lower == QLatin1String("all"))) {
            m_out += w;
            m_pos = end;
            return;
        }
        if (limits && m_selectAt == m_depth && lower == QLatin1String("top")) {
            int numEnd = next;
            while (numEnd < m_in.size() && m_in.at(numEnd).isDigit())
                ++numEnd;
            if (numEnd > next) {
                m_limits[m_depth] = m_in.mid(next, numEnd - next);
                m_selectAt = -1;
                m_pos = skipSpaces(numEnd);
                return;
            }
        }
        m_selectAt = -1;
        if (lower == QLatin1String("getdate") && call) {
            const int close = skipSpaces(next + 1);
            if (close < m_in.size() && m_in.at(close) == QLatin1Char(')')) {
                m_out += SqlDialect::CurrentDateTime(m_engine);
                m_pos = close + 1;
                return;
            }
        }
        if (lower == QLatin1String("left") && call && m_engine == SqlEngine::Sqlite) {
            m_out += QStringLiteral("substr");
            m_leftCalls[m_depth + 1] = false;
            m_pos = end;
            return;
        }
        m_out += w;
        m_pos = end;
    }

    void closeLimit(int depth)
    {
        const auto it = m_limits.find(depth);
        if (it == m_limits.end())
            return;
        m_out += QStringLiteral(" limit ") + it->second;
        m_limits.erase(it);
    }

    const QString& m_in;
    SqlEngine m_engine;
    QString m_out;
    int m_pos = 0;
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
