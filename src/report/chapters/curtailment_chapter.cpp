// Chapter "たて壁鉄筋の段落としの検討": how half of the outer wall bars may be cut, the
// steel stress of the remaining bars along the wall, and the cut-off height.
#include "calc/run/section_table.h"
#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"

namespace nuvra::report {

bool WriteCurtailmentChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        const calc::ResultStore& r = ctx.results;
        FormatBlock b = w.ReadFormatBlock("段落し");
        FieldValues v;
        w.PrintFixedLine(b, 1);
        for (int k = 2; k <= 6; ++k) {
            w.PrintBlankLines(1);
            w.PrintFixedLine(b, k);
        }
        w.PrintBlankLines(2);
        PrintFigure(
            w, figures::MakeSteelStressFigure({ctx.figures, ctx.design, ctx.results}, 150, 100),
            false);
        w.PrintBlankLines(2);
        w.PrintFixedLine(b, 8);
        if (calc::CurtailmentImpossible(r)) {
            const calc::CRcKukei& outer = *r.wall.TateRc(1);
            w.PrintBlankLines(1);
            v.n(1) = outer.Ss();
            v.n(2) = outer.Ssa;
            w.PrintFormatLine(b, 17, v);
            return;
        }

        const double h1 = calc::value(r.curtailment.DanH1), dla = calc::value(r.curtailment.DanDLa);
        w.PrintBlankLines(1);
        v.n(1) = h1;
        v.n(2) = dla;
        v.n(3) = calc::value(r.curtailment.DanL1);
        w.PrintFormatLine(b, 9, v);
        w.PrintBlankLines(1);
        v.n(1) = calc::value(r.curtailment.DanH2);
        w.PrintFormatLine(b, 10, v);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 11);
        w.PrintBlankLines(1);
        v.n(1) = calc::value(r.curtailment.DanHcut);
        w.PrintFormatLine(b, 12, v);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 13);
        w.PrintBlankLines(1);
        v.n(1) = calc::value(r.curtailment.DanLa);
        v.n(2) = calc::value(r.curtailment.DanD);
        v.n(3) = dla;
        w.PrintFormatLine(b, 14, v);
        w.PrintBlankLines(1);
        v.n(1) = ctx.design.objInpHaikin.TateSoto.Dia;
        v.n(2) = calc::value(r.curtailment.DanLa);
        w.PrintFormatLine(b, 15, v);
        w.PrintBlankLines(1);
        v.n(1) = calc::value(r.curtailment.DanD);
        w.PrintFormatLine(b, 16, v);
    });
}

}  // namespace nuvra::report
