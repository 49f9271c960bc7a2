#pragma once

#include "PlatformExport.h"

#include <QList>
#include <QString>

// A sectioned key-value text file: "[section]" header lines and "key=value" lines, UTF-8.
// Section and key names compare without regard to case. A missing file, section or key yields
// the caller's default. Writes change only their own entry; they are kept in memory and saved
// by Flush (or the destructor) through a temporary file, so a crash never leaves half a file.
// Backslash, carriage return and line feed in values are stored escaped ("\\", "\r", "\n").
class ORVEL_PLATFORM_EXPORT SettingsFile {
public:
    SettingsFile() = default;
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // Reads the file if it exists; false only when it exists and cannot be read.
    bool Open(const QString& fileName);
    QString FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    // A value that is not a number reads as 0.
    qint32 ReadInteger(const QString& section, const QString& key, qint32 defaultValue) const;
    void WriteInteger(const QString& section, const QString& key, qint16 value);
    // "true"/"false" in any case or a number (non-zero = true); anything else yields the default.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    void WriteBool(const QString& section, const QString& key, bool value);

    // Saves pending writes; true when there was nothing to save or the file was replaced.
    bool Flush();

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };

    const Entry* find(const QString& section, const QString& key) const;
    void parse(const QString& text);
    QString serialize() const;

    QString m_fileName;
    QList<Section> m_sections;
    bool m_dirty = false;
};
