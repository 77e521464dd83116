#include "controls/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace controls {

namespace {

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
    p.setPen(QColor(150, 170, 200));
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
}

void drawNew(QPainter& p) {
    drawPage(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(12, 3), 2.6, 2.6);
}

void drawOpen(QPainter& p) {
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.setBrush(QColor(235, 190, 90));
    p.drawRect(QRectF(1.5, 3.5, 12, 10));
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.setBrush(QColor(250, 215, 120));
    p.drawPath(flap);
}

void drawClose(QPainter& p) {
    drawPage(p);
    p.setPen(QPen(QColor(200, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(14, 14));
    p.drawLine(QPointF(14, 8), QPointF(8, 14));
}

void drawSave(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 110), 1));
    p.setBrush(QColor(60, 100, 190));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void drawPrint(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 60));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void drawMail(QPainter& p) {
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(255, 250, 230));
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.drawLine(QPointF(1.5, 3.5), QPointF(8, 9));
    p.drawLine(QPointF(14.5, 3.5), QPointF(8, 9));
}

} // namespace

QPixmap toolPicture(int index, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (index / 2) {
    case 0:
        drawNew(p);
        break;
    case 1:
        drawOpen(p);
        break;
    case 2:
        drawSave(p);
        break;
    case 4:
        drawPrint(p);
        break;
    case 5:
        drawMail(p);
        break;
    case 6:
        drawClose(p);
        break;
    default:
        break;
    }
    p.end();
    if (index % 2 == 1) {
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = 128 + qGray(line[x]) / 3;
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
            }
        }
        pixmap = QPixmap::fromImage(image);
    }
    return pixmap;
}

QIcon toolIcon(int pictureIndex, int disabledIndex) {
    // Drawn at the sizes scaled screens ask for (150 %, 200 %, 300 %), so that no size is
    // a blurred enlargement of the 16-pixel one.
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(toolPicture(pictureIndex, size), QIcon::Normal);
        icon.addPixmap(toolPicture(disabledIndex, size), QIcon::Disabled);
    }
    return icon;
}

} // namespace controls
