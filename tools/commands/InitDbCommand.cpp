#include "commands/AdminDatabase.h"
#include "commands/Console.h"
#include "commands/DatabaseCommands.h"
#include "database/Database.h"
#include "schema/DemoNotes.h"
#include "schema/OfficeDatabase.h"
#include "schema/StandardData.h"

#include <QDate>

int runInitDbCommand(const QStringList& args)
{
    const QString command = QStringLiteral("init-db");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates the office database that the configuration file describes (or the SQLite file given):\n"
        "the tables, the standard menus and programs, one company, the system settings and one operator\n"
        "with every right. Refuses to overwrite an existing office database unless --force is given."));
    AdminDatabase::AddOptions(parser);
    parser.addOption({QStringLiteral("demo-notes"), QStringLiteral("Also generate N consignment notes over the last year."), QStringLiteral("N"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the generated notes (same seed, same day: same notes)."), QStringLiteral("S"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("force"), QStringLiteral("Drop an existing office database first.")});
    parser.addOption({QStringLiteral("admin"), QStringLiteral("Name of the operator with every right."), QStringLiteral("NAME"), QStringLiteral("admin")});
    parser.addOption({QStringLiteral("password"), QStringLiteral("Password of that operator."), QStringLiteral("P"), QStringLiteral("admin")});
    int exitCode = 0;
    if (!Console::Parse(parser, command, args, &exitCode))
        return exitCode;

    bool countOk = false, seedOk = false;
    const int notes = parser.value(QStringLiteral("demo-notes")).toInt(&countOk);
    const quint32 seed = parser.value(QStringLiteral("seed")).toUInt(&seedOk);
    if (!countOk || notes < 0 || !seedOk)
        return Console::Fail(command, QStringLiteral("--demo-notes and --seed take non-negative numbers"));

    ConnectionSettings where;
    QString error;
    if (!AdminDatabase::Resolve(parser, &where, &error))
        return Console::Fail(command, error);
    Database db;
    if (!OfficeDatabase::Create(db, where, parser.isSet(QStringLiteral("force")), &error)
        || !StandardData::Fill(db, parser.value(QStringLiteral("admin")), parser.value(QStringLiteral("password")), &error)
        || !DemoNotes::Generate(db, notes, seed, QDate::currentDate(), &error))
        return Console::Fail(command, error);
    Console::Out() << "office database created" << (where.driver == QLatin1String("jet") ? QStringLiteral(": ") + where.file : QString())
                   << ", " << notes << " demo notes" << Qt::endl;
    return 0;
}
