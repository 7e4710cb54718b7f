// Chapter "たて壁の設計", first and last parts: the earth pressure on the wall per case
// with its diagram and the table of its parts, then the section forces at the design
// section and the section check of the outer and the inner face. The water pressure on
// the wall is printed between the two by its own writer.
#include <string>
#include <vector>

#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"
#include "report/chapters/member_tables.h"

namespace nuvra::report {
namespace {

struct EarthPressureCase {
    int caseNo;
    std::string label;
    const calc::clsPressure* pressure;
    int rows;
};

// The cases of the earth-pressure part; case Ⅱ carries no earth pressure.
std::vector<EarthPressureCase> earthPressureCases(const ChapterContext& ctx) {
    const std::int32_t kento = ctx.design.objInpJyoken.Kento;
    std::vector<EarthPressureCase> cases;
    if (kento == 1 || kento == 3)
        cases = {{1, "(ケースⅠ)", nullptr, 0}, {3, "(ケースⅢ)", nullptr, 0}};
    else
        cases = {{1, "(ケースⅠ)", nullptr, 0}};
    for (EarthPressureCase& c : cases) {
        c.pressure = &Filled(ctx.results.wall.TateEarthP(c.caseNo),
                             "the earth pressure on the wall of " + CaseLabel(c.caseNo));
        c.rows = c.pressure->Detail().Count();
        CheckTableRows(c.rows);
    }
    return cases;
}

// Moments or shears of the listed cases: case 1 earth, outer water and total, case 2
// inner water and total, case 3 earth, inner water and total.
void printCaseRows(ReportWriter& w, const FormatBlock& b, FieldValues& v,
                   const std::vector<int>& cases, const calc::CaseTable<4>& t, int firstLine,
                   int separator) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int c = cases[i];
        if (c == 1) {
            v.n(1) = t(1, 0);
            v.n(2) = t(1, 1);
            v.n(3) = t(1, 3);
        } else if (c == 2) {
            v.n(1) = t(2, 2);
            v.n(2) = t(2, 3);
        } else {
            v.n(1) = t(3, 0);
            v.n(2) = t(3, 2);
            v.n(3) = t(3, 3);
        }
        w.PrintFormatLine(b, firstLine + c - 1, v);
        if (i + 1 < cases.size()) w.PrintFixedLine(b, separator);
    }
}

void writeSectionForces(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::ResultStore& r = ctx.results;
    const std::vector<int> cases = MemberCases(ctx.design.objInpJyoken.Kento);
    FormatBlock b = w.ReadFormatBlock("たて壁の設計_4");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    for (int k = 2; k <= 7; ++k)
        w.PrintFixedLine(b, k);
    printCaseRows(w, b, v, cases, r.wall.TateM, 8, 11);
    w.PrintFixedLine(b, 12);
    w.PrintFixedLine(b, 13);
    w.PrintBlankLines(1);
    for (int k = 14; k <= 19; ++k)
        w.PrintFixedLine(b, k);
    printCaseRows(w, b, v, cases, r.wall.TateS, 20, 23);
    w.PrintFixedLine(b, 24);
    w.PrintFixedLine(b, 25);
    w.PrintBlankLines(1);
    for (int k = 26; k <= 29; ++k)
        w.PrintFixedLine(b, k);
    v.n(1) = calc::value(r.wall.TateMmax);
    v.n(2) = calc::value(r.wall.TateMmin);
    w.PrintFormatLine(b, 30, v);
    w.PrintFixedLine(b, 31);
    v.n(1) = calc::value(r.wall.TateSmax);
    v.n(2) = calc::value(r.wall.TateSmin);
    w.PrintFormatLine(b, 32, v);
    w.PrintFixedLine(b, 33);
}

// Both faces side by side when both carry bars; otherwise the face with bars alone (the
// inner face when neither has any), its values given for both columns.
void writeSectionCheck(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const calc::CRcKukei& outer = Filled(ctx.results.wall.TateRc(1), "the outer wall face check");
    const calc::CRcKukei& inner = Filled(ctx.results.wall.TateRc(2), "the inner wall face check");
    const bool hasOuter = outer.Asi() > 0.01, hasInner = inner.Asi() > 0.01;
    const bool both = hasOuter && hasInner;
    const calc::CRcKukei& first = both || hasOuter ? outer : inner;
    const calc::CRcKukei& second = both || !hasOuter ? inner : outer;
    const char* outerLabel = "外側筋";
    const char* innerLabel = "内側筋";

    FormatBlock b = w.ReadFormatBlock(both ? "たて壁の設計_52" : "たて壁の設計_51");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 2);
    v.t(1) = &first == &outer ? outerLabel : innerLabel;
    v.t(2) = &second == &outer ? outerLabel : innerLabel;
    w.PrintFormatLine(b, 3, v);
    w.PrintFixedLine(b, 4);
    PrintSectionCheckItems(w, b, v, first, second, ctx.design.objInpZairyo.Zai);
}

}  // namespace

bool WriteWallChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        FormatBlock b = w.ReadFormatBlock("たて壁の設計_1");
        FieldValues v;
        const std::vector<EarthPressureCase> cases = earthPressureCases(ctx);
        w.PrintFixedLine(b, 1);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 2);
        w.PrintBlankLines(1);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const EarthPressureCase& c = cases[i];
            // A long table of the case before starts the next case on a page of its own.
            if (i > 0 && cases[i - 1].rows > 3) w.NewPageIfNeeded(w.LinesPerPage, 0);
            v.t(1) = c.label;
            w.PrintFormatLine(b, 3, v);
            w.PrintBlankLines(2);
            PrintFigure(w,
                        figures::MakeWallPressureFigure({ctx.figures, ctx.design, ctx.results},
                                                        c.caseNo, 110, 60),
                        true);
            w.PrintBlankLines(2);
            PrintWallPartTable(w, b, v, c.caseNo, *c.pressure);
            w.PrintBlankLines(1);
        }
    });
}

bool WriteWallSectionChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        FieldValues v;
        writeSectionForces(ctx, w, v);
        writeSectionCheck(ctx, w, v);
    });
}

}  // namespace nuvra::report
