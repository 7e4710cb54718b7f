#include "app/dialogs/sketch_widget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace nuvra::app {

SketchWidget::SketchWidget(QSizeF logical, QWidget* parent) : QWidget(parent), logical_(logical) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QSize SketchWidget::sizeHint() const {
    return logical_.toSize();
}

void SketchWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const double scale = std::min(width() / logical_.width(), height() / logical_.height());
    p.translate((width() - logical_.width() * scale) / 2,
                (height() - logical_.height() * scale) / 2);
    p.scale(scale, scale);
    QFont f = font();
    f.setPointSizeF(9);
    p.setFont(f);
    draw(p);
}

namespace sketch {

namespace {
const QColor kDimension(0x1f, 0x4e, 0x9a);
}

void useConcrete(QPainter& p) {
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(QColor(0xd9, 0xd9, 0xd9));
}

void useDimension(QPainter& p) {
    p.setPen(QPen(kDimension, 0.9));
    p.setBrush(kDimension);
}

void arrowHead(QPainter& p, QPointF from, QPointF tip, double size) {
    const double dx = tip.x() - from.x();
    const double dy = tip.y() - from.y();
    const double len = std::hypot(dx, dy);
    if (len <= 0) return;
    const double ux = dx / len, uy = dy / len;
    const QPointF base(tip.x() - ux * size, tip.y() - uy * size);
    const QPointF n(-uy * size * 0.35, ux * size * 0.35);
    p.save();
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{tip, base + n, base - n});
    p.restore();
}

void label(QPainter& p, QPointF centre, const QString& text) {
    const QFontMetricsF fm(p.font());
    const QRectF r(centre.x() - fm.horizontalAdvance(text) / 2 - 1, centre.y() - fm.height() / 2,
                   fm.horizontalAdvance(text) + 2, fm.height());
    p.save();
    p.setPen(p.pen().color());
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

namespace {

QPointF labelPoint(QPainter& p, QPointF a, QPointF b, const QString& text, int side) {
    const QFontMetricsF fm(p.font());
    const QPointF mid((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    if (std::abs(a.y() - b.y()) < 1e-9)  // horizontal
        return mid + QPointF(0, side * (fm.height() / 2 + 1));
    return mid + QPointF(side * (fm.horizontalAdvance(text) / 2 + 3), 0);
}

}  // namespace

void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, int side) {
    p.save();
    useDimension(p);
    p.drawLine(a, b);
    arrowHead(p, b, a);
    arrowHead(p, a, b);
    label(p, labelPoint(p, a, b, text, side), text);
    p.restore();
}

void dimensionOutside(QPainter& p, QPointF a, QPointF b, const QString& text, int side) {
    p.save();
    useDimension(p);
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len = std::hypot(dx, dy);
    const double ux = len > 0 ? dx / len : 0, uy = len > 0 ? dy / len : 0;
    const double ext = 10;
    const QPointF a0(a.x() - ux * ext, a.y() - uy * ext);
    const QPointF b0(b.x() + ux * ext, b.y() + uy * ext);
    p.drawLine(a0, b0);
    arrowHead(p, a0, a);
    arrowHead(p, b0, b);
    label(p, labelPoint(p, a, b, text, side), text);
    p.restore();
}

void extension(QPainter& p, QPointF from, QPointF to) {
    p.save();
    p.setPen(QPen(kDimension, 0.6, Qt::SolidLine));
    p.drawLine(from, to);
    p.restore();
}

void loadArrow(QPainter& p, double x, double y, double length) {
    p.save();
    p.setPen(QPen(QColor(0xb0, 0x30, 0x30), 1.0));
    p.setBrush(QColor(0xb0, 0x30, 0x30));
    p.drawLine(QPointF(x, y - length), QPointF(x, y));
    arrowHead(p, QPointF(x, y - length), QPointF(x, y), 5);
    p.restore();
}

void groundLine(QPainter& p, double x0, double x1, double y) {
    p.save();
    p.setPen(QPen(QColor(0x6b, 0x4f, 0x2a), 1.2));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(QColor(0x6b, 0x4f, 0x2a), 0.8));
    const double step = 7;
    const double lo = std::min(x0, x1), hi = std::max(x0, x1);
    for (double x = lo + 3; x + 5 <= hi; x += step)
        p.drawLine(QPointF(x, y + 5), QPointF(x + 5, y));
    p.restore();
}

void waterLevel(QPainter& p, double x0, double x1, double y, bool marker) {
    p.save();
    const QColor blue(0x20, 0x70, 0xc0);
    p.setPen(QPen(blue, 1.0, Qt::DashLine));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    if (marker) {
        const double cx = x0 + (x1 - x0) * 0.5;
        p.setPen(QPen(blue, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF{QPointF(cx - 5, y - 8), QPointF(cx + 5, y - 8), QPointF(cx, y)});
    }
    p.restore();
}

}  // namespace sketch
}  // namespace nuvra::app
