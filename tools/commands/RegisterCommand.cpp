#include "commands/RegisterCommand.h"

#include "commands/Console.h"
#include "component/ComponentSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace {

// Libraries of the folder that carry plugin metadata; other libraries are no components.
QStringList componentLibraries(const QDir& folder)
{
    QStringList files;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        if (QLibrary::isLibrary(path) && !QPluginLoader(path).metaData().isEmpty())
            files.append(path);
    }
    return files;
}

}  // namespace

int runRegisterCommand(const QStringList& args)
{
    const QString command = QStringLiteral("register");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Registers the component libraries of a program folder under HKEY_CLASSES_ROOT."));
    parser.addOption({QStringLiteral("dir"), QStringLiteral("The program folder (default: the folder of orvel-admin)."),
                      QStringLiteral("FOLDER")});
    int exitCode = 0;
    if (!Console::Parse(parser, command, args, &exitCode))
        return exitCode;
    const QString folder = QFileInfo(parser.isSet(QStringLiteral("dir")) ? parser.value(QStringLiteral("dir"))
                                                                          : QCoreApplication::applicationDirPath())
                               .absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        return Console::Fail(command, QStringLiteral("no such folder: %1").arg(folder));

    ComponentSystem components(folder);
    exitCode = 0;
    for (const QString& library : componentLibraries(QDir(folder))) {
        QStringList identifiers;
        if (!components.Register(library, &identifiers)) {
            exitCode = Console::Fail(command, components.LastError());
            continue;
        }
        for (const QString& id : identifiers)
            Console::Out() << "registered " << id << " (" << QFileInfo(library).fileName() << ")\n";
    }
    Console::Out().flush();
    return exitCode;
}
