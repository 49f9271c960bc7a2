#include "registry/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

using Node = RegistryStore::Node;

namespace {

const QLatin1String kFormat("orvel-registry");

QStringList splitKey(const QString& key)
{
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Node* child(Node* node, const QString& name)
{
    for (Node& k : node->keys) {
        if (sameName(k.name, name))
            return &k;
    }
    return nullptr;
}

Node* find(Node* root, const QString& key)
{
    Node* node = root;
    for (const QString& name : splitKey(key)) {
        node = child(node, name);
        if (!node)
            return nullptr;
    }
    return node;
}

auto findValue(Node* node, const QString& name)
{
    return std::find_if(node->values.begin(), node->values.end(),
                        [&](const auto& v) { return sameName(v.first, name); });
}

QString kindName(RegistryValueKind kind)
{
    switch (kind) {
    case RegistryValueKind::Binary: return QStringLiteral("binary");
    case RegistryValueKind::Dword: return QStringLiteral("dword");
    case RegistryValueKind::String: break;
    }
    return QStringLiteral("string");
}

QJsonObject toJson(const Node& node)
{
    QJsonArray values;
    for (const auto& [name, value] : node.values) {
        QJsonValue data;
        switch (value.kind) {
        case RegistryValueKind::String: data = value.data.toString(); break;
        case RegistryValueKind::Binary: data = QString::fromLatin1(value.data.toByteArray().toHex()); break;
        case RegistryValueKind::Dword: data = double(value.data.toUInt()); break;
        }
        values.append(QJsonObject{{"name", name}, {"kind", kindName(value.kind)}, {"data", data}});
    }
    QJsonArray keys;
    for (const Node& k : node.keys)
        keys.append(toJson(k));
    QJsonObject object{{"values", values}, {"keys", keys}};
    if (!node.name.isEmpty())
        object.insert("name", node.name);
    return object;
}

bool valueFromJson(const QJsonObject& object, std::pair<QString, RegistryValue>* out)
{
    const QJsonValue name = object.value("name");
    const QJsonValue kind = object.value("kind");
    const QJsonValue data = object.value("data");
    if (!name.isString() || !kind.isString())
        return false;
    out->first = name.toString();
    if (kind == QLatin1String("string") && data.isString()) {
        out->second = RegistryValue::String(data.toString());
    } else if (kind == QLatin1String("binary") && data.isString()) {
        out->second = RegistryValue::Binary(QByteArray::fromHex(data.toString().toLatin1()));
    } else if (kind == QLatin1String("dword") && data.isDouble()) {
        const double n = data.toDouble();
        if (n < 0 || n > 4294967295.0 || n != double(quint32(n)))
            return false;
        out->second = RegistryValue::Dword(quint32(n));
    } else {
        return false;
    }
    return true;
}

bool fromJson(const QJsonObject& object, Node* node)
{
    if (!object.value("values").isArray() || !object.value("keys").isArray())
        return false;
    for (const QJsonValue& v : object.value("values").toArray()) {
        std::pair<QString, RegistryValue> value;
        if (!valueFromJson(v.toObject(), &value))
            return false;
        node->values.push_back(value);
    }
    for (const QJsonValue& k : object.value("keys").toArray()) {
        Node key;
        key.name = k.toObject().value("name").toString();
        if (key.name.isEmpty() || key.name.contains(QLatin1Char('\\')) || !fromJson(k.toObject(), &key))
            return false;
        node->keys.push_back(std::move(key));
    }
    return true;
}

}  // namespace

RegistryStore::RegistryStore(RegistryRoot root, const QString& programFolder)
    : m_fileName(FileFor(root, programFolder)), m_rootName(RootName(root))
{
}

RegistryStore::RegistryStore(const QString& fileName) : m_fileName(fileName) {}

QString RegistryStore::RootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::ClassesRoot: break;
    }
    return QStringLiteral("HKEY_CLASSES_ROOT");
}

QString RegistryStore::FileFor(RegistryRoot root, const QString& programFolder)
{
    const QString fileName = RootName(root) + QStringLiteral(".json");
    const QString override = qEnvironmentVariable("ORVEL_REGISTRY_DIR");
    if (!override.isEmpty())
        return QDir(override).filePath(fileName);
    if (root == RegistryRoot::CurrentUser) {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return QDir(config).filePath(QStringLiteral("orvel/registry/") + fileName);
    }
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    return QDir(folder).filePath(QStringLiteral("registry/") + fileName);
}

bool RegistryStore::fail(const QString& message) const
{
    m_error = message;
    return false;
}

bool RegistryStore::load(Node* root) const
{
    m_error.clear();
    *root = {};
    QFile file(m_fileName);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(m_fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty())
        return true;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonObject object = document.object();
    if (document.isNull() || object.value("format") != kFormat || object.value("version").toInt() != 1) {
        return fail(QStringLiteral("%1 is not a registry store%2").arg(
            m_fileName, parseError.error == QJsonParseError::NoError ? QString() : QStringLiteral(": ") + parseError.errorString()));
    }
    if (!fromJson(object, root)) {
        *root = {};
        return fail(QStringLiteral("%1 holds a malformed key or value").arg(m_fileName));
    }
    return true;
}

bool RegistryStore::save(const Node& root)
{
    QJsonObject object = toJson(root);
    object.insert("format", kFormat);
    object.insert("version", 1);
    if (!m_rootName.isEmpty())
        object.insert("root", m_rootName);
    QDir().mkpath(QFileInfo(m_fileName).absolutePath());
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(m_fileName, file.errorString()));
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(m_fileName, file.errorString()));
    return true;
}

bool RegistryStore::KeyExists(const QString& key) const
{
    Node root;
    return load(&root) && find(&root, key);
}

bool RegistryStore::CreateKey(const QString& key)
{
    Node root;
    if (!load(&root))
        return false;
    Node* node = &root;
    bool created = false;
    for (const QString& name : splitKey(key)) {
        Node* next = child(node, name);
        if (!next) {
            node->keys.push_back(Node{name, {}, {}});
            next = &node->keys.back();
            created = true;
        }
        node = next;
    }
    return !created || save(root);
}

bool RegistryStore::DeleteKey(const QString& key)
{
    Node root;
    if (!load(&root))
        return false;
    const QStringList names = splitKey(key);
    if (names.isEmpty())
        return fail(QStringLiteral("the root key cannot be deleted"));
    Node* parent = find(&root, names.mid(0, names.size() - 1).join(QLatin1Char('\\')));
    Node* node = parent ? child(parent, names.last()) : nullptr;
    if (!node)
        return fail(QStringLiteral("key not found: %1").arg(key));
    parent->keys.erase(parent->keys.begin() + (node - parent->keys.data()));
    return save(root);
}

QStringList RegistryStore::SubKeys(const QString& key) const
{
    Node root;
    load(&root);
    QStringList names;
    if (const Node* node = find(&root, key)) {
        for (const Node& k : node->keys)
            names.append(k.name);
    }
    return names;
}

QStringList RegistryStore::ValueNames(const QString& key) const
{
    Node root;
    load(&root);
    QStringList names;
    if (const Node* node = find(&root, key)) {
        for (const auto& value : node->values)
            names.append(value.first);
    }
    return names;
}

std::optional<RegistryValue> RegistryStore::Value(const QString& key, const QString& name) const
{
    Node root;
    load(&root);
    Node* node = find(&root, key);
    if (!node)
        return std::nullopt;
    const auto it = findValue(node, name);
    if (it == node->values.end())
        return std::nullopt;
    return it->second;
}

bool RegistryStore::SetValue(const QString& key, const QString& name, const RegistryValue& value)
{
    Node root;
    if (!load(&root))
        return false;
    Node* node = find(&root, key);
    if (!node)
        return fail(QStringLiteral("key not found: %1").arg(key));
    const auto it = findValue(node, name);
    if (it == node->values.end())
        node->values.emplace_back(name, value);
    else
        it->second = value;
    return save(root);
}

bool RegistryStore::DeleteValue(const QString& key, const QString& name)
{
    Node root;
    if (!load(&root))
        return false;
    Node* node = find(&root, key);
    const auto it = node ? findValue(node, name) : std::vector<std::pair<QString, RegistryValue>>::iterator();
    if (!node || it == node->values.end())
        return fail(QStringLiteral("value not found: %1 in %2").arg(name, key));
    node->values.erase(it);
    return save(root);
}
