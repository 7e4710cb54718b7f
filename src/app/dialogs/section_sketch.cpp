#include "app/dialogs/section_sketch.h"

#include <QPainter>
#include <QPolygonF>

namespace nuvra::app {
namespace {

// Logical frame and the drawn proportions (not to scale).
constexpr double kW = 350, kH = 330;
constexpr double yT = 86;   // wall tops and ground surface
constexpr double yS = 240;  // slab top
constexpr double yB = 272;  // slab underside
constexpr double yW = 200;  // groundwater level
constexpr double xL = 140;  // inner face, left wall
constexpr double xR = 240;  // inner face, right wall
constexpr double t1 = 16;   // wall at the top
constexpr double t2 = 28;   // wall at the root
constexpr double t4 = 16;   // haunch
constexpr double tb = 36;   // footing

}  // namespace

SectionSketch::SectionSketch(QWidget* parent) : SketchWidget(QSizeF(kW, kH), parent) {}

void SectionSketch::draw(QPainter& p) const {
    using namespace sketch;
    const double x0 = xL - t2 - tb, x1 = xR + t2 + tb;

    groundLine(p, 14, xL - t1, yT);
    groundLine(p, xR + t1, kW - 14, yT);
    // Groundwater outside the right wall, where the wall's outer face meets it.
    const double faceAtW = xR + t1 + (t2 - t1) * (yW - yT) / (yS - yT);
    waterLevel(p, faceAtW, kW - 14, yW);

    useConcrete(p);
    p.drawPolygon(QPolygonF{{x0, yB},
                            {x1, yB},
                            {x1, yS},
                            {xR + t2, yS},
                            {xR + t1, yT},
                            {xR, yT},
                            {xR, yS - t4},
                            {xR - t4, yS},
                            {xL + t4, yS},
                            {xL, yS - t4},
                            {xL, yT},
                            {xL - t1, yT},
                            {xL - t2, yS},
                            {x0, yS}});

    // Top chain: T1 and B.
    const double yTop = yT - 22;
    extension(p, {xL - t1, yT - 2}, {xL - t1, yTop - 4});
    extension(p, {xL, yT - 2}, {xL, yTop - 4});
    extension(p, {xR, yT - 2}, {xR, yTop - 4});
    dimensionOutside(p, {xL - t1, yTop}, {xL, yTop}, QStringLiteral("T1"));
    dimension(p, {xL, yTop}, {xR, yTop}, QStringLiteral("B"));

    // Left chain: H and T3.
    const double xDim = 40;
    extension(p, {x0 - 2, yS}, {xDim - 4, yS});
    extension(p, {x0 - 2, yB}, {xDim - 4, yB});
    dimension(p, {xDim, yT}, {xDim, yS}, QStringLiteral("H"));
    dimensionOutside(p, {xDim, yS}, {xDim, yB}, QStringLiteral("T3"));

    // Bottom chain: TB and T2.
    const double yBot = yB + 22;
    extension(p, {x0, yB + 2}, {x0, yBot + 4});
    extension(p, {xL - t2, yS}, {xL - t2, yBot + 4});
    extension(p, {xL, yS}, {xL, yBot + 4});
    dimension(p, {x0, yBot}, {xL - t2, yBot}, QStringLiteral("TB"), +1);
    dimension(p, {xL - t2, yBot}, {xL, yBot}, QStringLiteral("T2"), +1);

    // Haunch legs at the right inner corner.
    const double yHaunch = yS - t4 - 22;
    extension(p, {xR - t4, yS - 2}, {xR - t4, yHaunch - 4});
    dimensionOutside(p, {xR - t4, yHaunch}, {xR, yHaunch}, QStringLiteral("T4"));
    const double xHaunch = xR - t4 - 22;
    extension(p, {xR - 2, yS - t4}, {xHaunch - 4, yS - t4});
    dimensionOutside(p, {xHaunch, yS - t4}, {xHaunch, yS}, QStringLiteral("T4"));

    // Groundwater level from the slab underside.
    const double xHw = kW - 24;
    extension(p, {x1 + 2, yB}, {xHw + 4, yB});
    dimension(p, {xHw, yW}, {xHw, yB}, QStringLiteral("HW"));
}

}  // namespace nuvra::app
