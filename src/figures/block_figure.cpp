// "ﾌﾞﾛｯｸ割図": the cross-section cut into the blocks of the self-weight table of one
// design case, every block labelled with the running number of its weight item.
#include <algorithm>
#include <vector>

#include "calc/common/arith.h"
#include "calc/common/geometry.h"
#include "calc/common/rounding.h"
#include "figures/figure_text.h"
#include "figures/figures.h"
#include "figures/section_drawing.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

using figures::FigPoint;
using figures::FigureModel;

using Polygon = std::vector<FigPoint>;

// Numbers the weight items in order; every polygon of one item carries its number.
class BlockLabels {
  public:
    explicit BlockLabels(FigureModel& m) : m_(m) {}

    void item(const std::vector<Polygon>& polygons) {
        const std::string label = CircledNumber(++k_);
        const double w = m_.TextWidth(2, label);
        for (const Polygon& poly : polygons) {
            std::vector<double> X, Y;
            for (const FigPoint& p : poly) {
                X.push_back(p.x);
                Y.push_back(p.y);
            }
            double cx = 0, cy = 0;
            calc::PolygonCentroid(X, Y, cx, cy);
            m_.AddText(label, 2, figures::kTextHorizontal, cx - w / 2, cy - w / 2);
        }
    }

  private:
    FigureModel& m_;
    int k_ = 0;
};

FigPoint mirrored(FigPoint p) {
    return {-p.x, p.y};
}

Polygon mirrored(const Polygon& poly) {
    Polygon out;
    for (const FigPoint& p : poly)
        out.push_back(mirrored(p));
    return out;
}

// Backfill heights and taper widths above (d) and below (s) the water level, in m.
struct Backfill {
    double hd = 0, hs = 0, wd = 0, ws = 0;
};

Backfill backfillOf(const CInpJyoken& j, int caseNo) {
    Backfill b;
    if (caseNo == 1) {
        auto clamp0H = [&j](double v) { return std::min(std::max(v, 0.0), j.H); };
        b.hd = clamp0H(calc::RoundDecimal(j.T3 + j.H - j.HW, 3));
        b.hs = clamp0H(calc::RoundDecimal(j.HW - j.T3, 3));
        b.wd = calc::RoundDecimal(calc::cdiv(j.T2 - j.T1, j.H) * b.hd, 3);
        b.ws = calc::RoundDecimal(calc::cdiv(j.T2 - j.T1, j.H) * b.hs, 3);
    } else {
        b.hd = j.H;
        b.wd = calc::RoundDecimal(j.T2 - j.T1, 3);
    }
    return b;
}

void addBackfill(FigureModel& m, const SectionPoints& P, const CInpJyoken& j, int caseNo, double E,
                 double s, BlockLabels& labels) {
    const Backfill b = backfillOf(j, caseNo);
    const FigPoint p1 = m.Point(P[1]), p2 = m.Point(P[2]), p3 = m.Point(P[3]), p4 = m.Point(P[4]);
    const double yt = (j.T3 + j.H) * s;
    const double yw = yt - b.hd * s;
    const bool fullDry = calc::nearEq(b.hd, j.H);
    // K[1] ... K[12] of the left side; the right side is their mirror image.
    const std::array<FigPoint, 13> K = {{
        {0, 0},
        {p4.x, yt},
        {p4.x - b.wd * s, yt},
        {p1.x, yt},
        {-E * s, yt},
        {p4.x - b.wd * s, yw},
        {p3.x, yw},
        {p1.x, yw},
        {fullDry ? p1.x : -E * s, yw},
        {p3.x, j.T3 * s},
        {p2.x, j.T3 * s},
        {p1.x, 0},
        {-E * s, 0},
    }};
    const bool footing = j.TB > 0.001;
    for (bool right : {false, true}) {
        std::array<int, 13> k{};
        for (int i = 1; i <= 12; ++i) {
            const FigPoint p = right ? mirrored(K[i]) : K[i];
            k[i] = m.AddPoint(p.x, p.y);
        }
        m.AddLine(k[1], k[4], 1);    // ground surface
        m.AddLine(k[5], k[8], 1);    // water level
        m.AddLine(k[11], k[12], 1);  // foundation level
        if (footing) {
            m.AddLine(k[3], k[10], 4);
            m.AddLine(k[2], k[5], 4);
            m.AddLine(k[6], k[9], 4);
        }
    }
    if (!footing) return;  // the weight table lists backfill only on footings
    auto both = [](const Polygon& left) { return std::vector<Polygon>{left, mirrored(left)}; };
    if (b.hd > 0.001) labels.item(both({K[7], K[3], K[2], K[5]}));
    if (b.hd > 0.001 && b.wd > 0.001) labels.item(both({K[2], K[1], K[5]}));
    if (b.hs > 0.001) labels.item(both({K[10], K[7], K[6], K[9]}));
    if (b.hs > 0.001 && b.ws > 0.001) labels.item(both({K[6], K[5], K[9]}));
}

}  // namespace

std::string MakeBlockFigure(const FigureInputs& in, int caseNo, double pageWidth,
                            double pageHeight) {
    const CInpJyoken& j = in.design.objInpJyoken;
    return in.model.BuildFigure([&](FigureModel& m) {
        if (caseNo < 1 || caseNo > 3)
            throw formats::FormatError("design case " + std::to_string(caseNo) + " is not 1-3");
        const double W = OverallWidth(j);
        const double E = 0.75 * W;
        const double V = j.T3 + j.H;
        const double s =
            DrawingScale(std::min(calc::cdiv(pageWidth, 2 * E), calc::cdiv(pageHeight - 40, V)));

        const SectionPoints P = AddSectionOutline(m, j, s);
        auto pt = [&](int i) { return m.Point(P[i]); };
        const double ySlab = j.T3 * s;
        const int p15 = m.AddPoint(pt(4).x, ySlab);
        const int p16 = m.AddPoint(pt(5).x, ySlab);
        const int p17 = m.AddPoint(pt(11).x, ySlab);
        const int p18 = m.AddPoint(pt(10).x, ySlab);
        m.AddLine(P[4], p15, 4);
        m.AddLine(P[3], P[7], 4);
        m.AddLine(P[6], p16, 4);
        m.AddLine(P[11], p17, 4);
        m.AddLine(P[12], P[8], 4);
        m.AddLine(P[9], p18, 4);
        const FigPoint P15 = m.Point(p15), P16 = m.Point(p16), P17 = m.Point(p17),
                       P18 = m.Point(p18);

        BlockLabels labels(m);
        labels.item({{{pt(4).x, pt(3).y}, pt(4), pt(5), {pt(5).x, pt(3).y}},
                     {{pt(10).x, pt(8).y}, pt(10), pt(11), {pt(11).x, pt(8).y}}});
        if (j.T2 - j.T1 > 0.001) labels.item({{pt(3), pt(4), P15}, {pt(11), pt(12), P17}});
        const std::vector<Polygon> haunches = {{pt(6), pt(7), P16}, {pt(8), pt(9), P18}};
        if (j.T4 > 0.001) labels.item(haunches);
        labels.item({{pt(1), pt(2), pt(13), pt(14)}});

        if (caseNo != 1) {
            const double yi = (j.T3 + j.HWi) * s;
            const int i1 = m.AddPoint(pt(5).x, yi);
            const int i2 = m.AddPoint(pt(10).x, yi);
            m.AddLine(i1, i2, 4);
            labels.item({{m.Point(i1), m.Point(i2), P18, P16}});
            if (j.T4 > 0.001) labels.item(haunches);  // the haunches displace inner water
        }

        addBackfill(m, P, j, caseNo, E, s, labels);
        AddMainDimensions(m, P, j);
        if (caseNo == 1) AddGroundwaterLevel(m, P, j, E, s);

        m.WriteSubFigure(kProgramName, "ﾌﾞﾛｯｸ割図");
        return m.LayoutCentred("ﾌﾞﾛｯｸ割図", pageWidth, pageHeight);
    });
}

}  // namespace nuvra::figures
