#pragma once

#include <QTabBar>

// The tab strip of the work area. Tabs are numbered from 1 and carry a key; a hidden tab keeps
// its number. Changing the selection emits TabLeaving for the old tab, then TabEntering. A middle
// click on a tab, or "关闭" in its context menu, asks for it to be closed (CloseRequested).
class kvVSTab : public QTabBar {
    Q_OBJECT
public:
    explicit kvVSTab(QWidget* parent = nullptr);

    int Count() const { return count(); }
    // Adds a tab at the end; its number.
    int Add(const QString& caption, const QString& key);
    void Remove(int tab);
    QString Key(int tab) const;
    QString Caption(int tab) const;
    // 0 when none is selected.
    int Selected() const { return currentIndex() + 1; }
    void Select(int tab);
    bool IsVisible(int tab) const { return isTabVisible(tab - 1); }
    void SetVisible(int tab, bool visible) { setTabVisible(tab - 1, visible); }

signals:
    void TabLeaving(int tab);
    void TabEntering(int tab);
    void CloseRequested(int tab);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onCurrentChanged(int index);

    int m_current = -1;
};
