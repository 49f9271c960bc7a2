#pragma once

#include <QList>
#include <QString>

class Database;

// One navigation group: a module category and the first row that produced it.
struct NavGroupRow {
    QString caption;   // trimmed systemcatalog
    QString key;       // trimmed systemcode of the first row
    QString menuCode;  // trimmed menucode of that row (its icon)
};

// One navigation button of a group.
struct NavButtonRow {
    QString menuCode;
    QString menuName;
};

// One xt_menu entry as the launcher reads it.
struct MenuEntry {
    bool found = false;
    int program = 0;  // numeric value of progID
    int kind = 0;     // numeric value of menucatalog
    QString name;
    QString systemCode;
    QString menuCode;
};

// The menu queries of the workbench. A failing group or button query is written to the run log
// (kind 8), the error cleared, and answered with no rows.
class MenuModel {
public:
    explicit MenuModel(Database& db) : m_db(db) {}

    // The length of a top-level code: the first digit of the "menubm" scheme ("22222" when empty).
    static int TopLevelLength(const QString& menubm);
    static QString GroupQuery(int topLevelLength);
    static QString ButtonQuery(const QString& category, const Database& db);

    // The groups in the order their categories first appear; one per category.
    QList<NavGroupRow> Groups(int topLevelLength);
    QList<NavButtonRow> Buttons(const QString& category);
    // The entry of a code; found is false when xt_menu has no such row.
    MenuEntry Entry(const QString& code, const QString& sql);
    // Trimmed xt_objects values of a program.
    QString SystemCodeOf(int program);
    QString CommandLineOf(int program);

private:
    bool failed();

    Database& m_db;
};
