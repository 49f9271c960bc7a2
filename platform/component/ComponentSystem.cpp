#include "component/ComponentSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#if defined(Q_OS_UNIX)
#include <dlfcn.h>
#endif

namespace {

const QLatin1String kLibraryValue("Library");
const QLatin1String kClassValue("Class");
const QLatin1String kTypeLibValue("TypeLib");
const QLatin1String kVersionValue("Version");

QString programFolderOr(const QString& folder)
{
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

// On ELF systems a lookup through a library handle also searches the libraries it depends on;
// the entry point must be the library's own, not that of a library it links.
bool definedIn(void* symbol, const QString& libraryFile)
{
#if defined(Q_OS_UNIX)
    Dl_info info;
    if (!dladdr(symbol, &info) || !info.dli_fname)
        return false;
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath()
        == QFileInfo(libraryFile).canonicalFilePath();
#else
    Q_UNUSED(symbol);
    Q_UNUSED(libraryFile);
    return true;
#endif
}

QString readString(const RegistryStore& store, const QString& key, const QString& name)
{
    const std::optional<RegistryValue> value = store.Value(key, name);
    return value && value->kind == RegistryValueKind::String ? value->data.toString().trimmed() : QString();
}

}  // namespace

ComponentSystem::ComponentSystem(const QString& programFolder)
    : m_programFolder(programFolderOr(programFolder)),
      m_classesRoot(RegistryRoot::ClassesRoot, m_programFolder)
{
}

bool ComponentSystem::IsRegistered(const QString& identifier) const
{
    return !identifier.trimmed().isEmpty() && m_classesRoot.KeyExists(identifier.trimmed());
}

std::unique_ptr<QObject> ComponentSystem::CreateObject(const QString& identifier)
{
    const QString key = identifier.trimmed();
    if (!IsRegistered(key)) {
        m_error = QStringLiteral("component %1 is not registered").arg(identifier);
        return nullptr;
    }
    const QString library = readString(m_classesRoot, key, kLibraryValue);
    const QString className = readString(m_classesRoot, key, kClassValue);
    if (library.isEmpty() || className.isEmpty()) {
        m_error = QStringLiteral("the registration of %1 names no library or class").arg(identifier);
        return nullptr;
    }
    return CreateFromFile(library, className);
}

std::unique_ptr<QObject> ComponentSystem::CreateFromFile(const QString& libraryFile, const QString& className)
{
    ComponentLibraryInfo info;
    if (!ReadLibrary(libraryFile, &info))
        return nullptr;
    const ComponentClassInfo* found = info.FindClass(className.trimmed());
    if (!found) {
        m_error = QStringLiteral("%1 has no class %2").arg(info.fileName, className);
        return nullptr;
    }
    const ComponentFactory entry = resolveEntry(info.fileName);
    if (!entry)
        return nullptr;
    std::unique_ptr<QObject> object(entry(found->name.toUtf8().constData()));
    if (!object)
        m_error = QStringLiteral("%1 made no object of class %2").arg(info.fileName, found->name);
    return object;
}

bool ComponentSystem::ReadLibrary(const QString& libraryFile, ComponentLibraryInfo* info)
{
    return ComponentLibraryInfo::Read(absolutePath(libraryFile), info, &m_error);
}

bool ComponentSystem::Register(const QString& libraryFile, QStringList* identifiers)
{
    ComponentLibraryInfo info;
    if (!ReadLibrary(libraryFile, &info))
        return false;
    const QString stored = QDir(m_programFolder).relativeFilePath(info.fileName);
    for (const ComponentClassInfo& c : info.classes) {
        const QString id = info.Identifier(c);
        const bool written = m_classesRoot.CreateKey(id)
            && m_classesRoot.SetValue(id, QString(), RegistryValue::String(id))
            && m_classesRoot.SetValue(id, kLibraryValue, RegistryValue::String(stored))
            && m_classesRoot.SetValue(id, kClassValue, RegistryValue::String(c.name))
            && m_classesRoot.SetValue(id, kTypeLibValue, RegistryValue::String(info.typeLib))
            && m_classesRoot.SetValue(id, kVersionValue, RegistryValue::String(info.version));
        if (!written) {
            m_error = QStringLiteral("cannot register %1: %2").arg(id, m_classesRoot.LastError());
            return false;
        }
        if (identifiers)
            identifiers->append(id);
    }
    return true;
}

QString ComponentSystem::absolutePath(const QString& libraryFile) const
{
    QString path = libraryFile.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(path).isAbsolute() ? path : QDir(m_programFolder).filePath(path);
}

ComponentFactory ComponentSystem::resolveEntry(const QString& libraryFile)
{
    QLibrary library(libraryFile);
    if (!library.load()) {
        m_error = QStringLiteral("cannot load %1: %2").arg(libraryFile, library.errorString());
        return nullptr;
    }
    QFunctionPointer entry = library.resolve(kComponentEntryPoint);
    if (!entry || !definedIn(reinterpret_cast<void*>(entry), libraryFile)) {
        m_error = QStringLiteral("%1 does not export %2").arg(libraryFile, QLatin1String(kComponentEntryPoint));
        return nullptr;
    }
    return reinterpret_cast<ComponentFactory>(entry);
}
