// Chapter "照査結果一覧", printed last: every check of the design with its value, its
// allowable, the ratio and the verdict, the curtailment, and one conclusion.
#include "common/number_format.h"
#include "report/chapters/chapters.h"
#include "report/chapters/summary_checks.h"

namespace nuvra::report {
namespace {

std::string ratioText(const CheckLine& c) {
    return c.ratio ? formatPicture(*c.ratio, "#0.00") : "－";
}

std::string verdictText(const CheckLine& c) {
    return c.ok ? "OK" : "OUT";
}

}  // namespace

bool WriteSummaryChapter(const ChapterContext& ctx) {
    return ctx.writer.RunChapter([&](ReportWriter& w) {
        const CheckSummary s = SummariseChecks(ctx.results);
        FormatBlock b = w.ReadFormatBlock("照査結果一覧");
        FieldValues v;
        w.PrintFixedLine(b, 1);
        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 2);
        w.PrintFixedLine(b, 3);
        w.PrintBlankLines(1);

        w.PrintFixedLine(b, 4);
        w.PrintBlankLines(1);
        for (int k = 5; k <= 7; ++k)
            w.PrintFixedLine(b, k);
        auto stability = [&](const CheckLine& c, int line) {
            v.n(1) = c.value;
            v.n(2) = c.allowable;
            v.t(1) = ratioText(c);
            v.t(2) = verdictText(c);
            w.PrintFormatLine(b, line, v);
        };
        if (s.flotation)
            stability(*s.flotation, 8);
        else
            w.PrintFixedLine(b, 10);
        if (s.bearing) stability(*s.bearing, 9);
        w.PrintFixedLine(b, 11);
        if (!s.flotation) w.PrintFixedLine(b, 26);

        w.PrintBlankLines(1);
        w.NewPageIfNeeded(static_cast<std::int32_t>(s.stresses.size()) * 2 + 6, 0);
        w.PrintFixedLine(b, 12);
        w.PrintBlankLines(1);
        for (int k = 13; k <= 15; ++k)
            w.PrintFixedLine(b, k);
        for (std::size_t i = 0; i < s.stresses.size(); ++i) {
            const CheckLine& c = s.stresses[i];
            const bool firstOfFace = i % 4 == 0;
            if (firstOfFace && i > 0) w.PrintFixedLine(b, 17);
            v.t(1) = firstOfFace ? c.member : "";
            v.t(2) = firstOfFace ? c.bars : "";
            v.t(3) = c.item;
            v.t(4) = ratioText(c);
            v.t(5) = verdictText(c);
            v.n(1) = c.value;
            v.n(2) = c.allowable;
            w.PrintFormatLine(b, 16, v);
        }
        w.PrintFixedLine(b, 18);

        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 19);
        w.PrintBlankLines(1);
        if (s.curtailmentImpossible) {
            w.PrintFixedLine(b, 21);
        } else {
            v.n(1) = s.cutHeight.value_or(0);
            w.PrintFormatLine(b, 20, v);
        }

        w.PrintBlankLines(1);
        w.PrintFixedLine(b, 22);
        w.PrintBlankLines(1);
        if (s.failures.empty()) {
            w.PrintFixedLine(b, 23);
        } else {
            w.PrintFixedLine(b, 24);
            for (const std::string& f : s.failures) {
                v.t(1) = f;
                w.PrintFormatLine(b, 25, v);
            }
        }
    });
}

}  // namespace nuvra::report
