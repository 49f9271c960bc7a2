#include "system/SqlTemplate.h"

#include "database/Database.h"

QString SqlTemplate::FillTypedText(const QString& sql, const QString& text, const Database& db)
{
    const QString literal = db.Quote(text);
    QString inner = text;
    inner.remove(QChar(0));
    inner.replace(QLatin1Char('\''), QLatin1String("''"));
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
