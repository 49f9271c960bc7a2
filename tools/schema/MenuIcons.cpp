#include "schema/MenuIcons.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 32;

QColor background(MenuIcons::Sign sign)
{
    switch (sign) {
    case MenuIcons::Sign::Document: return QColor(0x1a, 0x73, 0xe8);
    case MenuIcons::Sign::List: return QColor(0x18, 0x80, 0x38);
    case MenuIcons::Sign::Money: return QColor(0xe3, 0x74, 0x00);
    case MenuIcons::Sign::Chart: return QColor(0x86, 0x4b, 0xd8);
    case MenuIcons::Sign::Import: return QColor(0x00, 0x89, 0x7b);
    case MenuIcons::Sign::Upload: return QColor(0x03, 0x7b, 0xc4);
    case MenuIcons::Sign::Tools: return QColor(0x5f, 0x6b, 0x7a);
    case MenuIcons::Sign::Addins: return QColor(0x4e, 0x5d, 0x6c);
    case MenuIcons::Sign::Alert: return QColor(0xd9, 0x30, 0x25);
    }
    return Qt::gray;
}

void drawArrow(QPainter& p, bool up)
{
    p.drawLine(16, 7, 16, 19);
    if (up) {
        p.drawLine(11, 12, 16, 7);
        p.drawLine(21, 12, 16, 7);
    } else {
        p.drawLine(11, 14, 16, 19);
        p.drawLine(21, 14, 16, 19);
    }
    p.drawPolyline(QPolygon({QPoint(8, 19), QPoint(8, 24), QPoint(24, 24), QPoint(24, 19)}));
}

void drawSign(QPainter& p, MenuIcons::Sign sign)
{
    switch (sign) {
    case MenuIcons::Sign::Document:
        p.drawPolygon(QPolygon({QPoint(10, 7), QPoint(19, 7), QPoint(23, 11), QPoint(23, 25), QPoint(10, 25)}));
        for (int y : {13, 17, 21})
            p.drawLine(13, y, 20, y);
        break;
    case MenuIcons::Sign::List:
        for (int y : {10, 16, 22}) {
            p.drawPoint(10, y);
            p.drawLine(14, y, 23, y);
        }
        break;
    case MenuIcons::Sign::Money:
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.drawLine(12, 11, 16, 16);
        p.drawLine(20, 11, 16, 16);
        p.drawLine(16, 16, 16, 22);
        p.drawLine(13, 17, 19, 17);
        break;
    case MenuIcons::Sign::Chart:
        p.drawLine(8, 24, 24, 24);
        p.drawLine(11, 24, 11, 17);
        p.drawLine(16, 24, 16, 9);
        p.drawLine(21, 24, 21, 13);
        break;
    case MenuIcons::Sign::Import:
        drawArrow(p, false);
        break;
    case MenuIcons::Sign::Upload:
        drawArrow(p, true);
        break;
    case MenuIcons::Sign::Tools:
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(i * 45);
            p.drawLine(0, -7, 0, -10);
            p.restore();
        }
        p.drawEllipse(QPointF(16, 16), 6, 6);
        p.drawEllipse(QPointF(16, 16), 2, 2);
        break;
    case MenuIcons::Sign::Addins:
        for (int x : {9, 17})
            for (int y : {9, 17})
                p.drawRoundedRect(QRectF(x, y, 6, 6), 1.5, 1.5);
        break;
    case MenuIcons::Sign::Alert:
        p.drawPolygon(QPolygon({QPoint(16, 7), QPoint(25, 24), QPoint(7, 24)}));
        p.drawLine(16, 13, 16, 18);
        p.drawPoint(16, 21);
        break;
    }
}

}  // namespace

QByteArray MenuIcons::Png(Sign sign)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(background(sign));
        p.drawRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 7, 7);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        drawSign(p, sign);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
