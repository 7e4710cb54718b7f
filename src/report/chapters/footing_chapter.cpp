// Chapter "フーチングの設計": the soil standing on the footing, the net design load per
// case, the triangular load from the vertical earth pressure, the section forces at the
// root and at the shear section, and the section check of the lower and the upper face.
#include <functional>
#include <string>
#include <vector>

#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"

namespace nuvra::report {
namespace {

const calc::CWr& reaction(const ChapterContext& ctx, int c) {
    return Filled(ctx.results.slab.TeibanWr(c),
                  "the ground reaction under the slab of " + CaseLabel(c));
}

void writeSoil(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::ResultStore& r = ctx.results;
    const CInpZairyo& z = ctx.design.objInpZairyo;
    FormatBlock b = w.ReadFormatBlock("フーチングの設計_自重");
    for (int k = 1; k <= 5; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = calc::value(r.footing.FootingHd);
    v.n(2) = z.Gs;
    v.n(3) = calc::value(r.footing.FootingHw);
    v.n(4) = z.Gt;
    v.n(5) = r.footing.FootingWs(1);
    w.PrintFormatLine(b, 6, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 7);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 8);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 9);
    // Case Ⅲ takes the soil over the full height, dry.
    if (ctx.design.objInpJyoken.Kento != 2) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 10);
        w.PrintBlankLines(1);
        v.n(1) = ctx.design.objInpJyoken.H;
        v.n(2) = z.Gs;
        v.n(3) = r.footing.FootingWs(3);
        w.PrintFormatLine(b, 11, v);
    }
}

// The net design load of each case from its parts, upward positive, with value arrays
// of its own. Case Ⅱ carries no soil and only case Ⅰ the uplift, so those lines leave
// out the columns that have nothing.
void writeNetLoad(const ChapterContext& ctx, ReportWriter& w) {
    const calc::ResultStore& r = ctx.results;
    const std::int32_t kento = ctx.design.objInpJyoken.Kento;
    const std::vector<int> cols = kento == 1   ? std::vector<int>{1, 3}
                                  : kento == 2 ? std::vector<int>{1, 2}
                                               : std::vector<int>{1, 2, 3};
    FormatBlock b = w.ReadFormatBlock(kento == 1   ? "フーチングの設計_設計荷重(1)"
                                      : kento == 2 ? "フーチングの設計_設計荷重(2)"
                                                   : "フーチングの設計_設計荷重(3)");
    FieldValues v;
    auto line = [&](int k, const std::vector<int>& cases, const std::function<double(int)>& part) {
        int i = 1;
        for (int c : cases)
            v.n(i++) = part(c);
        w.PrintFormatLine(b, k, v);
        w.PrintFixedLine(b, k + 1);
    };
    w.PrintBlankLines(1);
    for (int k = 1; k <= 5; ++k)
        w.PrintFixedLine(b, k);
    line(6, cols.size() == 2 ? cols : std::vector<int>{1, 3},
         [&](int c) { return -r.footing.FootingWs(c); });
    line(8, cols, [&](int) { return -calc::value(r.slab.TeibanWs); });
    line(10, cols, [&](int c) { return reaction(ctx, c).WR(); });
    line(12, {1}, [&](int) { return calc::value(r.slab.TeibanU); });
    line(14, cols, [&](int c) { return r.footing.FootingWr(c); });
    w.PrintFixedLine(b, 16);
}

void writeTriangularLoad(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::ResultStore& r = ctx.results;
    FormatBlock b = w.ReadFormatBlock("フーチングの設計_設計荷重(WP)");
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 2);
    w.PrintBlankLines(1);
    std::vector<int> cases{1};
    if (ctx.design.objInpJyoken.Kento != 2) cases.push_back(3);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int c = cases[i];
        if (i > 0) w.PrintBlankLines(1);
        v.t(1) = CaseLabel(c);
        w.PrintFormatLine(b, 3, v);
        w.PrintBlankLines(1);
        v.n(1) = Filled(r.objPressure(c), "the earth pressure on the wall of " + CaseLabel(c)).Pv();
        w.PrintFormatLine(b, 4, v);
        v.n(1) = r.footing.FootingWp(c);
        w.PrintFormatLine(b, 5, v);
        v.n(1) = ctx.design.objInpJyoken.TB;
        w.PrintFormatLine(b, 6, v);
    }
}

void writeSectionForces(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    FormatBlock b = w.ReadFormatBlock("フーチングの設計_設計断面力");
    w.PrintPageBreak();
    for (int k = 1; k <= 4; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    for (int k = 5; k <= 7; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 8);
    w.PrintBlankLines(1);
    for (int k = 9; k <= 11; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 12; k <= 14; ++k)
        w.PrintFixedLine(b, k);
    for (int k = 15; k <= 21; ++k) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, k);
    }
    for (int c : MemberCases(ctx.design.objInpJyoken.Kento)) {
        const calc::CFootingMS& ms = Filled(ctx.results.footing.FootingMS(c),
                                            "the footing section forces of " + CaseLabel(c));
        w.PrintBlankLines(1);
        v.t(1) = CaseLabel(c);
        w.PrintFormatLine(b, 22, v);
        for (int k = 23; k <= 27; ++k)
            w.PrintFixedLine(b, k);
        // The root and the shear section.
        for (int k = 1; k <= 2; ++k) {
            const calc::clsXSM* sum = ms.XSM().Item(k);
            const calc::clsXSM* uniform = ms.XSMr().Item(k);
            const calc::clsXSM* triangle = ms.XSMp().Item(k);
            if (!sum || !uniform || !triangle)
                throw ReportError("the footing has no point " + std::to_string(k));
            v.n(1) = sum->x;
            v.n(2) = uniform->S;
            v.n(3) = triangle->S;
            v.n(4) = sum->S;
            v.n(5) = uniform->M;
            v.n(6) = triangle->M;
            v.n(7) = sum->M;
            w.PrintFormatLine(b, 26 + 2 * k, v);
            w.PrintFixedLine(b, 27 + 2 * k);
        }
    }
}

void writeSectionCheck(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::CRcKukei& lower =
        Filled(ctx.results.footing.FootingRc(1), "the lower footing face check");
    const calc::CRcKukei& upper =
        Filled(ctx.results.footing.FootingRc(2), "the upper footing face check");
    FormatBlock b = w.ReadFormatBlock("フーチングの設計_応力度");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    for (int k = 2; k <= 4; ++k)
        w.PrintFixedLine(b, k);
    PrintSectionCheckItems(w, b, v, lower, upper, ctx.design.objInpZairyo.Zai);
}

}  // namespace

bool WriteFootingChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        // A run without footings computes none of this chapter.
        if (!ctx.results.footing.FootingHd) throw ReportError("the footings were not designed");
        FieldValues v;
        writeSoil(ctx, w, v);
        writeNetLoad(ctx, w);
        writeTriangularLoad(ctx, w, v);
        writeSectionForces(ctx, w, v);
        writeSectionCheck(ctx, w, v);
    });
}

}  // namespace nuvra::report
