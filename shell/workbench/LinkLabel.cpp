#include "workbench/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setProperty("link", true);
}

void LinkLabel::SetTarget(const QUrl& target)
{
    m_target = target;
    setToolTip(target.toString());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
