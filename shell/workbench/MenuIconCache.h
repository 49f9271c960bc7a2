#pragma once

#include <QPixmap>
#include <QString>

class Database;

// Menu icons of xt_menuPilot, cached as files under <temporary path>/icon/. A row is written to
// its file once, when the file is missing (plain, or unpacked from a compressed container); an
// existing file is used as it is.
class MenuIconCache {
public:
    MenuIconCache(Database& db, QString temporaryPath) : m_db(db), m_temporaryPath(std::move(temporaryPath)) {}

    // The picture of the entry's row of that type; a null picture when there is none.
    QPixmap LoadMenuIcon(const QString& code, int type);
    QString IconFolder() const;

private:
    bool writeFile(const QString& path, const QVariant& contents, bool compressed);

    Database& m_db;
    QString m_temporaryPath;
};
