#include "ProportionalLayout.h"

#include <QAbstractButton>
#include <QLabel>

void ProportionalLayout::Add(QWidget* control, const QRect& rect)
{
    m_rects.insert(control, rect);
    control->setGeometry(rect);
}

void ProportionalLayout::Apply(const QSize& current)
{
    if (m_designSize.isEmpty() || current.isEmpty())
        return;
    const double rx = double(current.width()) / m_designSize.width();
    const double ry = double(current.height()) / m_designSize.height();
    for (auto it = m_rects.cbegin(); it != m_rects.cend(); ++it) {
        const QRect& r = it.value();
        const QPoint at(qRound(r.left() * rx), qRound(r.top() * ry));
        const bool moveOnly = qobject_cast<QLabel*>(it.key()) || qobject_cast<QAbstractButton*>(it.key());
        const QSize size = moveOnly ? r.size().expandedTo(it.key()->sizeHint()) : QSize(qRound(r.width() * rx), qRound(r.height() * ry));
        it.key()->setGeometry(QRect(at, size));
    }
}
