#include "figures/pressure_diagram.h"

#include <algorithm>
#include <cmath>

#include "calc/common/arith.h"
#include "calc/common/geometry.h"
#include "common/number_format.h"
#include "figures/figure_text.h"
#include "formats/format_error.h"

namespace nuvra::figures {

using figures::FigureModel;

namespace {

constexpr int kTextStyle = 2;
constexpr const char* kPressurePicture = "####0.00";
constexpr const char* kElevationPicture = "+#0.000;-#0.000";
constexpr const char* kFirstLine = "土圧の計算";

}  // namespace

PressureTable MakePressureTable(const calc::colPressureLoad& Qdo, double ELGL, double ELDL) {
    if (Qdo.Count() == 0) throw formats::FormatError("a pressure diagram without segments");
    if (Qdo.Count() > kMaxPressureSegments)
        throw formats::FormatError("more than " + std::to_string(kMaxPressureSegments) +
                                   " pressure segments");
    PressureTable t;
    for (const calc::clsPressureLoad& s : Qdo)
        t.segments.push_back(s);
    t.ELGL = ELGL;
    t.ELDL = ELDL;
    return t;
}

double PressureMax(const PressureTable& t) {
    if (t.segments.empty()) throw formats::FormatError("a pressure diagram without segments");
    double pmax = t.segments.front().EU;
    for (const calc::clsPressureLoad& s : t.segments)
        pmax = std::max({pmax, s.PU, s.PL});
    return pmax;
}

DiagramScales PressureScales(const PressureTable& t, double margin, double pageWidth,
                             double pageHeight) {
    const double pmax = PressureMax(t);
    DiagramScales sc;
    sc.hs = DrawingScale(calc::cdiv(pageWidth - margin - 30, pmax));
    sc.vs = DrawingScale(calc::cdiv(pageHeight - 5, t.ELGL - t.segments.back().EL));
    return sc;
}

Centroid PressurePartCentroid(int shape, double EU, double EL, double PU, double PL) {
    std::vector<double> X, Y;
    switch (shape) {
        case 0:
            X = {0, 0, PU, PL};
            Y = {EL, EU, EU, EL};
            break;
        case 1:
            X = {0, 0, PU, 0};
            Y = {EL, EU, EU, EL};
            break;
        case 2:
            X = {0, PU, PU, PL};
            Y = {EL, EU, EU, EL};
            break;
        default:
            throw formats::FormatError("pressure part shape " + std::to_string(shape));
    }
    Centroid c;
    calc::PolygonCentroid(X, Y, c.x, c.y);
    return c;
}

void WritePressureDiagram(FigureModel& m, const PressureTable& t, double hs, double vs,
                          bool mirrored) {
    m.ClearElements();
    const std::vector<calc::clsPressureLoad>& seg = t.segments;
    if (seg.empty()) throw formats::FormatError("a pressure diagram without segments");
    const double h = m.TextHeight(kTextStyle);
    const double gap = m.State.DimTextGap;
    const double pmax = PressureMax(t);
    // The elevation column: 10 mm beyond the largest pressure, 20 mm long.
    const double xr = mirrored ? -hs * pmax - 10 : hs * pmax + 10;
    const double xe = mirrored ? xr - 20 : xr + 20;
    const int towardAxis = mirrored ? figures::kArrowRight : figures::kArrowLeft;
    auto text = [&](const std::string& s, double x, double y) {
        m.AddText(s, kTextStyle, figures::kTextHorizontal, x, y);
    };
    auto width = [&](const std::string& s) { return m.TextWidth(kTextStyle, s); };

    const int a1 = m.AddPoint(0, vs * seg.front().EU);
    const int a2 = m.AddPoint(0, vs * seg.back().EL);
    m.AddLine(a1, a2, 3);

    int L = 0;
    double q = -1;   // bottom pressure of the segment above
    double d = 999;  // drawn height of the segment above
    const std::size_t n = seg.size();
    for (std::size_t k = 0; k < n; ++k) {
        const calc::clsPressureLoad& s = seg[k];
        const bool last = k + 1 == n;
        const double yU = vs * s.EU, yL = vs * s.EL;
        const double xU = mirrored ? -hs * s.PU : hs * s.PU;
        const double xL = mirrored ? -hs * s.PL : hs * s.PL;
        const int p1 = m.AddPoint(0, yU);
        const int p2 = m.AddPoint(xU, yU);
        const int p3 = m.AddPoint(xL, yL);
        const int p4 = m.AddPoint(0, yL);
        const int t1 = m.AddPoint(xr, yU);
        const int t2 = m.AddPoint(xe, yU);
        int l1 = 0, l2 = 0;
        if (last) {
            l1 = m.AddPoint(xr, yL);
            l2 = m.AddPoint(xe, yL);
        }
        m.AddLine(p1, p2, 1);
        m.AddLine(p2, p3, 1);
        m.AddLine(p3, p4, 1);
        if (std::fabs(s.PU - s.PL) >= 0.1) m.AddLine(p2, p4, 4);  // upper | lower triangle
        m.AddLine(t1, t2, 1);
        if (last) m.AddLine(l1, l2, 1);

        if (std::fabs(s.PU - q) > 0.009) {
            const std::string v = formatPicture(s.PU, kPressurePicture);
            text(v, mirrored ? xU : xU - width(v) - gap, yU - h);
        }
        if (s.PU > 0.09) m.AddArrow(p1, towardAxis, 1);
        {
            const std::string v = formatPicture(s.PL, kPressurePicture);
            const bool tall = std::fabs(yU - yL) > 2 * h;
            const double x =
                mirrored ? (tall ? xL - width(v) - gap : xL) : (tall ? xL : xL - width(v) - gap);
            text(v, x, yL);
        }
        if (s.PL > 0.009) m.AddArrow(p4, towardAxis, 1);
        {
            // The elevation moves to the column's start when the segment above was too
            // low for two lines of text.
            const std::string v = formatPicture(s.EU, kElevationPicture);
            const bool room = d > 2 * h;
            const double x = mirrored ? (room ? xe + gap : xr - width(v) - gap)
                                      : (room ? xe - width(v) - gap : xr + gap);
            text(v, x, yU);
        }
        if (last) {
            const std::string v = formatPicture(s.EL, kElevationPicture);
            text(v, mirrored ? xe + gap : xe - width(v) - gap, yL);
        }
        auto label = [&](int shape) {
            const std::string v = CircledNumber(++L);
            const Centroid c = mirrored ? PressurePartCentroid(shape, s.EU, s.EL, -s.PU, -s.PL)
                                        : PressurePartCentroid(shape, s.EU, s.EL, s.PU, s.PL);
            text(v, hs * c.x - width(v) / 2, vs * c.y - h / 2);
        };
        if (std::fabs(s.PU - s.PL) >= 0.01) {
            if (s.PU > 0.009) label(1);
            if (s.PL > 0.009) label(2);
        } else if (s.PU > 0.009) {
            label(0);
        }
        q = s.PL;
        d = vs * s.H;
    }

    const double yG = vs * t.ELGL;
    const int g1 = m.AddPoint(0, yG);
    const int g2 = m.AddPoint(xe, yG);
    m.AddLine(g1, g2, 1);
    if (!mirrored) m.AddGroundHatch(xr / 2, yG, 3);
    m.WriteSubFigure(kFirstLine, "土圧分布図");
}

void WriteElevationPanel(FigureModel& m, const PressureTable& t, double a, double vs) {
    m.ClearElements();
    const double yG = vs * t.ELGL, yD = vs * t.ELDL;
    const double gap = m.State.DimTextGap, off1 = m.State.DimOffset1;
    m.AddPoint(0, 0);
    const int p2 = m.AddPoint(0, yG);
    const int p3 = m.AddPoint(0, yD);
    const int p4 = m.AddPoint(0, yG);
    const int p5 = m.AddPoint(0, yD);
    m.AddLine(p2, p3, 3);
    m.AddLine(p2, p4, 3);
    m.AddLine(p4, p5, 3);
    const int p6 = m.AddPoint(-a, yD);
    const int p7 = m.AddPoint(0, yD);
    const int p8 = m.AddPoint(0, yD);
    const int p9 = m.AddPoint(0, yD);
    m.AddLine(p6, p7, 1);
    m.AddLine(p8, p9, 1);
    const int p10 = m.AddPoint(-a, yG);
    const int p11 = m.AddPoint(-gap, yG);
    m.AddLine(p10, p11, 1);
    for (const auto& [value, y] : {std::pair{t.ELGL, yG}, std::pair{t.ELDL, yD}}) {
        const std::string v = formatPicture(value, "+#0.00;-#0.00");
        m.AddText(v, kTextStyle, figures::kTextHorizontal, -off1 - m.TextWidth(kTextStyle, v), y);
    }
    m.AddGroundHatch(-a + off1, yD, 3);
    m.WriteSubFigure(kFirstLine, "標高");
}

}  // namespace nuvra::figures
