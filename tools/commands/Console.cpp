#include "commands/Console.h"

#include <cstdio>

QTextStream& Console::Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Console::Err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool Console::Parse(QCommandLineParser& parser, const QString& command, const QStringList& args, int* exitCode)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("orvel-admin ") + command} + args)) {
        Err() << "orvel-admin " << command << ": " << parser.errorText() << Qt::endl;
        *exitCode = 2;
        return false;
    }
    if (parser.isSet(help)) {
        Out() << parser.helpText() << Qt::flush;
        *exitCode = 0;
        return false;
    }
    return true;
}

int Console::Fail(const QString& command, const QString& message)
{
    Err() << "orvel-admin " << command << ": " << message << Qt::endl;
    return 1;
}
