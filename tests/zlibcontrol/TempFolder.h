#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, removed afterwards.
class TempFolder {
public:
    QString path(const QString& relative = {}) const;
    // Writes a file, making its folders.
    QString file(const QString& relative, const QByteArray& content) const;
    // Every file under the folder, relative, sorted.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
};
