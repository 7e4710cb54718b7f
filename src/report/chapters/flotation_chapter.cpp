// Chapter "浮上に対する検討": the empty channel with groundwater at its design level,
// its weight and the vertical earth pressure against the uplift, Fs against Fa.
#include "report/chapters/chapters.h"
#include "report/report_error.h"

namespace nuvra::report {

bool WriteFlotationChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        if (!ctx.results.objUkiagari) throw ReportError("no flotation check");
        const calc::CUkiagari& u = *ctx.results.objUkiagari;
        const bool ok = u.Hantei() == "OK";
        FormatBlock b = w.ReadFormatBlock("浮上に対する検討");
        FieldValues v(8, 5);

        w.PrintFixedLine(b, 1);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 2);
        w.PrintBlankLines(1);
        v.n(1) = u.W;
        v.n(2) = u.Pv();
        w.PrintFormatLine(b, 3, v);
        v.n(1) = u.Fs();
        v.n(2) = u.Fa;
        v.t(1) = ok ? "≧" : "＜";
        v.t(2) = ok ? "OK" : "OUT";
        w.PrintFormatLine(b, 4, v);
        v.n(1) = u.U;
        w.PrintFormatLine(b, 5, v);
        for (int k = 6; k <= 10; ++k) {
            w.PrintBlankLines(1);
            w.PrintFormatLine(b, k, v);
        }
        w.PrintBlankLines(1);
        v.n(1) = u.Pvo;
        v.n(2) = u.Pv();
        w.PrintFormatLine(b, 11, v);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 12);
        w.PrintBlankLines(1);
        v.n(1) = u.Fa;
        w.PrintFormatLine(b, 13, v);
    });
}

}  // namespace nuvra::report
