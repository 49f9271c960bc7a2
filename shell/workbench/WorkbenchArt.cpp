#include "workbench/WorkbenchArt.h"

#include "system/AppSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace WorkbenchArt {

namespace {

QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A parcel seen from the front at an angle, drawn into the square r.
void drawParcel(QPainter& p, const QRectF& r, const QColor& face, const QColor& line)
{
    const qreal w = r.width();
    const QPointF top(r.center().x(), r.top() + w * 0.12);
    const QPointF left(r.left() + w * 0.14, r.top() + w * 0.32);
    const QPointF right(r.right() - w * 0.14, r.top() + w * 0.32);
    const QPointF middle(r.center().x(), r.top() + w * 0.52);
    const QPointF bottom(r.center().x(), r.bottom() - w * 0.1);
    const QPointF leftBottom(left.x(), r.bottom() - w * 0.3);
    const QPointF rightBottom(right.x(), r.bottom() - w * 0.3);
    p.setPen(QPen(line, std::max<qreal>(1.0, w / 22), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(face);
    p.drawPolygon(QPolygonF({top, right, middle, left}));
    p.setBrush(face.darker(112));
    p.drawPolygon(QPolygonF({left, middle, bottom, leftBottom}));
    p.setBrush(face.darker(125));
    p.drawPolygon(QPolygonF({middle, right, rightBottom, bottom}));
}

}  // namespace

QPixmap Logo(int size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, size);
    background.setColorAt(0, QColor(0x2f, 0x6f, 0xd8));
    background.setColorAt(1, QColor(0x17, 0x45, 0x9c));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    drawParcel(p, QRectF(size * 0.12, size * 0.1, size * 0.76, size * 0.8), QColor(0xff, 0xc2, 0x5c), QColor(0x5a, 0x34, 0x00));
    return pixmap;
}

QPixmap LockPicture(int size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xf0, 0xfd));
    p.drawEllipse(QRectF(0, 0, size, size));
    const qreal u = size / 10.0;
    p.setPen(QPen(QColor(0x1a, 0x56, 0xc4), u * 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(u * 3.4, u * 2.0, u * 3.2, u * 3.6), 0, 180 * 16);
    p.drawLine(QPointF(u * 3.4, u * 3.8), QPointF(u * 3.4, u * 4.6));
    p.drawLine(QPointF(u * 6.6, u * 3.8), QPointF(u * 6.6, u * 4.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x56, 0xc4));
    p.drawRoundedRect(QRectF(u * 2.6, u * 4.4, u * 4.8, u * 3.6), u * 0.6, u * 0.6);
    p.setBrush(QColor(0xe8, 0xf0, 0xfd));
    p.drawEllipse(QPointF(u * 5, u * 5.9), u * 0.55, u * 0.55);
    p.drawRect(QRectF(u * 4.75, u * 6.1, u * 0.5, u * 1.0));
    return pixmap;
}

QIcon Icon(Glyph glyph, const QColor& color, int size)
{
    // Drawn at twice the size so that the icon stays sharp on high-density screens.
    const int scale = 2;
    QPixmap pixmap = canvas(size * scale);
    pixmap.setDevicePixelRatio(scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(color, std::max<qreal>(1.3, s / 11), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF box(s * 0.15, s * 0.15, s * 0.7, s * 0.7);
    switch (glyph) {
    case Glyph::Exit:
        p.drawArc(box, 120 * 16, 300 * 16);
        p.drawLine(QPointF(s / 2, s * 0.08), QPointF(s / 2, s * 0.5));
        break;
    case Glyph::Lock:
    case Glyph::Unlock:
        p.drawRoundedRect(QRectF(s * 0.2, s * 0.45, s * 0.6, s * 0.42), s * 0.06, s * 0.06);
        p.drawArc(QRectF(s * 0.32, s * 0.12, s * 0.36, s * 0.5), glyph == Glyph::Lock ? 0 : 30 * 16, 180 * 16);
        break;
    case Glyph::Help:
        p.drawEllipse(box);
        p.drawArc(QRectF(s * 0.38, s * 0.3, s * 0.24, s * 0.22), -90 * 16, 270 * 16);
        p.drawLine(QPointF(s / 2, s * 0.52), QPointF(s / 2, s * 0.58));
        p.drawPoint(QPointF(s / 2, s * 0.7));
        break;
    case Glyph::Alert: {
        QPainterPath bell;
        bell.moveTo(s * 0.22, s * 0.7);
        bell.cubicTo(s * 0.3, s * 0.6, s * 0.26, s * 0.2, s * 0.5, s * 0.18);
        bell.cubicTo(s * 0.74, s * 0.2, s * 0.7, s * 0.6, s * 0.78, s * 0.7);
        bell.closeSubpath();
        p.drawPath(bell);
        p.drawLine(QPointF(s * 0.44, s * 0.82), QPointF(s * 0.56, s * 0.82));
        break;
    }
    case Glyph::PanelShown:
    case Glyph::PanelHidden: {
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.18, s * 0.8, s * 0.64), s * 0.08, s * 0.08);
        p.drawLine(QPointF(s * 0.38, s * 0.18), QPointF(s * 0.38, s * 0.82));
        const qreal tip = glyph == Glyph::PanelShown ? s * 0.54 : s * 0.72;
        const qreal back = glyph == Glyph::PanelShown ? s * 0.7 : s * 0.56;
        p.drawPolyline(QPolygonF({QPointF(back, s * 0.38), QPointF(tip, s * 0.5), QPointF(back, s * 0.62)}));
        break;
    }
    case Glyph::Web:
        p.drawEllipse(box);
        p.drawEllipse(QRectF(s * 0.35, s * 0.15, s * 0.3, s * 0.7));
        p.drawLine(QPointF(s * 0.15, s / 2), QPointF(s * 0.85, s / 2));
        break;
    case Glyph::Support: {
        p.drawArc(QRectF(s * 0.18, s * 0.15, s * 0.64, s * 0.64), 0, 180 * 16);
        p.drawRoundedRect(QRectF(s * 0.14, s * 0.45, s * 0.16, s * 0.26), s * 0.04, s * 0.04);
        p.drawRoundedRect(QRectF(s * 0.7, s * 0.45, s * 0.16, s * 0.26), s * 0.04, s * 0.04);
        break;
    }
    case Glyph::Mail:
        p.drawRoundedRect(QRectF(s * 0.12, s * 0.24, s * 0.76, s * 0.52), s * 0.06, s * 0.06);
        p.drawPolyline(QPolygonF({QPointF(s * 0.14, s * 0.28), QPointF(s / 2, s * 0.54), QPointF(s * 0.86, s * 0.28)}));
        break;
    }
    return QIcon(pixmap);
}

QString FindPicture(AppSystem& system, const QString& name)
{
    const QString relative = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folders[] = {system.Theme().Folder(), system.AppInfo().AppPath};
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + relative);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

}  // namespace WorkbenchArt
