#pragma once

#include "PlatformExport.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

struct ComponentClassInfo {
    QString name;
    QStringList interfaces;
};

// The description a component library carries in its plugin metadata:
// {"TypeLib": "...", "Version": "...", "Classes": [{"Name": "...", "Interfaces": ["..."]}]}.
struct ORVEL_PLATFORM_EXPORT ComponentLibraryInfo {
    QString fileName;
    QString typeLib;
    QString version;
    QList<ComponentClassInfo> classes;

    // Reads the metadata of a library file without loading it. False with *error set when the
    // file is no component library or its description is malformed.
    static bool Read(const QString& fileName, ComponentLibraryInfo* info, QString* error);
    // Checks and takes the "MetaData" object of a plugin's metadata.
    static bool FromJson(const QJsonObject& metaData, ComponentLibraryInfo* info, QString* error);

    // The class named className, compared without regard to case; nullptr when there is none.
    const ComponentClassInfo* FindClass(const QString& className) const;
    // "TypeLib.Class".
    QString Identifier(const ComponentClassInfo& c) const { return typeLib + QLatin1Char('.') + c.name; }
};
