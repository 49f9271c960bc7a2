// orvel-admin: administration of an installation (office database, operators, components,
// compressed containers).
#include "commands/Console.h"
#include "commands/ContainerCommands.h"
#include "commands/DatabaseCommands.h"
#include "commands/RegisterCommand.h"

#include <QCoreApplication>

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};

const Command kCommands[] = {
    {"init-db", "create the office database (tables, standard menus, operator, demo notes)", runInitDbCommand},
    {"user", "add an operator or set an operator's password", runUserCommand},
    {"sql", "run one statement through the Database object and print the result", runSqlCommand},
    {"pack", "pack files into a compressed container", runPackCommand},
    {"unpack", "unpack a compressed container into a folder", runUnpackCommand},
    {"list", "list the entries of a compressed container", runListCommand},
    {"register", "register the component libraries of the program folder", runRegisterCommand},
};

int usage(int exitCode)
{
    QTextStream& out = exitCode == 0 ? Console::Out() : Console::Err();
    out << "usage: orvel-admin COMMAND [options]   (orvel-admin COMMAND --help for its options)\n\ncommands:\n";
    for (const Command& c : kCommands)
        out << "  " << QString::fromUtf8(c.name).leftJustified(10) << c.summary << '\n';
    out.flush();
    return exitCode;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(2);
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help"))
        return usage(0);
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return c.run(args);
    }
    Console::Err() << "orvel-admin: unknown command " << name << '\n';
    return usage(2);
}
