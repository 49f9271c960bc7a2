#include "zLibControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

zLibControl::zLibControl(QWidget* parent)
    : QWidget(parent)
    , m_backColor(palette().color(QPalette::Button))
    , m_barColor(palette().color(QPalette::Highlight))
{
    setProgress(this);
}

void zLibControl::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void zLibControl::setBarColor(const QColor& color)
{
    m_barColor = color;
    update();
}

void zLibControl::setVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

void zLibControl::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void zLibControl::setMax(qint64 maximum)
{
    m_max = std::max<qint64>(maximum, 0);
    setValue(m_value);
}

void zLibControl::setValue(qint64 value)
{
    value = std::clamp<qint64>(value, 0, m_max);
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void zLibControl::setRange(int64_t maximum)
{
    setMax(maximum);
    setValue(0);
}

QSize zLibControl::sizeHint() const
{
    return m_vertical ? QSize(20, 120) : QSize(120, 20);
}

void zLibControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int border = m_flat ? 0 : 1;
    const QRect inside = rect().adjusted(border, border, -border, -border);
    painter.fillRect(inside, m_backColor);
    if (m_max > 0 && m_value > 0) {
        const double share = double(m_value) / double(m_max);
        QRect bar = inside;
        if (m_vertical)
            bar.setTop(inside.bottom() + 1 - qRound(inside.height() * share));
        else
            bar.setWidth(qRound(inside.width() * share));
        painter.fillRect(bar, m_barColor);
    }
    if (!m_flat)
        qDrawShadePanel(&painter, rect(), palette(), true, border);
}

void zLibControl::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void zLibControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}
