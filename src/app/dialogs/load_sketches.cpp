#include "app/dialogs/load_sketches.h"

#include <QPainter>
#include <QPolygonF>

namespace nuvra::app {
namespace {

constexpr double kW = 350, kH = 250;
constexpr double yG = 116;      // ground surface = wall top
constexpr double yS = 206;      // slab top
constexpr double yB = 232;      // slab underside
constexpr double xIn = 40;      // inner face of the wall
constexpr double xBack = 62;    // back face at the top
constexpr double xRoot = 72;    // back face at the root
constexpr double xSlab = 96;    // end of the slab
constexpr double yChain = 140;  // dimension chain below the ground surface

/// The wall with part of the slab and the ground behind it, shared by both sketches.
void drawChannelAndGround(QPainter& p) {
    using namespace sketch;
    groundLine(p, xBack, kW - 10, yG);
    useConcrete(p);
    p.drawPolygon(QPolygonF{{0, yB},
                            {xSlab, yB},
                            {xSlab, yS},
                            {xRoot, yS},
                            {xBack, yG},
                            {xIn, yG},
                            {xIn, yS - 10},
                            {xIn - 10, yS},
                            {0, yS}});
    // The section goes on to the left.
    p.setPen(QPen(Qt::black, 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(4, yS - 4), QPointF(4, yB + 4));
    // The back face from which the load positions are measured.
    extension(p, {xBack, yG + 2}, {xBack, yChain + 4});
}

/// Load arrows from x0 to x1 onto the level y, with the load line above them.
void drawLoad(QPainter& p, double x0, double x1, double y) {
    using namespace sketch;
    const double len = 24;
    for (double x = x0; x <= x1 + 0.1; x += 15)
        loadArrow(p, x, y, len);
    p.save();
    p.setPen(QPen(QColor(0xb0, 0x30, 0x30), 1.2));
    p.drawLine(QPointF(x0, y - len), QPointF(x1, y - len));
    p.restore();
    p.save();
    p.setPen(QColor(0xb0, 0x30, 0x30));
    label(p, {(x0 + x1) / 2, y - len - 10}, QStringLiteral("Q"));
    p.restore();
}

}  // namespace

SurchargeSketch::SurchargeSketch(QWidget* parent) : SketchWidget(QSizeF(kW, kH), parent) {}

void SurchargeSketch::draw(QPainter& p) const {
    using namespace sketch;
    drawChannelAndGround(p);
    const double xLoad = 150;
    drawLoad(p, xLoad, kW - 20, yG);
    extension(p, {xLoad, yG + 2}, {xLoad, yChain + 4});
    dimension(p, {xBack, yChain}, {xLoad, yChain}, QStringLiteral("X"), +1);
}

EmbankmentSketch::EmbankmentSketch(QWidget* parent) : SketchWidget(QSizeF(kW, kH), parent) {}

void EmbankmentSketch::draw(QPainter& p) const {
    using namespace sketch;
    drawChannelAndGround(p);
    const double xStart = 112, xTop = 190, xEnd = kW - 30, yTop = yG - 50;
    p.save();
    p.setPen(QPen(QColor(0x6b, 0x4f, 0x2a), 1.2));
    p.setBrush(QColor(0xee, 0xe0, 0xc4));
    p.drawPolygon(QPolygonF{{xStart, yG}, {xTop, yTop}, {xEnd, yTop}, {xEnd, yG}});
    p.restore();
    label(p, {(xTop + xEnd) / 2, (yTop + yG) / 2}, QStringLiteral("γ"));
    drawLoad(p, xTop, xEnd, yTop);

    extension(p, {xStart, yG + 2}, {xStart, yChain + 4});
    extension(p, {xTop, yTop + 2}, {xTop, yChain + 4});
    dimension(p, {xBack, yChain}, {xStart, yChain}, QStringLiteral("X1"), +1);
    dimension(p, {xStart, yChain}, {xTop, yChain}, QStringLiteral("X2"), +1);

    const double xHo = kW - 14;
    extension(p, {xEnd + 2, yTop}, {xHo + 4, yTop});
    dimension(p, {xHo, yTop}, {xHo, yG}, QStringLiteral("Ho"), -1);
}

}  // namespace nuvra::app
