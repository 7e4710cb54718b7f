// "形状図": the scaled cross-section with the ground, the surcharge or embankment on both
// sides, the main dimensions and the groundwater level.
#include <algorithm>

#include "calc/common/arith.h"
#include "figures/figure_text.h"
#include "figures/figures.h"
#include "figures/section_drawing.h"

namespace nuvra::figures {
namespace {

using figures::FigureModel;

constexpr double kLoadHeight = 5.0;  // mm between the ground and the load line
constexpr double kLoadPitch = 2.0;   // mm between load arrows

// Option 1: the ground at the wall top with a surcharge from x behind the wall outward.
void addSurcharge(FigureModel& m, const SectionPoints& P, const CInpMorido& mo, double E,
                  double s) {
    const figures::FigPoint p11 = m.Point(P[11]), p4 = m.Point(P[4]);
    const int g1 = m.AddPoint(p11.x, p11.y);
    const int g2 = m.AddPoint(p11.x + mo.x * s, p11.y);
    const int g3 = m.AddPoint(E * s, p11.y);
    m.AddLine(g1, g2, 1);
    m.AddLine(g2, g3, 1);
    if (mo.x > 0.001)
        m.AddDimensionAbove(g1, g2, p11.y + m.State.DimOffset1, 1, MillimetreText(mo.x), "11111U");
    m.AddLoadArrows(g2, kLoadHeight, m.Point(g3).x - m.Point(g2).x, 1, kLoadPitch);

    const int l1 = m.AddPoint(p4.x, p4.y);
    const int l2 = m.AddPoint(p4.x - mo.x * s, p4.y);
    const int l3 = m.AddPoint(-E * s, p4.y);
    m.AddLine(l1, l2, 1);
    m.AddLine(l2, l3, 1);
    m.AddLoadArrows(l2, kLoadHeight, m.Point(l2).x - m.Point(l3).x, -1, kLoadPitch);
}

// Option 2: a trapezoid embankment from X1 behind the wall, rising over X2 to Ho.
void addEmbankment(FigureModel& m, const SectionPoints& P, const CInpMorido& mo, double E,
                   double s) {
    const figures::FigPoint p11 = m.Point(P[11]), p4 = m.Point(P[4]);
    const int r1 = m.AddPoint(p11.x, p11.y);
    const int r2 = m.AddPoint(p11.x + mo.X1 * s, p11.y);
    const int r3 = m.AddPoint(p11.x + (mo.X1 + mo.X2) * s, p11.y + mo.Ho * s);
    const int r4 = m.AddPoint(E * s, m.Point(r3).y);
    m.AddLine(r1, r2, 1);
    m.AddLine(r2, r3, 1);
    m.AddLine(r3, r4, 1);
    const double base = m.Point(r3).y + m.State.DimOffset1;
    if (mo.X1 > 0.001) m.AddDimensionAbove(r1, r2, base, 1, MillimetreText(mo.X1), "11111U");
    if (mo.X2 > 0.001) m.AddDimensionAbove(r2, r3, base, 1, MillimetreText(mo.X2), "11111U");
    if (mo.Ho > 0.001)
        m.AddDimensionLeft(r2, r3, m.Point(r2).x - m.State.DimRowPitch, 1, MillimetreText(mo.Ho),
                           "11111U");
    m.AddLoadArrows(r3, kLoadHeight, m.Point(r4).x - m.Point(r3).x, 1, kLoadPitch);

    const int l1 = m.AddPoint(p4.x, p4.y);
    const int l2 = m.AddPoint(p4.x - mo.X1 * s, p11.y);
    const int l3 = m.AddPoint(p4.x - (mo.X1 + mo.X2) * s, p11.y + mo.Ho * s);
    const int l4 = m.AddPoint(-E * s, m.Point(l3).y);
    m.AddLine(l1, l2, 1);
    m.AddLine(l2, l3, 1);
    m.AddLine(l3, l4, 1);
    m.AddLoadArrows(l3, kLoadHeight, m.Point(l3).x - m.Point(l4).x, -1, kLoadPitch);
}

}  // namespace

std::string MakeShapeFigure(const FigureInputs& in, double pageWidth, double pageHeight) {
    const CInpJyoken& j = in.design.objInpJyoken;
    const CInpMorido& mo = in.design.objInpMorido;
    return in.model.BuildFigure([&](FigureModel& m) {
        const bool embankment = mo.Morido == 2;
        const double W = OverallWidth(j);
        const double reach =
            embankment ? j.B / 2 + 1.25 * (mo.X1 + mo.X2) : j.B / 2 + j.T1 + 1.25 * mo.x;
        const double E = std::max(0.75 * W, reach);
        const double V = embankment ? j.T3 + j.H + mo.Ho : j.T3 + j.H;
        const double s =
            DrawingScale(std::min(calc::cdiv(pageWidth, 2 * E), calc::cdiv(pageHeight - 30, V)));

        const SectionPoints P = AddSectionOutline(m, j, s);
        if (embankment)
            addEmbankment(m, P, mo, E, s);
        else
            addSurcharge(m, P, mo, E, s);
        AddMainDimensions(m, P, j);
        AddGroundwaterLevel(m, P, j, E, s);

        m.WriteSubFigure(kProgramName, "形状図");
        return m.LayoutCentred("形状図", pageWidth, pageHeight);
    });
}

}  // namespace nuvra::figures
