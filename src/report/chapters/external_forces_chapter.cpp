// Chapter "外力の計算", first part: the self weight of cases Ⅰ and Ⅱ with their block
// figures (case Ⅲ has the items of case Ⅱ), the uplift under the slab, and the surcharge
// that the load behind the walls puts on the backfill.
#include <cmath>

#include "calc/common/arith.h"
#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

template <class T>
const T& need(const std::unique_ptr<T>& slot, const char* name) {
    if (!slot) throw ReportError(std::string("no result ") + name);
    return *slot;
}

void writeSelfWeight(const ChapterContext& ctx, ReportWriter& w, FieldValues& v, int caseNo) {
    const calc::clsWeight& weight = need(ctx.results.objWeight(caseNo), "objWeight");
    FormatBlock b = w.ReadFormatBlock("外力の計算_1");
    if (caseNo == 1) {
        w.PageLineCount = 0;
        w.PrintFixedLine(b, 1);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 2);
        w.PrintBlankLines(1);
    } else {
        w.PrintPageBreak();
        w.PrintFixedLine(b, 3);
    }
    PrintFigure(w,
                figures::MakeBlockFigure({ctx.figures, ctx.design, ctx.results}, caseNo, 150, 120));

    std::vector<const calc::clsWeightItem*> items;
    for (const calc::clsWeightItem& item : weight.Weight())
        if (item.Title != calc::kWeightSumTitle) items.push_back(&item);
    const calc::clsWeightItem* sum = weight.Weight().Item(calc::kWeightSumTitle);

    TableLines t;
    t.FollowPageMargin = 7;
    t.Header = [&] {
        for (int k = 5; k <= 9; ++k)
            w.PrintFixedLine(b, k);
    };
    t.Row = [&](int i) {
        const calc::clsWeightItem& item = *items[static_cast<std::size_t>(i - 1)];
        v.t(1) = RowLabel(i);
        int line = 12;
        if (item.SectType == 1) line = 10;
        if (item.SectType == 2 || item.SectType == 3) line = 11;
        int n = 1;
        v.n(n++) = item.Size1;
        v.n(n++) = item.Size2;
        if (line == 12) v.n(n++) = item.Size3;
        v.n(n++) = item.N;
        v.n(n++) = item.Area;
        v.n(n++) = std::fabs(item.G);  // a deduction has a negative area, not unit weight
        v.n(n++) = item.Weight;
        w.PrintFormatLine(b, line, v);
    };
    t.Separator = [&] { w.PrintFixedLine(b, 13); };
    t.ClosingContinued = [&] { w.PrintFixedLine(b, 14); };
    t.ClosingFinal = [&] {
        w.PrintFixedLine(b, 14);
        if (!sum) throw ReportError("the self weight of the case has no sum row");
        v.n(1) = sum->Weight;
        w.PrintFormatLine(b, 15, v);
        w.PrintFixedLine(b, 16);
    };
    PrintChunkedTable(w, static_cast<int>(items.size()), t);
}

void writeUplift(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::clsYouatsuryoku& u = need(ctx.results.objYouatsuryoku, "objYouatsuryoku");
    const CInpJyoken& j = ctx.design.objInpJyoken;
    FormatBlock b = w.ReadFormatBlock("外力の計算_2");
    w.PrintPageBreak();
    for (int k = 1; k <= 3; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = j.HW;
    v.n(2) = ctx.design.objInpZairyo.Gw;
    v.n(3) = j.B;
    v.n(4) = j.T2;
    v.n(5) = j.TB;
    w.PrintFormatLine(b, 4, v);
    w.PrintBlankLines(1);
    v.n(1) = u.U();
    v.n(2) = u.UB();
    w.PrintFormatLine(b, 5, v);
    w.PrintBlankLines(1);
    v.n(1) = u.Up();
    w.PrintFormatLine(b, 6, v);
    w.PrintBlankLines(1);
    for (int k = 7; k <= 13; ++k) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, k);
    }
}

// The crest load of an embankment is added only while it starts within H + Ho of the
// wall; the same test (with the general tolerance) as the surcharge calculation.
bool crestOutOfReach(double Xq, double reach) {
    return calc::geTol(Xq, reach);
}

void writeSurfaceLoad(const calc::clsQqw& q, ReportWriter& w, FieldValues& v) {
    FormatBlock b = w.ReadFormatBlock("外力の計算_3");
    w.PrintPageBreak();
    for (int k = 1; k <= 4; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    for (int k = 5; k <= 7; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 8; k <= 13; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    w.PrintBlankLines(1);
    v.n(1) = q.Xq();
    w.PrintFormatLine(b, 14, v);
    v.n(1) = q.XHq();
    v.n(2) = q.Iq();
    w.PrintFormatLine(b, 15, v);
    v.n(1) = q.H;
    w.PrintFormatLine(b, 16, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 17);
    w.PrintBlankLines(1);
    v.n(1) = q.D1Q;
    v.n(2) = q.Iq();
    v.n(3) = q.QQ();
    w.PrintFormatLine(b, 18, v);
}

void writeEmbankment(const calc::clsQqw& q, ReportWriter& w, FieldValues& v) {
    FormatBlock b = w.ReadFormatBlock("外力の計算_4");
    w.PrintPageBreak();
    for (int k = 1; k <= 3; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    for (int k = 4; k <= 6; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 7; k <= 9; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    for (int k = 10; k <= 12; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 13; k <= 22; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = q.Xw();
    w.PrintFormatLine(b, 23, v);
    v.n(1) = q.XHw();
    v.n(2) = q.Iw();
    w.PrintFormatLine(b, 24, v);
    v.n(1) = q.H;
    w.PrintFormatLine(b, 25, v);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 26);
    w.PrintBlankLines(1);
    v.n(1) = q.D3Gs;
    v.n(2) = q.D3Ho;
    v.n(3) = q.Iw();
    v.n(4) = q.Qw();
    w.PrintFormatLine(b, 27, v);

    FormatBlock c = w.ReadFormatBlock("外力の計算_5");
    w.PrintPageBreak();
    for (int k = 1; k <= 7; ++k) {
        w.PrintFixedLine(c, k);
        w.PrintBlankLines(1);
    }
    const double reach = calc::fin(q.H + q.D3Ho);
    const bool outOfReach = crestOutOfReach(q.Xq(), reach);
    v.n(1) = q.Xq();
    v.n(2) = reach;
    v.t(1) = outOfReach ? "≧" : "＜";
    w.PrintFormatLine(c, 8, v);
    w.PrintBlankLines(1);
    if (outOfReach) {
        w.PrintFixedLine(c, 9);
        w.PrintBlankLines(1);
        w.PrintFixedLine(c, 10);
    } else {
        v.n(1) = q.Xq();
        w.PrintFormatLine(c, 11, v);
        v.n(1) = q.XHq();
        v.n(2) = q.Iq();
        w.PrintFormatLine(c, 12, v);
        v.n(1) = q.H;
        w.PrintFormatLine(c, 13, v);
        w.PrintBlankLines(1);
        w.PrintFixedLine(c, 14);
        w.PrintBlankLines(1);
        v.n(1) = q.D3Q;
        v.n(2) = q.Iq();
        v.n(3) = q.QQ();
        w.PrintFormatLine(c, 15, v);
    }
    w.PrintBlankLines(2);
    for (int k = 16; k <= 18; ++k) {
        w.PrintFixedLine(c, k);
        w.PrintBlankLines(1);
    }
    v.n(1) = q.Qw();
    v.n(2) = q.QQ();
    w.PrintFormatLine(c, 19, v);
    w.PrintBlankLines(1);
    v.n(1) = calc::fin(q.Qw() + q.QQ());
    w.PrintFormatLine(c, 20, v);
}

}  // namespace

bool WriteExternalForcesChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        FieldValues v;
        writeSelfWeight(ctx, w, v, 1);
        writeSelfWeight(ctx, w, v, 2);
        writeUplift(ctx, w, v);
        const calc::clsQqw& q = need(ctx.results.objQqw, "objQqw");
        if (ctx.design.objInpMorido.Morido == 1)
            writeSurfaceLoad(q, w, v);
        else
            writeEmbankment(q, w, v);
    });
}

}  // namespace nuvra::report
