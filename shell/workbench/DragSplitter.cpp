#include "workbench/DragSplitter.h"

#include "Twips.h"

#include <QMouseEvent>

#include <algorithm>

DragSplitter::DragSplitter(const QString& name, const QString& barName, QWidget* parent)
    : QWidget(parent), m_bar(new QWidget(parent))
{
    setObjectName(name);
    setAttribute(Qt::WA_StyledBackground);
    setCursor(Qt::SplitHCursor);
    m_bar->setObjectName(barName);
    m_bar->setAttribute(Qt::WA_StyledBackground);
    m_bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_bar->hide();
}

void DragSplitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grab = event->position().toPoint().x();
    const int shorter = Twips::ToPixels(20);
    m_bar->setGeometry(x(), y() + shorter / 2, std::max(1, width() / 2), std::max(1, height() - shorter));
    m_bar->show();
    m_bar->raise();
}

void DragSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        moveBar(mapToParent(event->position().toPoint()).x() - m_grab);
}

void DragSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    moveBar(mapToParent(event->position().toPoint()).x() - m_grab);
    m_dragging = false;
    m_bar->hide();
    emit released(Twips::FromPixels(m_bar->x()));
}

void DragSplitter::moveBar(int pointerX)
{
    int left = Twips::FromPixels(pointerX);
    if (m_range) {
        const auto [lowest, highest] = m_range();
        left = std::max(lowest, std::min(left, highest));
    }
    m_bar->move(Twips::ToPixels(left), m_bar->y());
}
