#pragma once

#include <QWidget>

#include <functional>
#include <utility>

// A vertical splitter handle. Pressing shows a drag bar over it (half its width, 20 twips
// shorter); while the button is held the bar follows the pointer within the range the owner
// gives; releasing hides the bar and reports where its left edge ended. Positions are twips in
// the parent's coordinates.
class DragSplitter : public QWidget {
    Q_OBJECT
public:
    using Range = std::function<std::pair<int, int>()>;

    DragSplitter(const QString& name, const QString& barName, QWidget* parent);

    // Where the bar's left edge may go while dragging (lowest, highest).
    void SetDragRange(Range range) { m_range = std::move(range); }
    bool Dragging() const { return m_dragging; }
    QWidget* Bar() const { return m_bar; }

signals:
    void released(int barLeft);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void moveBar(int pointerX);

    QWidget* m_bar;
    Range m_range;
    bool m_dragging = false;
    int m_grab = 0;  // pixels from the handle's left edge to the pointer at the press
};
