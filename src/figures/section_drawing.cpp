#include "figures/section_drawing.h"

#include <cmath>

#include "figures/figure_text.h"

namespace nuvra::figures {

using figures::FigureModel;

double OverallWidth(const CInpJyoken& j) {
    return 2 * (j.T2 + j.TB) + j.B;
}

SectionPoints AddSectionOutline(FigureModel& m, const CInpJyoken& j, double s) {
    const double W = OverallWidth(j);
    const double B = j.B, T1 = j.T1, T2 = j.T2, T3 = j.T3, T4 = j.T4, H = j.H;
    SectionPoints P{};
    P[1] = m.AddPoint(-W / 2 * s, 0);
    P[2] = m.AddPoint(-W / 2 * s, T3 * s);
    P[3] = m.AddPoint(-(B / 2 + T2) * s, T3 * s);
    P[4] = m.AddPoint(-(B / 2 + T1) * s, (T3 + H) * s);
    P[5] = m.AddPoint(-B / 2 * s, (T3 + H) * s);
    P[6] = m.AddPoint(-B / 2 * s, (T3 + T4) * s);
    P[7] = m.AddPoint((-B / 2 + T4) * s, T3 * s);
    P[8] = m.AddPoint((B / 2 - T4) * s, T3 * s);
    P[9] = m.AddPoint(B / 2 * s, (T3 + T4) * s);
    P[10] = m.AddPoint(B / 2 * s, (T3 + H) * s);
    P[11] = m.AddPoint((B / 2 + T1) * s, (T3 + H) * s);
    P[12] = m.AddPoint((B / 2 + T2) * s, T3 * s);
    P[13] = m.AddPoint(W / 2 * s, T3 * s);
    P[14] = m.AddPoint(W / 2 * s, 0);
    for (int i = 1; i <= 14; ++i)
        m.AddLine(P[i], P[i == 14 ? 1 : i + 1], 2);
    return P;
}

void AddMainDimensions(FigureModel& m, const SectionPoints& P, const CInpJyoken& j) {
    const double off1 = m.State.DimOffset1, off2 = m.State.DimOffset2, pitch = m.State.DimRowPitch;
    auto x = [&](int i) { return m.Point(P[i]).x; };
    auto y = [&](int i) { return m.Point(P[i]).y; };
    const double b = y(1) - off2;
    m.AddDimensionRight(P[7], P[5], x(5) + off2, 1, MillimetreText(j.H), "01111U");
    m.AddDimensionAbove(P[4], P[5], y(5) + off1, 1, MillimetreText(j.T1), "11111U");
    m.AddDimensionAbove(P[10], P[11], y(5) + off1, 1, MillimetreText(j.T1), "11111U");
    if (j.TB > 0.001) {
        m.AddDimensionBelow(P[1], P[3], b, 1, MillimetreText(j.TB), "01111L");
        m.AddDimensionBelow(P[12], P[14], b, 1, MillimetreText(j.TB), "10111L");
    }
    m.AddDimensionBelow(P[3], P[6], b, 1, MillimetreText(j.T2), "00111U");
    m.AddDimensionBelow(P[6], P[9], b, 1, MillimetreText(j.B), "11111U");
    m.AddDimensionBelow(P[9], P[12], b, 1, MillimetreText(j.T2), "00111U");
    m.AddDimensionBelow(P[1], P[14], b, 2, MillimetreText(OverallWidth(j)), "11111U");
    m.AddDimensionLeft(P[1], P[2], x(1) - off1, 1, MillimetreText(j.T3), "11111U");
    if (j.T4 > 0.001) {
        m.AddDimensionAbove(P[8], P[9], y(9) + pitch, 1, MillimetreText(j.T4), "10111U");
        m.AddDimensionLeft(P[8], P[9], x(8) - pitch, 1, MillimetreText(j.T4), "01111U");
    }
}

void AddGroundwaterLevel(FigureModel& m, const SectionPoints& P, const CInpJyoken& j, double E,
                         double s) {
    if (!(j.HW > 0.001)) return;
    // Water above the slab's top meets the wall's foot, otherwise the slab's edge.
    const double xw = j.HW > j.T3 ? m.Point(P[12]).x : m.Point(P[14]).x;
    const double yw = j.HW * s;
    const double half = std::fabs(E * s - xw) / 2;

    const int start = m.AddPoint(xw, yw);
    const int end = m.AddPoint(E * s, yw);
    m.AddLine(start, end, 1);
    m.AddWaterLevelMark(xw + half, yw);
    m.AddWaterLevelLines(xw + half, yw);
    m.AddDimensionRight(P[14], start, m.Point(P[14]).x + m.State.DimOffset2, 1,
                        MillimetreText(j.HW), "11111U");

    const int lstart = m.AddPoint(-xw, yw);
    const int lend = m.AddPoint(-E * s, yw);
    m.AddLine(lstart, lend, 1);
    m.AddWaterLevelMark(-xw - half, yw);
    m.AddWaterLevelLines(-xw - half, yw);
}

}  // namespace nuvra::figures
