#include "commandline/CommandLineParser.h"

namespace {

// Splits at blanks outside double quotes; the quotes themselves are dropped.
QStringList words(const QString& text)
{
    QStringList out;
    QString current;
    bool quoted = false;
    bool any = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            any = true;
        } else if (c.isSpace() && !quoted) {
            if (any)
                out << current;
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        out << current;
    return out;
}

}  // namespace

void CommandLineParser::Parse(const QString& commandLine)
{
    m_options.clear();
    for (const QString& word : words(commandLine)) {
        if (word.size() < 2 || (word.front() != QLatin1Char('/') && word.front() != QLatin1Char('-')))
            continue;
        const QString body = word.mid(1);
        const qsizetype colon = body.indexOf(QLatin1Char(':'));
        const qsizetype equals = body.indexOf(QLatin1Char('='));
        qsizetype split = colon < 0 ? equals : (equals < 0 ? colon : qMin(colon, equals));
        const QString name = (split < 0 ? body : body.left(split)).trimmed().toLower();
        if (!name.isEmpty())
            m_options.insert(name, split < 0 ? QString() : body.mid(split + 1));
    }
}

CommandLineOption CommandLineParser::Option(const QString& name) const
{
    const auto it = m_options.constFind(name.trimmed().toLower());
    if (it == m_options.constEnd())
        return {};
    return {true, it.value()};
}
