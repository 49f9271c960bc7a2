#pragma once

#include "hosts/EmbeddedHost.h"
#include "workbench/HostContext.h"

#include <QMap>
#include <QPointer>
#include <QVariantList>
#include <QWidget>

class DragSplitter;
class kvVSTab;

// The work area PicMain: the tab strip kvVSTab over a stage that holds the map page PicTable
// and the host areas picHolder(n). Tab 1 is the navigation tab "导航窗口" (key "key") showing
// the map page; module tab n shows host area n with its embedded host "edit" + n.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSplitterWidth = 90;  // twips, of both splitters

    explicit WorkArea(HostContext context, QWidget* parent = nullptr);

    kvVSTab* Tabs() const { return m_tabs; }
    QWidget* MapPage() const { return m_mapPage; }
    QWidget* ReportArea() const { return m_reportArea; }
    DragSplitter* ReportSplitter() const { return m_reportSplitter; }
    void ShowReportArea(bool shown);
    // Where a released imgSplitter_c lands (twips in the map page): at least 2000, at most the
    // window's inner width less 1400 plus the map page's left; the report area then spans from it
    // to the map page's right edge.
    void DropReportSplitter(int left);
    // Area 0 is the template and never holds a host; nullptr for an area that does not exist.
    QWidget* HostArea(int n) const { return m_areas.value(n); }
    int HostCounter() const { return m_hostCounter; }
    int CurrentHostNumber() const { return m_currentHostNumber; }
    EmbeddedHost* CurrentHost() const { return m_currentHost; }
    EmbeddedHost* Host(int n) const;
    bool Unloading() const { return m_unloading; }
    void SetUnloading(bool unloading) { m_unloading = unloading; }

    // The tab of a key code opened from the navigation panel; 0 when there is none.
    int FindTab(const QString& keyCode) const;
    // A new module tab with its host area; selects it and makes its area the current one.
    int AddModuleTab(const QString& caption, const QString& keyCode);
    // Hides the map page (and, from the navigation panel, the navigation tab) and brings the
    // current host area to the front.
    void ShowCurrentArea(bool hideNavigationTab);
    // Shows the map page and the navigation tab, hides the current host area.
    void ShowMapPage();
    bool CreateTabHost(int program, int kind, const QString& name);
    // The host asked to close: true removes the selected module tab, false clears the flag.
    void CloseSelectedTab(bool unload);
    // The operator closes a module tab; unsaved edits of its host are asked about first. Also
    // closes tabs whose host never started. The navigation tab stays.
    bool CloseTab(int tab);
    bool ClearHosts();
    // Asks about the unsaved edits of every module tab's host, selecting its tab first; false as
    // soon as the operator keeps one (cancel, or a save that failed).
    bool ConfirmUnsavedEdits();
    // The number n of a tab: the numeric value of the text after the last "-" of its key.
    static int TabNumber(const QString& key);
    // Arguments after program number of the host's Py_Init in a tab, by kind.
    static QVariantList TabInitArguments(int kind, const QString& name);

signals:
    void hostEvent(const QString& name, const QVariantList& values);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onTabLeaving(int tab);
    void onTabEntering(int tab);
    void fitHost(int n);
    void layoutStage();
    void layoutMapPage();
    void removeHost(EmbeddedHost* host);

    HostContext m_context;
    kvVSTab* m_tabs;
    QWidget* m_stage;
    QWidget* m_mapPage;
    QWidget* m_reportArea;
    DragSplitter* m_reportSplitter;
    QMap<int, QWidget*> m_areas;
    QPointer<EmbeddedHost> m_currentHost;
    int m_hostCounter = 0;
    int m_currentHostNumber = 0;
    bool m_unloading = false;
};
