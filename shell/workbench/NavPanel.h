#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The navigation panel: the button container NavContainer on top, the group headers below it.
// The first VisibleItems headers are shown in full, the others as small icons in one row.
// Buttons are created from the invisible template But(0), each 120 twips below the one above.
class NavPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonSpacing = 120;  // twips

    explicit NavPanel(QWidget* parent = nullptr);

    // Adds a group; the first group added does not become active by itself.
    void AddGroup(const QString& caption, const QString& key, const QIcon& icon);
    int GroupCount() const { return m_groups.size(); }
    QString GroupCaption(int index) const;
    QString GroupKey(int index) const;
    // -1 when no group is active.
    int ActiveGroup() const { return m_active; }
    QString ActiveCaption() const;
    QString ActiveKey() const;
    // Makes the group active and emits groupActivated (also when it already was).
    void SetActiveGroup(int index);
    int FindGroup(const QString& key) const;
    int VisibleItems() const { return m_visibleItems; }
    void SetVisibleItems(int count);

    // Button i (1..ButtonCount) from the template, placed below button i-1.
    int AddButton(const QString& caption, const QString& tag, const QIcon& icon);
    // Removes every button above index 0.
    void ClearButtons();
    int ButtonCount() const { return m_buttons.size() - 1; }
    // 0 is the template.
    QToolButton* Button(int index) const;
    QString ButtonCaption(int index) const;
    QString ButtonTag(int index) const;
    QWidget* NavContainer() const { return m_container; }

signals:
    void groupActivated(const QString& caption);
    void buttonClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Group {
        QString caption;
        QString key;
        QPushButton* header;
    };
    void layoutHeaders();
    void centreButtons();

    QWidget* m_container;
    QWidget* m_headerArea;
    QVBoxLayout* m_headerLayout;
    QWidget* m_iconRow;
    QButtonGroup* m_headerGroup;
    QList<Group> m_groups;
    QList<QToolButton*> m_buttons;
    int m_active = -1;
    int m_visibleItems = 3;
};
