#include "controls/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace controls {

QPixmap programPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Handle, then the basket body with its weave, then a list with a tick on top.
    p.setPen(QPen(QColor(120, 72, 30), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 3, 18, 20), 0, 180 * 16);

    QPainterPath body;
    body.moveTo(3, 13);
    body.lineTo(29, 13);
    body.lineTo(25.5, 29);
    body.lineTo(6.5, 29);
    body.closeSubpath();
    p.setPen(QPen(QColor(120, 72, 30), 1.2));
    p.setBrush(QColor(222, 160, 82));
    p.drawPath(body);
    p.setPen(QPen(QColor(160, 100, 45), 1.0));
    for (double y : {18.0, 23.0})
        p.drawLine(QPointF(4.5 + (y - 13) * 0.2, y), QPointF(27.5 - (y - 13) * 0.2, y));
    for (double x : {11.0, 16.0, 21.0})
        p.drawLine(QPointF(x, 14), QPointF(x, 28));

    p.setPen(QPen(QColor(80, 80, 80), 0.8));
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(9, 6, 14, 10));
    p.setPen(QPen(QColor(0, 140, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(11.5, 10.5), QPointF(13.5, 13), QPointF(18, 8)}));
    p.setPen(QPen(QColor(110, 110, 110), 0.8));
    p.drawLine(QPointF(18.5, 11), QPointF(21.5, 11));
    p.drawLine(QPointF(18.5, 13.5), QPointF(21.5, 13.5));
    return picture;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96, 128})
        icon.addPixmap(programPicture(size));
    return icon;
}

} // namespace controls
