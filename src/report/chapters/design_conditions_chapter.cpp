// Chapter "設計条件": the design input echoed — title, section and water levels, the load
// behind the walls, the cross-section figure, unit weights and materials, covers, and
// the fixed pages on the design cases and the method of calculation.
#include "calc/members/section_fill.h"
#include "figures/figures.h"
#include "report/chapters/chapter_tables.h"
#include "report/chapters/chapters.h"

namespace nuvra::report {
namespace {

const char* barGrade(std::int32_t Zai) {
    if (Zai == 1) return "SR235";
    if (Zai == 2) return "SD295";
    return "SD345";
}

void writeShapeAndLoads(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const CInpJyoken& j = ctx.design.objInpJyoken;
    const CInpMorido& m = ctx.design.objInpMorido;
    FormatBlock b = w.ReadFormatBlock("設計条件_1");
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(2);
    v.t(1) = j.Title;
    w.PrintFormatLine(b, 2, v);
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 3);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 4);
    w.PrintBlankLines(1);
    const double shape[] = {j.H, j.B, j.T1, j.T2, j.T3, j.T4, j.TB, j.HW, j.HWi};
    for (int k = 5; k <= 13; ++k) {
        v.n(1) = shape[k - 5];
        w.PrintFormatLine(b, k, v);
        w.PrintBlankLines(1);
    }
    w.PrintFixedLine(b, 14);
    w.PrintBlankLines(1);
    if (m.Morido == 1) {
        v.n(1) = m.x;
        w.PrintFormatLine(b, 15, v);
        w.PrintBlankLines(1);
        v.n(1) = m.Q;
        w.PrintFormatLine(b, 16, v);
    } else if (m.Morido == 2) {
        const double embankment[] = {m.X1, m.X2, m.Ho, m.Qd};
        for (int k = 19; k <= 22; ++k) {
            v.n(1) = embankment[k - 19];
            w.PrintFormatLine(b, k, v);
            if (k < 22) w.PrintBlankLines(1);
        }
    }
    w.PrintBlankLines(2);
    PrintFigure(w, figures::MakeShapeFigure({ctx.figures, ctx.design, ctx.results}, 150, 120));
}

void writeMaterials(const ChapterContext& ctx, ReportWriter& w, FieldValues& v, double Toa) {
    const CInpZairyo& z = ctx.design.objInpZairyo;
    FormatBlock b = w.ReadFormatBlock("設計条件_2");
    w.PrintPageBreak();
    for (int k = 1; k <= 4; ++k)
        w.PrintFixedLine(b, k);
    const double weights[] = {z.Gsc, z.Fai, z.Gs, z.Gt, z.Gd, z.Gw};
    for (int i = 0; i < 6; ++i) {
        const int k = 5 + 2 * i;
        v.n(1) = weights[i];
        w.PrintFormatLine(b, k, v);
        w.PrintFixedLine(b, k + 1);
    }
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 17);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 18);
    w.PrintFixedLine(b, 19);
    const double concrete[] = {z.Sck, z.Sca, z.Ta, Toa, z.Ec};
    for (int i = 0; i < 5; ++i) {
        const int k = 20 + 2 * i;
        v.n(1) = concrete[i];
        w.PrintFormatLine(b, k, v);
        w.PrintFixedLine(b, k + 1);
    }
    w.PrintFixedLine(b, 30);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 31);
    w.PrintFixedLine(b, 32);
    v.t(1) = barGrade(z.Zai);
    w.PrintFormatLine(b, 33, v);
    w.PrintFixedLine(b, 34);
    v.n(1) = z.Ssa;
    w.PrintFormatLine(b, 35, v);
    w.PrintFixedLine(b, 36);
    v.n(1) = z.Es;
    w.PrintFormatLine(b, 37, v);
    w.PrintFixedLine(b, 38);
}

void writeCovers(const ChapterContext& ctx, ReportWriter& w, FieldValues& v) {
    const CInpKaburi& c = ctx.design.objInpKaburi;
    FormatBlock b = w.ReadFormatBlock("設計条件_かぶり");
    w.PrintBlankLines(1);
    for (int k = 1; k <= 5; ++k)
        w.PrintFixedLine(b, k);
    v.n(1) = c.TateSoto;
    v.n(2) = c.TateUchi;
    w.PrintFormatLine(b, 6, v);
    for (int k = 7; k <= 10; ++k)
        w.PrintFixedLine(b, k);
    v.n(1) = c.SokoUe;
    v.n(2) = c.SokoSita;
    w.PrintFormatLine(b, 11, v);
    w.PrintFixedLine(b, 12);
    w.PrintFixedLine(b, 13);
}

void writeDesignCases(const ChapterContext& ctx, ReportWriter& w) {
    FormatBlock b = w.ReadFormatBlock("設計条件_3");
    w.PrintPageBreak();
    w.PrintFixedLine(b, 1);
    w.PrintBlankLines(1);
    const std::int32_t Kento = ctx.design.objInpJyoken.Kento;
    if (Kento >= 1 && Kento <= 3) w.PrintFixedLine(b, 1 + Kento);
    w.PrintBlankLines(1);
    for (int k = 5; k <= 23; ++k)
        w.PrintFixedLine(b, k);
    for (int k = 24; k <= 28; ++k) {
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, k);
    }
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 29);
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 30);
    w.PrintBlankLines(2);
    w.PrintFixedLine(b, 31);
}

void writeMethod(ReportWriter& w) {
    FormatBlock b = w.ReadFormatBlock("設計条件_4");
    w.PrintPageBreak();
    for (int k = 1; k <= 3; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    for (int k = 4; k <= 15; k += 3) {
        w.PrintFixedLine(b, k);
        w.PrintFixedLine(b, k + 1);
        w.PrintFixedLine(b, k + 2);
        w.PrintBlankLines(1);
    }
    for (int k = 16; k <= 28; ++k) {
        w.PrintFixedLine(b, k);
        w.PrintBlankLines(1);
    }
    w.PrintFixedLine(b, 29);
    w.PrintFixedLine(b, 30);
    w.PrintFixedLine(b, 31);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 32);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 33);
    w.PrintFixedLine(b, 34);
    w.PrintFixedLine(b, 35);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 36);
    w.PrintBlankLines(1);
    w.PrintFixedLine(b, 37);
}

}  // namespace

bool WriteDesignConditionsChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        // Every value is taken when the chapter starts: a bond stress that is not a
        // number fails the chapter before anything is written.
        const double Toa = calc::ToaNumber(ctx.design.objInpZairyo.Toa);
        FieldValues v(8, 5);
        writeShapeAndLoads(ctx, w, v);
        writeMaterials(ctx, w, v, Toa);
        writeCovers(ctx, w, v);
        writeDesignCases(ctx, w);
        writeMethod(w);
    });
}

}  // namespace nuvra::report
