#include "component/ComponentLibraryInfo.h"

#include "component/ComponentEntry.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QPluginLoader>

namespace {

const QLatin1String kIid("IID");
const QLatin1String kMetaData("MetaData");
const QLatin1String kTypeLib("TypeLib");
const QLatin1String kVersion("Version");
const QLatin1String kClasses("Classes");
const QLatin1String kName("Name");
const QLatin1String kInterfaces("Interfaces");

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool isIdentifierPart(const QString& text)
{
    return !text.isEmpty() && !text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('\\'))
        && text.trimmed() == text;
}

bool readClass(const QJsonValue& value, int index, ComponentClassInfo* out, QString* error)
{
    const QString where = QStringLiteral("\"%1\"[%2]").arg(kClasses).arg(index);
    if (!value.isObject())
        return fail(error, QStringLiteral("%1 is not an object").arg(where));
    const QJsonObject object = value.toObject();
    const QJsonValue name = object.value(kName);
    if (!name.isString() || !isIdentifierPart(name.toString()))
        return fail(error, QStringLiteral("%1: \"%2\" must be a name without dots").arg(where, kName));
    out->name = name.toString();
    const QJsonValue interfaces = object.value(kInterfaces);
    if (interfaces.isUndefined())
        return true;
    if (!interfaces.isArray())
        return fail(error, QStringLiteral("%1: \"%2\" must be an array of texts").arg(where, kInterfaces));
    for (const QJsonValue& i : interfaces.toArray()) {
        if (!i.isString() || i.toString().isEmpty())
            return fail(error, QStringLiteral("%1: \"%2\" must be an array of texts").arg(where, kInterfaces));
        out->interfaces.append(i.toString());
    }
    return true;
}

}  // namespace

bool ComponentLibraryInfo::Read(const QString& file, ComponentLibraryInfo* info, QString* error)
{
    // QPluginLoader looks a relative name up in the library paths, not in the working folder.
    const QString fileName = QFileInfo(file).absoluteFilePath();
    if (!QFileInfo(fileName).isFile())
        return fail(error, QStringLiteral("%1: no such file").arg(fileName));
    QPluginLoader loader(fileName);
    const QJsonObject plugin = loader.metaData();
    if (plugin.isEmpty()) {
        return fail(error, QStringLiteral("%1: no component metadata (%2)").arg(fileName, loader.errorString()));
    }
    if (plugin.value(kIid).toString() != QLatin1String(kComponentIid)) {
        return fail(error, QStringLiteral("%1: plugin IID \"%2\" is not \"%3\"")
                               .arg(fileName, plugin.value(kIid).toString(), QLatin1String(kComponentIid)));
    }
    QString reason;
    if (!FromJson(plugin.value(kMetaData).toObject(), info, &reason))
        return fail(error, QStringLiteral("%1: %2").arg(fileName, reason));
    info->fileName = fileName;
    return true;
}

bool ComponentLibraryInfo::FromJson(const QJsonObject& metaData, ComponentLibraryInfo* info, QString* error)
{
    ComponentLibraryInfo read;
    const QJsonValue typeLib = metaData.value(kTypeLib);
    if (!typeLib.isString() || !isIdentifierPart(typeLib.toString()))
        return fail(error, QStringLiteral("\"%1\" must be a name without dots").arg(kTypeLib));
    read.typeLib = typeLib.toString();
    const QJsonValue version = metaData.value(kVersion);
    if (!version.isString())
        return fail(error, QStringLiteral("\"%1\" must be a text").arg(kVersion));
    read.version = version.toString();
    const QJsonValue classes = metaData.value(kClasses);
    if (!classes.isArray())
        return fail(error, QStringLiteral("\"%1\" must be an array").arg(kClasses));
    const QJsonArray array = classes.toArray();
    for (int i = 0; i < array.size(); ++i) {
        ComponentClassInfo c;
        if (!readClass(array.at(i), i, &c, error))
            return false;
        if (read.FindClass(c.name))
            return fail(error, QStringLiteral("class \"%1\" is listed twice").arg(c.name));
        read.classes.append(c);
    }
    *info = read;
    return true;
}

const ComponentClassInfo* ComponentLibraryInfo::FindClass(const QString& className) const
{
    for (const ComponentClassInfo& c : classes) {
        if (c.name.compare(className, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}
