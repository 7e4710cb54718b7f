// Water pressure on the wall, within chapter "たて壁の設計": the residual groundwater
// from outside (case Ⅰ, left out when there is none) and the internal water (case Ⅱ,
// or case Ⅲ when case Ⅱ is not designed),
// each with its diagram and the table of its parts with force, lever arm and moment.
#include <vector>

#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

const calc::clsPressure& pressureOf(const calc::PerCase<calc::clsPressure>& slot, int caseNo,
                                    const char* what) {
    if (!slot(caseNo)) throw ReportError(std::string("no ") + what + " of " + CaseLabel(caseNo));
    return *slot(caseNo);
}

void writeSide(const ChapterContext& ctx, ReportWriter& w, FieldValues& v, const char* block,
               const calc::clsPressure& pressure, int side, int caseNo) {
    FormatBlock b = w.ReadFormatBlock(block);
    w.PrintPageBreak();
    // The inner water of case Ⅲ has its own heading and first sentence (lines 20, 21).
    const bool caseThree = side == 1 && caseNo == 3;
    w.PrintFixedLine(b, caseThree ? 20 : 1);
    for (int k = 2; k <= 7; ++k) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, caseThree && k == 2 ? 21 : k);
    }
    w.PrintBlankLines(2);
    PrintFigure(w,
                figures::MakeWaterPressureFigure({ctx.figures, ctx.design, ctx.results}, side,
                                                 caseNo, 110, 60),
                true);
    w.PrintBlankLines(2);

    std::vector<const calc::clsPressureDetail*> parts;
    for (const calc::clsPressureDetail& d : pressure.Detail())
        parts.push_back(&d);
    TableLines t;
    t.FollowPageMargin = 7;
    t.Header = [&] {
        for (int k = 8; k <= 12; ++k)
            w.PrintFixedLine(b, k);
    };
    t.Row = [&](int i) {
        const calc::clsPressureDetail& d = *parts[static_cast<std::size_t>(i - 1)];
        v.t(1) = RowLabel(i);
        const double values[] = {d.H, d.P, d.Pi, d.Y, d.H, d.Yi, d.Mi};
        for (int n = 1; n <= 7; ++n)
            v.n(n) = values[n - 1];
        // Rectangle, triangle wide at the top, triangle wide at the bottom.
        const int line = d.Section == 0 ? 13 : (d.Section == 1 ? 14 : 15);
        w.PrintFormatLine(b, line, v);
    };
    t.Separator = [&] { w.PrintFixedLine(b, 16); };
    t.ClosingContinued = [&] { w.PrintFixedLine(b, 17); };
    t.ClosingFinal = [&] {
        w.PrintFixedLine(b, 17);
        v.n(1) = pressure.P();
        v.n(2) = pressure.M();
        w.PrintFormatLine(b, 18, v);
        w.PrintFixedLine(b, 19);
    };
    PrintChunkedTable(w, static_cast<int>(parts.size()), t);
}

}  // namespace

bool WriteWaterPressureChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        const calc::clsPressure& outer =
            pressureOf(ctx.results.wall.TateWaterOutP, 1, "outer water pressure");
        // The inner water of a case that is designed: case Ⅲ when Kento leaves case Ⅱ out.
        const int innerCase = InnerWaterCase(ctx.design.objInpJyoken.Kento);
        const calc::clsPressure& inner =
            pressureOf(ctx.results.wall.TateWaterInP, innerCase, "inner water pressure");
        FieldValues v;
        if (outer.Detail().Count() > 0) writeSide(ctx, w, v, "たて壁の設計_2", outer, 0, 1);
        writeSide(ctx, w, v, "たて壁の設計_3", inner, 1, innerCase);
    });
}

}  // namespace nuvra::report
