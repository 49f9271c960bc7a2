#include "settings/SettingsFile.h"

#include <QFile>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {

QString escaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'\\')
            out += u"\\\\";
        else if (c == u'\n')
            out += u"\\n";
        else if (c == u'\r')
            out += u"\\r";
        else
            out += c;
    }
    return out;
}

QString unescaped(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SettingsFile::~SettingsFile()
{
    Flush();
}

bool SettingsFile::Open(const QString& fileName)
{
    m_fileName = fileName;
    m_sections.clear();
    m_dirty = false;
    QFile file(fileName);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(QString::fromUtf8(file.readAll()));
    return true;
}

void SettingsFile::parse(const QString& text)
{
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            m_sections.append({trimmed.mid(1, trimmed.size() - 2).toString(), {}});
            current = &m_sections.last();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current == nullptr || eq <= 0)
            continue;
        current->entries.append({line.left(eq).trimmed().toString(), unescaped(line.mid(eq + 1))});
    }
}

QString SettingsFile::serialize() const
{
    QString out;
    for (const Section& section : m_sections) {
        out += u'[' + section.name + u"]\n"_qs;
        for (const Entry& entry : section.entries)
            out += entry.key + u'=' + escaped(entry.value) + u'\n';
    }
    return out;
}

const SettingsFile::Entry* SettingsFile::find(const QString& section, const QString& key) const
{
    for (const Section& s : m_sections) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry& entry : s.entries) {
            if (sameName(entry.key, key))
                return &entry;
        }
    }
    return nullptr;
}

QString SettingsFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Entry* entry = find(section, key);
    return entry ? entry->value : defaultValue;
}

void SettingsFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_dirty = true;
    auto s = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section& x) { return sameName(x.name, section); });
    if (s == m_sections.end()) {
        m_sections.append({section, {{key, value}}});
        return;
    }
    for (Entry& entry : s->entries) {
        if (sameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    s->entries.append({key, value});
}

qint32 SettingsFile::ReadInteger(const QString& section, const QString& key, qint32 defaultValue) const
{
    const Entry* entry = find(section, key);
    if (!entry)
        return defaultValue;
    bool ok = false;
    const double number = entry->value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return 0;
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(std::llround(std::clamp(number, low, high)));
}

void SettingsFile::WriteInteger(const QString& section, const QString& key, qint16 value)
{
    WriteString(section, key, QString::number(value));
}

bool SettingsFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    const Entry* entry = find(section, key);
    if (!entry)
        return defaultValue;
    const QString value = entry->value.trimmed();
    if (sameName(value, u"true"_qs))
        return true;
    if (sameName(value, u"false"_qs))
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number != 0 : defaultValue;
}

void SettingsFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? u"true"_qs : u"false"_qs);
}

bool SettingsFile::Flush()
{
    if (!m_dirty)
        return true;
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialize().toUtf8());
    if (!file.commit())
        return false;
    m_dirty = false;
    return true;
}
