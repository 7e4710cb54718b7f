// "σs図": the steel stress of the remaining outer wall bars against the height above the
// wall's design level, with the allowable stress σsa and its half and the heights
// where the remaining bars satisfy them.
#include <algorithm>

#include "calc/common/arith.h"
#include "calc/run/section_table.h"
#include "common/number_format.h"
#include "figures/axis_scale.h"
#include "figures/figure_text.h"
#include "figures/figures.h"

namespace nuvra::figures {
namespace {

using figures::FigureModel;

constexpr int kTextStyle = 2;
constexpr int kCurvePoints = 21;
constexpr double kTickLength = 2.0;
constexpr double kCircleRadius = 0.5;

}  // namespace

std::string MakeSteelStressFigure(const FigureInputs& in, double pageWidth, double pageHeight) {
    const calc::ResultStore& r = in.results;
    const double Ssa = in.design.objInpZairyo.Ssa;
    return in.model.BuildFigure([&](FigureModel& m) {
        m.State.DimOffset1 = 10.0;
        m.State.DimRowPitch = 5.0;
        m.State.DimOffset2 = 10.0;
        m.State.DimExtGap = 1.0;
        m.State.DimTextGap = 1.0;
        const double gap = m.State.DimTextGap;
        const double h = m.TextHeight(kTextStyle);
        auto width = [&](const std::string& s) { return m.TextWidth(kTextStyle, s); };
        auto text = [&](const std::string& s, int dir, double x, double y) {
            m.AddText(s, kTextStyle, dir, x, y);
        };
        const double Hcut = calc::value(r.curtailment.DanHcut);

        double smax = Ssa, smin = 0, hmax = Hcut, hmin = 0;
        for (int i = 0; i < kCurvePoints; ++i) {
            smax = std::max(smax, r.curtailment.DanSs(i));
            smin = std::min(smin, r.curtailment.DanSs(i));
            hmax = std::max(hmax, r.curtailment.DanHeight(i));
            hmin = std::min(hmin, r.curtailment.DanHeight(i));
        }
        const AxisDivision sa = AxisScale(smin, smax);
        const AxisDivision ha = AxisScale(hmin, hmax);
        const double sLen = sa.n * sa.step, hLen = ha.n * ha.step;
        const double hs = DrawingScale(calc::cdiv(pageWidth - 25, sLen));
        const double hv = DrawingScale(calc::cdiv(pageHeight - 25, hLen));

        const int a1 = m.AddPoint(0, hv * ha.n * ha.step);
        const int a2 = m.AddPoint(0, 0);
        const int a3 = m.AddPoint(hs * sa.n * sa.step, 0);
        m.AddLine(a1, a2, 1);
        m.AddLine(a2, a3, 1);

        for (int i = 0; i <= sa.n; ++i) {
            const double v = sa.start + i * sa.step;
            const int t1 = m.AddPoint(hs * v, 0);
            const int t2 = m.AddPoint(hs * v, -kTickLength);
            m.AddLine(t1, t2, 1);
            const std::string s = formatPicture(v, "#####0");
            text(s, figures::kTextHorizontal, hs * v - width(s) / 2, -kTickLength - h - gap);
        }
        const std::string caption = "応力度σs(N/mm2)";
        text(caption, figures::kTextHorizontal, (hs * sa.n * sa.step - width(caption)) / 2, -20);
        for (const auto& [name, stress] :
             {std::pair<std::string, double>{"1/2･σsa", Ssa / 2}, {"σsa", Ssa}}) {
            const std::string value = formatPicture(stress, "\\(###0.0\\)");
            text(name, figures::kTextHorizontal, hs * stress - width(name) / 2, -10);
            text(value, figures::kTextHorizontal, hs * stress - width(value) / 2, -10 - h - gap);
        }

        for (int i = 0; i <= ha.n; ++i) {
            const double z = ha.start + i * ha.step;
            const int t1 = m.AddPoint(0, hv * z);
            const int t2 = m.AddPoint(-kTickLength, hv * z);
            m.AddLine(t1, t2, 1);
            const std::string s = formatPicture(z, "####0");
            text(s, figures::kTextHorizontal, -kTickLength - width(s) - gap, hv * z - h / 2);
        }
        const std::string heightCaption = "高さＨ(mm)";
        text(heightCaption, figures::kTextUpward, -20 + h,
             (hv * ha.n * ha.step - width(heightCaption)) / 2);

        int previous = 0;
        for (int i = 0; i < kCurvePoints; ++i) {
            const int p = m.AddPoint(hs * r.curtailment.DanSs(i), hv * r.curtailment.DanHeight(i));
            if (i > 0) m.AddLine(previous, p, 1);
            m.AddCircle(p, kCircleRadius, 1);
            previous = p;
        }

        // From the height axis at the cut-off height across to the stress and down; no
        // such height when the full bars already exceed σsa.
        const bool cut = !calc::CurtailmentImpossible(r);
        for (const auto& [stress, height] :
             {std::pair{Ssa, calc::value(r.curtailment.DanL1)},
              std::pair{Ssa / 2, calc::value(r.curtailment.DanH2)}}) {
            if (!cut) break;
            const int k1 = m.AddPoint(0, hv * height);
            const int k2 = m.AddPoint(hs * stress, hv * height);
            const int k3 = m.AddPoint(hs * stress, 0);
            m.AddLine(k1, k2, 4);
            m.AddLine(k2, k3, 4);
        }

        m.WriteSubFigure("ヌブラの設計", "σs図");
        return m.LayoutCentred("σs図", pageWidth, pageHeight);
    });
}

}  // namespace nuvra::figures
