#pragma once

#include "workbench/HostContext.h"
#include "workbench/HostEvents.h"
#include "workbench/Launcher.h"
#include "workbench/WorkArea.h"

#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class BottomBar;
class DragSplitter;
class LockOverlay;
class LoginSession;
class MenuIconCache;
class MenuModel;
class NavPanel;
class PositionBar;
class QDialog;
class QLabel;
class TitleBar;

// The workbench window: the title bar, the position bar, the navigation panel and the work area
// (tabs, map page, host areas) side by side behind a splitter, the bottom bar with the status
// line and links, and the lock screen. Navigation groups and buttons come from the menu tables;
// a button opens its entry through the launcher. Closing the window saves the navigation
// settings, clears the hosts and shuts the program down.
class frmMain : public QWidget, public HostEventTarget {
    Q_OBJECT
public:
    static constexpr int kMaxPanelWidth = 7680;  // twips
    static constexpr int kPanelLeft = 30;        // twips
    static constexpr int kSplitterWidth = WorkArea::kSplitterWidth;

    explicit frmMain(HostContext context, QWidget* parent = nullptr);
    ~frmMain() override;

    // The session the lock screen checks passwords against and whose operator the bar shows.
    void SetLogin(LoginSession* login) { m_login = login; }
    // Runs once the workbench has closed (the program's ShutDown).
    void SetShutDown(std::function<void()> shutDown) { m_shutDown = std::move(shutDown); }
    // Opens the web and mail links; the desktop's handler unless replaced.
    void SetUrlOpener(std::function<void(const QUrl&)> open) { m_openUrl = std::move(open); }
    // Runs the workbench's modal dialogs (password, about); QDialog::exec unless replaced.
    void SetDialogRunner(std::function<int(QDialog&)> run) { m_runDialog = std::move(run); }

    // The window's load: caption, labels, navigation groups, theme, pictures, links and the
    // remembered panel width. A failure is shown and ends the load; the window keeps what was built.
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

    // Places the navigation panel, the splitter and the work area for a splitter at x (twips):
    // with the panel shown, x is kept between an eighth of the screen width and 7680.
    void LayoutWorkArea(int x);
    // Shows or hides the navigation panel (the toggle Img(2)).
    void SetNavigationVisible(bool shown);
    bool NavigationVisible() const { return m_panelShown; }
    void LockScreen();
    void UnlockScreen();
    bool Locked() const;
    // A host window "预警" (kind 220), maximised and in front; false when its host did not start.
    bool ShowAlertWindow();
    void SetAlertButton(bool pressed);
    // The operator's password change and the about box, both modal.
    void ShowPasswordDialog();
    void ShowAboutDialog();

    void ShowStatusMessage(const QString& text);
    QString StatusMessage() const;
    QString PositionText() const;
    QLabel* PeriodLabel() const;
    NavPanel* Nav() const { return m_nav; }
    WorkArea* Area() const { return m_area; }
    TitleBar* Title() const { return m_title; }
    PositionBar* Position() const { return m_positionBar; }
    BottomBar* Bottom() const { return m_bottom; }
    DragSplitter* Splitter() const { return m_splitter; }
    LockOverlay* Lock() const { return m_lock; }

    // HostEventTarget
    bool IsWorkbench() const override { return true; }
    void ShowHostMessage(const QString& text) override;
    void UnloadHost(bool unload) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString settingsApplication() const;
    QString lastPositionName() const;
    void onHostEvent(const QString& name, const QVariantList& values);
    void connectControls();
    void loadPictures();
    void loadLinks();
    void restorePanelWidth();
    void layoutBody();
    // Asks about unsaved edits in the tabs and the host windows; false keeps the workbench open.
    bool confirmClose();
    // The host windows opened from the workbench, shown or hidden.
    QList<QWidget*> hostWindows() const;
    void setFrameEnabled(bool enabled);

    HostContext m_context;
    LoginSession* m_login = nullptr;
    std::function<void()> m_shutDown;
    std::function<void(const QUrl&)> m_openUrl;
    std::function<int(QDialog&)> m_runDialog;
    std::unique_ptr<MenuModel> m_menus;
    std::unique_ptr<MenuIconCache> m_icons;
    std::unique_ptr<Launcher> m_launcher;
    TitleBar* m_title;
    PositionBar* m_positionBar;
    QWidget* m_body;
    NavPanel* m_nav;
    DragSplitter* m_splitter;
    WorkArea* m_area;
    BottomBar* m_bottom;
    LockOverlay* m_lock;
    QList<QPointer<QWidget>> m_hiddenWindows;  // host windows hidden by the lock screen
    int m_splitterLeft;                         // twips
    bool m_panelShown = true;
    bool m_closed = false;
};
