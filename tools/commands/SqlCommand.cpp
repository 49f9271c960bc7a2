#include "commands/AdminDatabase.h"
#include "commands/Console.h"
#include "commands/DatabaseCommands.h"
#include "database/Database.h"

#include <QRegularExpression>

namespace {

// Statements that give rows; anything else is run as an action statement.
bool givesRows(const QString& sql)
{
    static const QRegularExpression rowStatement(QStringLiteral(R"(^\s*\(?\s*(select|with|values|pragma|show|explain)\b)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    return rowStatement.match(sql).hasMatch();
}

void printRows(DbRecordset& rs)
{
    QTextStream& out = Console::Out();
    QStringList header;
    for (int i = 0; i < rs.FieldCount(); ++i)
        header << rs.FieldName(i);
    out << header.join(QLatin1Char('\t')) << '\n';
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const QVariant v = rs.Field(i);
            cells << (v.isNull() ? QString() : v.toString().replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
        out << cells.join(QLatin1Char('\t')) << '\n';
    }
    out.flush();
}

}  // namespace

int runSqlCommand(const QStringList& args)
{
    const QString command = QStringLiteral("sql");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs one statement through the Database object, as the components send it (Jet / SQL Server\n"
        "style: #yyyy-mm-dd#, select top N, left()). Prints the rows tab-separated under a header line,\n"
        "or the number of rows an action statement changed."));
    AdminDatabase::AddOptions(parser);
    parser.addPositionalArgument(QStringLiteral("statement"), QStringLiteral("The SQL statement."));
    int exitCode = 0;
    if (!Console::Parse(parser, command, args, &exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return Console::Fail(command, QStringLiteral("give exactly one statement (quote it)"));

    QString error;
    Database db;
    if (!AdminDatabase::Open(parser, db, &error))
        return Console::Fail(command, error);

    const QString sql = parser.positionalArguments().constFirst();
    if (givesRows(sql)) {
        DbRecordset rs = db.Execute(sql, 1).Recordset();
        if (!db.LastError().IsEmpty())
            return Console::Fail(command, db.LastError().Message);
        printRows(rs);
        return 0;
    }
    int affected = 0;
    db.Execute(sql, 1).Run(&affected);
    if (!db.LastError().IsEmpty())
        return Console::Fail(command, db.LastError().Message);
    Console::Out() << affected << " row(s) affected" << Qt::endl;
    return 0;
}
