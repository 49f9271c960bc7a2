#pragma once

#include "PlatformExport.h"
#include "registry/RegistryValue.h"

#include <QStringList>

#include <optional>
#include <vector>

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// One root of the file-backed registry, kept in one file.
//
// Key paths are relative to the root, with "\" between key names ("Software\Orvel"); empty
// names are ignored, so "" is the root itself. Key and value names compare without regard to
// case and keep the case they were created with. The value name "" is the key's default value.
//
// Every operation reads the file; every change writes it whole and atomically (QSaveFile), so
// several objects and processes see each other's changes. A file that exists but cannot be read
// is never overwritten: reads see an empty store and writes fail, with LastError set. An empty
// file is an empty store.
//
// File format (UTF-8 JSON):
//   {"format": "orvel-registry", "version": 1, "root": "HKEY_CLASSES_ROOT",
//    "values": [...], "keys": [...]}
// where a key is {"name": "...", "values": [...], "keys": [...]} and a value is
// {"name": "...", "kind": "string"|"binary"|"dword", "data": ...}: text for "string",
// hexadecimal digits for "binary", a number for "dword". Keys and values keep their creation order.
class ORVEL_PLATFORM_EXPORT RegistryStore {
public:
    // The store of root in its standard place (see FileFor).
    explicit RegistryStore(RegistryRoot root, const QString& programFolder = {});
    // A store in the given file.
    explicit RegistryStore(const QString& fileName);

    // The environment variable ORVEL_REGISTRY_DIR, when set, is the folder of every store.
    // Otherwise HKEY_CURRENT_USER lives in the user's configuration folder and the other roots in
    // "registry/" of the program folder (default: the folder of the running program).
    static QString FileFor(RegistryRoot root, const QString& programFolder = {});
    static QString RootName(RegistryRoot root);

    QString FileName() const { return m_fileName; }
    QString LastError() const { return m_error; }

    bool KeyExists(const QString& key) const;
    // Creates the key and any missing parent; true when it exists afterwards.
    bool CreateKey(const QString& key);
    // Deletes the key with its sub-keys and values; the root cannot be deleted.
    bool DeleteKey(const QString& key);
    // Names of the sub-keys; empty when the key does not exist.
    QStringList SubKeys(const QString& key) const;
    QStringList ValueNames(const QString& key) const;

    std::optional<RegistryValue> Value(const QString& key, const QString& name) const;
    // Writes a value of an existing key.
    bool SetValue(const QString& key, const QString& name, const RegistryValue& value);
    bool DeleteValue(const QString& key, const QString& name);

    struct Node {
        QString name;
        std::vector<std::pair<QString, RegistryValue>> values;
        std::vector<Node> keys;
    };

private:
    bool load(Node* root) const;
    bool save(const Node& root);
    bool fail(const QString& message) const;

    QString m_fileName;
    QString m_rootName;
    mutable QString m_error;
};
