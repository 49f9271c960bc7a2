#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

// Places controls by their design rectangles scaled by the ratios of the current to the design
// size of the form. Labels and check boxes only move (growing to their text when the font grows); every other control is scaled whole.
class ProportionalLayout {
public:
    explicit ProportionalLayout(const QSize& designSize) : m_designSize(designSize) {}

    // rect in pixels of the design size, relative to the control's parent.
    void Add(QWidget* control, const QRect& rect);
    void Apply(const QSize& current);

    QSize DesignSize() const { return m_designSize; }

private:
    QSize m_designSize;
    QHash<QWidget*, QRect> m_rects;
};
