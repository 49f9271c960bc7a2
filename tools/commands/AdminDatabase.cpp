#include "commands/AdminDatabase.h"

#include "database/Database.h"

#include <QCoreApplication>
#include <QDir>

void AdminDatabase::AddOptions(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("config"),
                      QStringLiteral("Configuration file that describes the office database (default: %1).").arg(DefaultConfigFile()),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("sqlite"), QStringLiteral("Use the embedded (SQLite) office database at PATH."),
                      QStringLiteral("PATH")});
}

QString AdminDatabase::DefaultConfigFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("OrvelMain.exe.Config"));
}

bool AdminDatabase::Resolve(const QCommandLineParser& parser, ConnectionSettings* out, QString* error)
{
    if (parser.isSet(QStringLiteral("sqlite"))) {
        if (parser.isSet(QStringLiteral("config"))) {
            *error = QStringLiteral("--config and --sqlite exclude each other");
            return false;
        }
        *out = ConnectionSettings::Sqlite(parser.value(QStringLiteral("sqlite")));
        return true;
    }
    const QString config = parser.isSet(QStringLiteral("config")) ? parser.value(QStringLiteral("config")) : DefaultConfigFile();
    return ConnectionSettings::FromConfigFile(config, out, error);
}

bool AdminDatabase::Open(const QCommandLineParser& parser, Database& db, QString* error)
{
    ConnectionSettings where;
    if (!Resolve(parser, &where, error))
        return false;
    if (db.OpenConnection(where))
        return true;
    *error = db.LastError().Message;
    return false;
}
