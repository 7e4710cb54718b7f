#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace nuvra::app {
namespace {

constexpr int kSize = 32;

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void drawFolder(QPainter& p) {
    p.setBrush(QColor(0xE8, 0xC0, 0x50));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(11, 8), QPointF(14, 11), QPointF(27, 11),
                             QPointF(27, 27), QPointF(3, 27)}));
    p.setBrush(QColor(0xF6, 0xD8, 0x78));
    p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(27, 27), QPointF(3, 27)}));
}

void drawDisk(QPainter& p) {
    p.setBrush(QColor(0x40, 0x60, 0xA0));
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 4, 16, 10));
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(9, 19, 14, 9));
    p.setBrush(QColor(0x40, 0x60, 0xA0));
    p.drawRect(QRectF(11, 21, 4, 5));
}

void drawPen(QPainter& p) {
    p.save();
    p.translate(22, 10);
    p.rotate(45);
    p.setBrush(QColor(0xE0, 0x50, 0x30));
    p.drawRect(QRectF(-2.5, -9, 5, 14));
    p.setBrush(QColor(0xF0, 0xD0, 0xA0));
    p.drawPolygon(QPolygonF({QPointF(-2.5, 5), QPointF(2.5, 5), QPointF(0, 10)}));
    p.restore();
}

void drawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 20, 16, 9));
    p.setBrush(QColor(0x30, 0xB0, 0x30));
    p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

}  // namespace

QIcon toolbarIcon(const QString& key) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    if (key == QLatin1String("New")) {
        drawPage(p);
    } else if (key == QLatin1String("Open")) {
        drawFolder(p);
    } else if (key == QLatin1String("SaveAs")) {
        drawDisk(p);
        drawPen(p);
    } else if (key == QLatin1String("Save")) {
        drawDisk(p);
    } else if (key == QLatin1String("Printer")) {
        drawPrinter(p);
    }
    p.end();
    return QIcon(pm);
}

}  // namespace nuvra::app
