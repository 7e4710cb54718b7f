// Chapter "外力の計算", second part: the active earth pressure. The stability set (down
// to the slab underside) with its layers, diagram, resultant and vertical component for
// the printed cases, then the layers of the wall-design set (down to mid-slab).
#include <vector>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"
#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

const calc::clsSpa& spaOf(const calc::PerCase<calc::clsSpa>& slot, int caseNo) {
    if (!slot(caseNo)) throw ReportError("no earth pressure of " + CaseLabel(caseNo));
    return *slot(caseNo);
}

// The stability checks take case Ⅰ (flotation) and case Ⅲ (bearing) whatever Kento
// says, so both are printed for them. The wall-design set follows the member cases:
// with Kento = 2 the members are checked in cases Ⅰ and Ⅱ only, and case Ⅱ carries no
// earth pressure.
constexpr int kStabilityCases[] = {1, 3};

std::vector<int> wallSetCases(std::int32_t Kento) {
    if (Kento == 2) return {1};
    return {1, 3};
}

// Case label, angles, surcharge and wall friction of one case (template lines 2-8),
// then its layer table (lines 9-18).
void writeCaseHead(ReportWriter& w, const FormatBlock& b, FieldValues& v, const calc::clsSpa& spa,
                   int caseNo, bool labelled) {
    if (labelled) {
        v.t(1) = CaseLabel(caseNo);
        w.PrintFormatLine(b, 2, v);
        w.PrintBlankLines(1);
    }
    v.n(1) = calc::fin(90 - spa.Jei);
    w.PrintFormatLine(b, 3, v);
    w.PrintBlankLines(1);
    v.n(1) = spa.Beta;
    w.PrintFormatLine(b, 4, v);
    w.PrintFixedLine(b, 5);
    v.n(1) = spa.Q;
    v.n(2) = spa.Q2();
    w.PrintFormatLine(b, 6, v);
    w.PrintFixedLine(b, 7);
    v.n(1) = spa.Delta;
    w.PrintFormatLine(b, 8, v);
    w.PrintBlankLines(1);
}

TableLines layerTable(ReportWriter& w, const FormatBlock& b, FieldValues& v,
                      const std::vector<const calc::clsSpJiban*>& layers) {
    TableLines t;
    t.FollowPageMargin = 9;
    t.Header = [&w, &b] {
        for (int k = 9; k <= 13; ++k)
            w.PrintFixedLine(b, k);
    };
    t.Row = [&w, &b, &v, &layers](int i) {
        const calc::clsSpJiban& l = *layers[static_cast<std::size_t>(i - 1)];
        // Elevations come from subtractions (EL = EU − H); to the millimetre they are
        // what the table shows, and a bottom at 0 prints 0.000, not -0.000.
        v.n(1) = calc::RoundDecimal(l.EU, 3);
        v.n(2) = l.GHU;
        v.n(3) = l.PU;
        w.PrintFormatLine(b, 14, v);
        v.n(1) = l.H;
        v.n(2) = l.Gs;
        v.n(3) = l.GH;
        v.n(4) = l.Fai;
        v.n(5) = l.KaU;
        w.PrintFormatLine(b, 15, v);
        v.n(1) = calc::RoundDecimal(l.EL, 3);
        v.n(2) = l.GHL;
        v.n(3) = l.PL;
        w.PrintFormatLine(b, 16, v);
    };
    t.Separator = [&w, &b] { w.PrintFixedLine(b, 17); };
    t.ClosingContinued = [&w, &b] { w.PrintFixedLine(b, 18); };
    t.ClosingFinal = [&w, &b] { w.PrintFixedLine(b, 18); };
    return t;
}

std::vector<const calc::clsSpJiban*> layersOf(const calc::clsSpa& spa) {
    std::vector<const calc::clsSpJiban*> layers;
    for (const calc::clsSpJiban& l : spa.Jiban())
        layers.push_back(&l);
    return layers;
}

void writeIntroduction(ReportWriter& w) {
    FormatBlock b = w.ReadFormatBlock("外力の計算_6");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 2);
    w.PrintBlankLines(1);
    for (int k = 3; k <= 5; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 6; k <= 10; ++k)
        w.PrintFixedLine(b, k);
    w.PrintBlankLines(1);
    for (int k = 11; k <= 22; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
}

void writeStabilityCase(const ChapterContext& ctx, ReportWriter& w, const FormatBlock& b,
                        FieldValues& v, int caseNo, bool first, bool labelled) {
    const calc::clsSpa& spa = spaOf(ctx.results.objSpa, caseNo);
    if (!ctx.results.objPressure(caseNo))
        throw ReportError("no pressure resultant of " + CaseLabel(caseNo));
    const calc::clsPressure& pressure = *ctx.results.objPressure(caseNo);

    w.PrintPageBreak();
    if (first) {
        w.PrintFixedLine(b, 1);
        w.PrintBlankLines(1);
    }
    writeCaseHead(w, b, v, spa, caseNo, labelled);
    const std::vector<const calc::clsSpJiban*> layers = layersOf(spa);
    PrintChunkedTable(w, static_cast<int>(layers.size()), layerTable(w, b, v, layers));

    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 19);
    w.PrintBlankLines(2);
    PrintFigure(w, figures::MakeEarthPressureFigure({ctx.figures, ctx.design, ctx.results}, caseNo,
                                                    130, 60));
    w.PrintBlankLines(2);

    std::vector<const calc::clsPressureDetail*> parts;
    for (const calc::clsPressureDetail& d : pressure.Detail())
        parts.push_back(&d);
    TableLines t;
    t.FollowPageMargin = 9;
    t.Header = [&] {
        for (int k = 20; k <= 24; ++k)
            w.PrintFixedLine(b, k);
    };
    t.Row = [&](int i) {
        const calc::clsPressureDetail& d = *parts[static_cast<std::size_t>(i - 1)];
        v.t(1) = RowLabel(i);
        v.n(1) = d.H;
        v.n(2) = d.P;
        v.n(3) = d.Pi;
        w.PrintFormatLine(b, d.Section != 0 ? 26 : 25, v);
    };
    t.Separator = [&] { w.PrintFixedLine(b, 27); };
    t.ClosingContinued = [&] { w.PrintFixedLine(b, 30); };
    t.ClosingFinal = [&] {
        w.PrintFixedLine(b, 28);
        v.n(1) = pressure.P();
        w.PrintFormatLine(b, 29, v);
        w.PrintFixedLine(b, 30);
    };
    PrintChunkedTable(w, static_cast<int>(parts.size()), t);

    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 31);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 32);
    w.PrintBlankLines(1);
    v.n(1) = pressure.P();
    v.n(2) = spa.Delta;
    v.n(3) = calc::fin(90 - spa.Jei);
    v.n(4) = pressure.Pv();
    w.PrintFormatLine(b, 33, v);
}

void writeWallSet(const ChapterContext& ctx, ReportWriter& w, FieldValues& v,
                  const std::vector<int>& cases) {
    FormatBlock b = w.ReadFormatBlock("外力の計算_8");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(2);
    const bool labelled = cases.size() > 1;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (i > 0) w.PrintBlankLines(2);
        const calc::clsSpa& spa = spaOf(ctx.results.objSpaWall, cases[i]);
        writeCaseHead(w, b, v, spa, cases[i], labelled);
        const std::vector<const calc::clsSpJiban*> layers = layersOf(spa);
        PrintUnsplitTable(w, static_cast<int>(layers.size()), layerTable(w, b, v, layers));
    }
}

}  // namespace

bool WriteEarthPressureChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        FieldValues v;
        writeIntroduction(w);
        FormatBlock b = w.ReadFormatBlock("外力の計算_7");
        bool first = true;
        for (int c : kStabilityCases) {
            writeStabilityCase(ctx, w, b, v, c, first, true);
            first = false;
        }
        writeWallSet(ctx, w, v, wallSetCases(ctx.design.objInpJyoken.Kento));
    });
}

}  // namespace nuvra::report
