#pragma once

#include "ZLibEngine.h"
#include "ZProgress.h"

#include <QColor>
#include <QWidget>

// The visible compression control: the file list and container work of ZLibEngine, showing its
// progress as a bar drawn in BarColor over BackColor, from the left or, Vertical, from the bottom.
class zLibControl : public QWidget, public ZLibEngine, private ZProgress {
    Q_OBJECT
    Q_PROPERTY(int ReadBuf READ ReadBuf WRITE setReadBuf)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor BarColor READ BarColor WRITE setBarColor)
    Q_PROPERTY(bool Vertical READ Vertical WRITE setVertical)
    Q_PROPERTY(qint64 Max READ Max WRITE setMax)
    Q_PROPERTY(qint64 Value READ Value WRITE setValue)
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)

public:
    explicit zLibControl(QWidget* parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    QColor BarColor() const { return m_barColor; }
    void setBarColor(const QColor& color);
    bool Vertical() const { return m_vertical; }
    void setVertical(bool vertical);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    // The bar runs from 0 to Max; Value is kept within that range.
    qint64 Max() const { return m_max; }
    void setMax(qint64 maximum);
    qint64 Value() const { return m_value; }
    void setValue(qint64 value);

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setRange(int64_t maximum) override;
    void setPosition(int64_t position) override { setValue(position); }
    int64_t position() const override { return m_value; }

    QColor m_backColor;
    QColor m_barColor;
    bool m_vertical = false;
    bool m_flat = false;
    qint64 m_max = 100;
    qint64 m_value = 0;
    bool m_pressed = false;
};
