#include "system/SqlTemplate.h"

#include "database/Database.h"

namespace {

QString doubledQuotes(const QString& text)
{
    QString inner = text;
    inner.remove(QChar(0));
    inner.replace(QLatin1Char('\''), QLatin1String("''"));
    return inner;
}

}  // namespace

QString SqlTemplate::FillTypedText(const QString& sql, const QString& text, const Database& db)
{
    return FillTypedText(sql, text, db.Quote(text));
}

QString SqlTemplate::FillTypedText(const QString& sql, const QString& text)
{
    return FillTypedText(sql, text, QLatin1Char('\'') + doubledQuotes(text) + QLatin1Char('\''));
}

QString SqlTemplate::FillTypedText(const QString& sql, const QString& text, const QString& literal)
{
    const QString inner = doubledQuotes(text);
    QString out;
    bool inLiteral = false;
    for (const QChar c : sql) {
        if (c == u'\'')
            inLiteral = !inLiteral;  // a doubled quote toggles twice and stays inside
        if (c == u'@')
            out += inLiteral ? inner : literal;
        else
            out += c;
    }
    return out;
}
