// Chapter "底版の設計": span and reaction width, the loads and the ground reaction per
// case, the net design load, the section forces at the wall axis, the inner wall face
// and mid-span, and the section check of the lower and the upper face.
#include <functional>
#include <string>
#include <vector>

#include "calc/common/arith.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"

namespace nuvra::report {
namespace {

const calc::CWr& reaction(const ChapterContext& ctx, int c) {
    return Filled(ctx.results.slab.TeibanWr(c),
                  "the ground reaction under the slab of " + CaseLabel(c));
}

const calc::clsPressure& wallPressure(const ChapterContext& ctx, int c) {
    return Filled(ctx.results.objPressure(c), "the earth pressure on the wall of " + CaseLabel(c));
}

void writeLoads(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const CInpJyoken& j = ctx.design.objInpJyoken;
    const CInpZairyo& z = ctx.design.objInpZairyo;
    const calc::ResultStore& r = ctx.results;
    const double Bw = calc::value(r.slab.TeibanBw);
    FormatBlock b = w.ReadFormatBlock("底版の設計_1");
    for (int k = 1; k <= 4; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = j.B;
    v.n(2) = j.T2;
    v.n(3) = calc::value(r.slab.TeibanL);
    w.PrintFormatLine(b, 5, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 6);
    w.PrintBlankLines(1);
    // The formula with the footings whenever the width takes them in (from 1 cm on, as
    // the reaction width is computed), so that the printed sum adds up.
    v.n(1) = j.B;
    v.n(2) = j.T2;
    if (calc::geTol(j.TB, 0.01)) {
        v.n(3) = j.TB;
        v.n(4) = Bw;
        w.PrintFormatLine(b, 8, v);
    } else {
        v.n(3) = Bw;
        w.PrintFormatLine(b, 7, v);
    }
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 9);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 10);
    w.PrintBlankLines(1);
    v.n(1) = j.HWi;
    v.n(2) = z.Gw;
    v.n(3) = calc::value(r.slab.TeibanWw);
    w.PrintFormatLine(b, 11, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 12);
    w.PrintBlankLines(1);
    v.n(1) = j.T3;
    v.n(2) = z.Gsc;
    v.n(3) = calc::value(r.slab.TeibanWs);
    w.PrintFormatLine(b, 13, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 19);
    w.PrintBlankLines(1);

    v.t(1) = CaseLabel(1);
    w.PrintFormatLine(b, 20, v);
    w.PrintBlankLines(1);
    v.n(1) = reaction(ctx, 1).W;
    v.n(2) = wallPressure(ctx, 1).Pv();
    v.n(3) = Filled(r.objYouatsuryoku, "the uplift").Up();
    w.PrintFormatLine(b, 21, v);
    v.n(1) = reaction(ctx, 1).WR();
    w.PrintFormatLine(b, 22, v);
    v.n(1) = Bw;
    w.PrintFormatLine(b, 23, v);
    if (j.Kento == 2 || j.Kento == 3) {
        w.PrintBlankLines(1);
        v.t(1) = CaseLabel(2);
        w.PrintFormatLine(b, 20, v);
        w.PrintBlankLines(1);
        v.n(1) = reaction(ctx, 2).W;
        w.PrintFormatLine(b, 24, v);
        v.n(1) = reaction(ctx, 2).WR();
        w.PrintFormatLine(b, 25, v);
        v.n(1) = Bw;
        w.PrintFormatLine(b, 26, v);
    }
    if (j.Kento == 1 || j.Kento == 3) {
        w.PrintBlankLines(1);
        v.t(1) = CaseLabel(3);
        w.PrintFormatLine(b, 20, v);
        w.PrintBlankLines(1);
        v.n(1) = reaction(ctx, 3).W;
        v.n(2) = wallPressure(ctx, 3).Pv();
        w.PrintFormatLine(b, 27, v);
        v.n(1) = reaction(ctx, 3).WR();
        w.PrintFormatLine(b, 28, v);
        v.n(1) = Bw;
        w.PrintFormatLine(b, 29, v);
    }
}

// The net design load of each case from its parts, upward positive, with value arrays
// of its own. Case Ⅰ has no internal water: its water load is never printed.
void writeNetLoad(const ChapterContext& ctx, ReportWriter& w) {
    const calc::ResultStore& r = ctx.results;
    const std::int32_t kento = ctx.design.objInpJyoken.Kento;
    const std::vector<int> cols = kento == 1   ? std::vector<int>{1, 3}
                                  : kento == 2 ? std::vector<int>{1, 2}
                                               : std::vector<int>{1, 2, 3};
    FormatBlock b = w.ReadFormatBlock(kento == 1   ? "底版の設計_21"
                                      : kento == 2 ? "底版の設計_22"
                                                   : "底版の設計_23");
    FieldValues v;
    auto line = [&](int k, const std::function<double(int)>& part, bool withCase1) {
        int i = 1;
        for (int c : cols)
            if (withCase1 || c != 1) v.n(i++) = part(c);
        w.PrintFormatLine(b, k, v);
        w.PrintFixedLine(b, k + 1);
    };
    w.PrintPageBreak();
    for (int k = 1; k <= 5; ++k)
        w.PrintFixedLine(b, k);
    line(
        6, [&](int) { return -calc::value(r.slab.TeibanWw); }, false);
    line(
        8, [&](int) { return -calc::value(r.slab.TeibanWs); }, true);
    line(
        10, [&](int c) { return reaction(ctx, c).WR(); }, true);
    line(
        12, [&](int) { return calc::value(r.slab.TeibanU); }, true);
    line(
        14, [&](int c) { return r.slab.TeibanW(c); }, true);
}

void writeSectionForces(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const std::vector<int> cases = MemberCases(ctx.design.objInpJyoken.Kento);
    FormatBlock b = w.ReadFormatBlock("底版の設計_3");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 2);
    w.PrintBlankLines(1);
    for (int k = 3; k <= 5; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 6; k <= 8; ++k)
        w.PrintFixedLine(b, k);
    for (int k = 9; k <= 15; ++k) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, k);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int c = cases[i];
        const calc::CTeibanMS& ms =
            Filled(ctx.results.slab.TeibanMS(c), "the slab section forces of " + CaseLabel(c));
        // The third case starts a page of its own.
        if (i < 2)
            w.PrintBlankLines(1);
        else
            w.PrintPageBreak();
        v.t(1) = CaseLabel(c);
        w.PrintFormatLine(b, 16, v);
        w.PrintBlankLines(1);
        v.n(1) = ms.Ms;
        w.PrintFormatLine(b, 17, v);
        w.PrintBlankLines(1);
        v.n(1) = ms.WR;
        w.PrintFormatLine(b, 18, v);
        w.PrintBlankLines(1);
        for (int k = 19; k <= 22; ++k)
            w.PrintFixedLine(b, k);
        for (int k = 1; k <= 3; ++k) {
            const calc::clsXSM* p = ms.XSM().Item(k);
            if (!p) throw ReportError("the slab has no point " + std::to_string(k));
            w.PrintFixedLine(b, 21 + 2 * k);
            v.n(1) = p->x;
            v.n(2) = p->S;
            v.n(3) = p->M;
            w.PrintFormatLine(b, 22 + 2 * k, v);
        }
        w.PrintFixedLine(b, 29);
    }
}

void writeSectionCheck(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::CRcKukei& lower = Filled(ctx.results.slab.TeibanRc(1), "the lower slab face check");
    const calc::CRcKukei& upper = Filled(ctx.results.slab.TeibanRc(2), "the upper slab face check");
    FormatBlock b = w.ReadFormatBlock("底版の設計_4");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    for (int k = 2; k <= 4; ++k)
        w.PrintFixedLine(b, k);
    PrintSectionCheckItems(w, b, v, lower, upper, ctx.design.objInpZairyo.Zai);
}

}  // namespace

bool WriteSlabChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        FieldValues v;
        writeLoads(ctx, w, v);
        writeNetLoad(ctx, w);
        writeSectionForces(ctx, w, v);
        writeSectionCheck(ctx, w, v);
    });
}

}  // namespace nuvra::report
