#include "commands/AdminDatabase.h"
#include "commands/Console.h"
#include "commands/DatabaseCommands.h"
#include "database/Database.h"
#include "schema/Operators.h"

int runUserCommand(const QStringList& args)
{
    const QString command = QStringLiteral("user");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Manages operators:\n"
        "  user add NAME --password P [--all-rights]   adds an operator\n"
        "  user passwd NAME --password P                sets an operator's password"));
    AdminDatabase::AddOptions(parser);
    parser.addOption({QStringLiteral("password"), QStringLiteral("The password."), QStringLiteral("P")});
    parser.addOption({QStringLiteral("all-rights"), QStringLiteral("Allow the new operator every program.")});
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("add or passwd"));
    parser.addPositionalArgument(QStringLiteral("name"), QStringLiteral("Operator name"));
    int exitCode = 0;
    if (!Console::Parse(parser, command, args, &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0);
    if (positional.size() != 2 || (action != QLatin1String("add") && action != QLatin1String("passwd"))
        || !parser.isSet(QStringLiteral("password")))
        return Console::Fail(command, QStringLiteral("usage: user add|passwd NAME --password P (see --help)"));

    QString error;
    Database db;
    if (!AdminDatabase::Open(parser, db, &error))
        return Console::Fail(command, error);
    const QString name = positional.at(1);
    const QString password = parser.value(QStringLiteral("password"));
    const bool ok = action == QLatin1String("add")
                        ? Operators::Add(db, name, password, parser.isSet(QStringLiteral("all-rights")), &error)
                        : Operators::SetPassword(db, name, password, &error);
    return ok ? 0 : Console::Fail(command, error);
}
