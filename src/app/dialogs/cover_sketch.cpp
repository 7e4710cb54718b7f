#include "app/dialogs/cover_sketch.h"

#include <QPainter>
#include <QPolygonF>

namespace nuvra::app {
namespace {

constexpr double kW = 300, kH = 250;
constexpr double xOut = 80, xIn = 140;  // wall faces
constexpr double yTop = 24;             // wall top (cut)
constexpr double yS = 150, yB = 222;    // slab top and underside
constexpr double x0 = 20, x1 = 290;     // slab ends (cut on the right)
constexpr double d = 14;                // cover as drawn

void bar(QPainter& p, QPointF a, QPointF b) {
    p.save();
    p.setPen(QPen(QColor(0xb0, 0x30, 0x30), 1.6));
    p.drawLine(a, b);
    p.restore();
}

void faceName(QPainter& p, QPointF at, const QString& text) {
    p.save();
    p.setPen(QColor(0x40, 0x40, 0x40));
    sketch::label(p, at, text);
    p.restore();
}

}  // namespace

CoverSketch::CoverSketch(QWidget* parent) : SketchWidget(QSizeF(kW, kH), parent) {}

void CoverSketch::draw(QPainter& p) const {
    using namespace sketch;
    useConcrete(p);
    p.drawPolygon(QPolygonF{{x0, yB},
                            {x1, yB},
                            {x1, yS},
                            {xIn + 14, yS},
                            {xIn, yS - 14},
                            {xIn, yTop},
                            {xOut, yTop},
                            {xOut, yS},
                            {x0, yS}});
    // Cut edges of the part shown.
    p.setPen(QPen(Qt::black, 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(xOut - 6, yTop), QPointF(xIn + 6, yTop));
    p.drawLine(QPointF(x1, yS - 6), QPointF(x1, yB + 6));

    bar(p, {xOut + d, yTop + 4}, {xOut + d, yB - d - 2});
    bar(p, {xIn - d, yTop + 4}, {xIn - d, yB - d - 2});
    bar(p, {x0 + 6, yS + d}, {x1 - 4, yS + d});
    bar(p, {x0 + 6, yB - d}, {x1 - 4, yB - d});

    const double yWall = 60;
    dimensionOutside(p, {xOut, yWall}, {xOut + d, yWall}, QStringLiteral("d1"));
    faceName(p, {xOut - 34, yWall + 14}, QStringLiteral("外側"));
    dimensionOutside(p, {xIn - d, yWall}, {xIn, yWall}, QStringLiteral("d1"));
    faceName(p, {xIn + 34, yWall + 14}, QStringLiteral("内側"));

    const double xSlab = 230;
    dimensionOutside(p, {xSlab, yS}, {xSlab, yS + d}, QStringLiteral("d1"));
    faceName(p, {xSlab + 30, yS - 12}, QStringLiteral("上側"));
    dimensionOutside(p, {xSlab, yB - d}, {xSlab, yB}, QStringLiteral("d1"));
    faceName(p, {xSlab + 30, yB + 12}, QStringLiteral("下側"));

    faceName(p, {(xOut + xIn) / 2, yTop - 12}, QStringLiteral("たて壁"));
    faceName(p, {(xIn + xSlab) / 2, (yS + yB) / 2}, QStringLiteral("底版"));
}

}  // namespace nuvra::app
