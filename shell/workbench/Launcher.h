#pragma once

#include "workbench/HostContext.h"

#include <QString>

#include <functional>

class MenuModel;
class QLabel;
class WorkArea;

// Opens a menu entry: runs its add-in, opens its program in a workbench tab or a host window,
// or, for an entry without a program, shows its navigation map and report list.
class Launcher {
public:
    enum Mode { FromNavigation = 0, FromList = -1 };
    enum class ListSource { ReportButton, MapEntry };

    // What the launcher uses of the workbench besides its work area.
    struct View {
        QLabel* position = nullptr;  // lbl(1), the current-position line
        QLabel* period = nullptr;    // lbl(2), the accounting-period label
        std::function<QString()> activeGroupCaption;
        // The map page and the report list of an entry without a program.
        std::function<void(const QString& code)> loadNavigationMap;
        std::function<void(const QString& code)> loadReportMenu;
    };

    Launcher(HostContext context, MenuModel& menus, WorkArea& area, View view);

    // True when the entry was handled; false after a failure or for an unknown code.
    bool OpenMenuEntry(const QString& code, int mode, const QString& name, const QString& keyCode);
    // A report button or a map entry whose tag is code.
    void OpenEntryFromList(ListSource source, const QString& code);
    // "当前会计期间：" + the current period of the program's system.
    void UpdatePeriodLabel(int program);

private:
    bool openEntry(const QString& code, int mode, const QString& name, const QString& keyCode);
    void openInTab(int program, int kind, const QString& name, int mode, const QString& keyCode, const QString& entryName);
    void openFromList(ListSource source, const QString& code);
    bool allowed(int program) const;
    bool periodShown() const;
    void addinNotAvailable(const QString& name);

    HostContext m_context;
    MenuModel& m_menus;
    WorkArea& m_area;
    View m_view;
};
