#pragma once

#include "PlatformExport.h"
#include "component/ComponentEntry.h"
#include "component/ComponentLibraryInfo.h"
#include "registry/RegistryStore.h"

#include <QObject>
#include <QString>

#include <memory>

// Creates components by programmatic identifier ("TypeLib.Class") or from a library file.
//
// A registered identifier is the key HKEY_CLASSES_ROOT\<identifier> with the string values
// "Library" (the library file, relative to the program folder or absolute) and "Class"; its
// default value is the identifier, "TypeLib" and "Version" come from the library's metadata.
// Libraries are loaded once and stay loaded, since the objects they made may live on.
// Every failure leaves its own text in LastError.
class ORVEL_PLATFORM_EXPORT ComponentSystem {
public:
    // programFolder: where registered library paths start (default: the running program's folder);
    // the HKEY_CLASSES_ROOT store is the standard one for that folder.
    explicit ComponentSystem(const QString& programFolder = {});

    bool IsRegistered(const QString& identifier) const;
    std::unique_ptr<QObject> CreateObject(const QString& identifier);
    // Creates the class (name compared without regard to case) through the library's
    // DllGetClassObject; the library needs no registration.
    std::unique_ptr<QObject> CreateFromFile(const QString& libraryFile, const QString& className);
    // Lists the classes and interfaces of a library file without running its code.
    bool ReadLibrary(const QString& libraryFile, ComponentLibraryInfo* info);
    // Writes the keys of every class of the library file; returns the identifiers written.
    bool Register(const QString& libraryFile, QStringList* identifiers = nullptr);

    QString ProgramFolder() const { return m_programFolder; }
    QString LastError() const { return m_error; }

private:
    QString absolutePath(const QString& libraryFile) const;
    ComponentFactory resolveEntry(const QString& libraryFile);

    QString m_programFolder;
    RegistryStore m_classesRoot;
    QString m_error;
};
