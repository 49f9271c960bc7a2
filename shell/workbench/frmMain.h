#pragma once

#include "workbench/HostContext.h"
#include "workbench/HostEvents.h"
#include "workbench/Launcher.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

class MenuIconCache;
class MenuModel;
class NavPanel;
class QLabel;
class WorkArea;

// The workbench window: the navigation panel on the left, the work area (tabs, map page, host
// areas) on the right, the position bar above it and the status line below. Navigation groups
// and buttons come from the menu tables; a button opens its entry through the launcher.
class frmMain : public QWidget, public HostEventTarget {
    Q_OBJECT
public:
    explicit frmMain(HostContext context, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: caption, labels, then the navigation groups.
    void Load();
    // What host windows opened from the workbench need.
    const HostContext& Context() const { return m_context; }

    void LoadNavigationGroups();
    void ShowGroupButtons(const QString& category);
    void NavigationButtonChosen(int index);
    // true: removes the navigation buttons above index 0; false: the map entries and arrows.
    void ClearNavigationItems(bool buttons);
    QPixmap LoadMenuIcon(const QString& code, int type);

    bool OpenMenuEntry(const QString& code, int mode, const QString& name, const QString& keyCode);
    void OpenEntryFromList(Launcher::ListSource source, const QString& code);
    bool CreateTabHost(int program, int kind, const QString& name);
    bool ClearHosts();
    // Writes the active group, the visible headers and the group's last button; nothing when no
    // group is active.
    void SaveNavigationSettings();

    void ShowStatusMessage(const QString& text);
    QString StatusMessage() const;
    QString PositionText() const;
    QLabel* PeriodLabel() const { return m_period; }
    NavPanel* Nav() const { return m_nav; }
    WorkArea* Area() const { return m_area; }

    // HostEventTarget
    bool IsWorkbench() const override { return true; }
    void ShowHostMessage(const QString& text) override;
    void UnloadHost(bool unload) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString settingsApplication() const;
    QString lastPositionName() const;
    void onHostEvent(const QString& name, const QVariantList& values);
    QWidget* buildPositionBar();
    QWidget* buildStatusBar();

    HostContext m_context;
    std::unique_ptr<MenuModel> m_menus;
    std::unique_ptr<MenuIconCache> m_icons;
    std::unique_ptr<Launcher> m_launcher;
    NavPanel* m_nav;
    WorkArea* m_area;
    QLabel* m_user = nullptr;      // lbl(0)
    QLabel* m_position = nullptr;  // lbl(1)
    QLabel* m_period = nullptr;    // lbl(2)
    QLabel* m_status = nullptr;    // lnkMessage
};
