// Chapter "基礎地盤支持力の検討": the allowable bearing capacity (by the bearing-capacity
// formula, or as entered) and the ground reaction of case Ⅲ against it.
#include "report/chapters/chapters.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

void writeFormula(ReportWriter& w, const FormatBlock& b, FieldValues& v, const calc::CQa& q,
                  double qa) {
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 2);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 3);
    w.PrintBlankLines(1);
    for (int k = 4; k <= 6; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 7);
    const double terms[] = {q.C, q.Nc, q.G1, q.B, q.Nr, q.G2, q.Df, q.Nq};
    for (int i = 0; i < 8; ++i)
        v.n(i + 1) = terms[i];
    w.PrintFormatLine(b, 8, v);
    w.PrintFixedLine(b, 9);
    w.PrintBlankLines(1);
    v.n(1) = qa;
    w.PrintFormatLine(b, 10, v);
    w.PrintBlankLines(1);
    for (int k = 11; k <= 17; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = q.Nc;
    v.n(2) = q.Nr;
    v.n(3) = q.Nq;
    w.PrintFormatLine(b, 18, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 19);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 20);
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 21);
}

}  // namespace

bool WriteBearingChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        const CInpKiso& kiso = ctx.design.objInpKiso;
        const bool byFormula = kiso.Siji == 1;
        if (byFormula && !ctx.results.objQa) throw ReportError("no allowable bearing capacity");
        if (!ctx.results.objQmax) throw ReportError("no ground reaction");
        const double qa = byFormula ? ctx.results.objQa->Qa() : kiso.Qa;
        const calc::CQmax& m = *ctx.results.objQmax;
        const bool ok = m.Hantei() == "OK";
        FormatBlock b = w.ReadFormatBlock("基礎地盤支持力の検討");
        FieldValues v(8, 5);

        w.PrintFixedLine(b, 1);
        if (byFormula) writeFormula(w, b, v, *ctx.results.objQa, qa);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 22);
        w.PrintBlankLines(1);
        for (int k = 23; k <= 25; ++k)
            w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
        v.n(1) = m.W;
        v.n(2) = m.Pv;
        w.PrintFormatLine(b, 26, v);
        w.PrintFixedLine(b, 27);
        v.n(1) = m.B;
        v.n(2) = m.T2;
        v.n(3) = m.TB;
        w.PrintFormatLine(b, 28, v);
        w.PrintBlankLines(1);
        v.n(1) = m.Qmax();
        v.n(2) = qa;
        v.t(1) = ok ? "≦" : "＞";
        v.t(2) = ok ? "OK" : "OUT";
        w.PrintFormatLine(b, 29, v);
        for (int k = 30; k <= 36; ++k) {
            w.PrintBlankLines(1);
            w.PrintFixedLine(b, k);
        }
    });
}

}  // namespace nuvra::report
