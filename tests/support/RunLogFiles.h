#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The texts of the records in the run-log files under programFolder/log, in file and line order
// (a record is a line: time, kind, title, text, separated by tabs).
inline QStringList RunLogTexts(const QString& programFolder)
{
    QStringList texts;
    const QDir logDir(programFolder + QStringLiteral("/log"));
    for (const QString& name : logDir.entryList(QDir::Files, QDir::Name)) {
        QFile file(logDir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            texts << line.section(QLatin1Char('\t'), 3);
    }
    return texts;
}
