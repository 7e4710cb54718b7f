// The summary chapter: every check of the result store with its value, allowable, ratio
// and verdict, the curtailment, the conclusion; and the curtailment chapter when the
// full outer bars already fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "calc/run/section_table.h"
#include "chapter_rig.h"
#include "common/number_format.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"
#include "report/chapters/summary_checks.h"

namespace nuvra::report::test {
namespace {

constexpr const char* kBlock = "照査結果一覧";

std::string tag(int line) {
    return std::string(kBlock) + ":" + std::to_string(line);
}

// The sample with outer wall bars far too light: σs of the outer face fails, so no bar
// may be cut; a direct bearing capacity below the reaction fails the bearing check.
Design failingDesign() {
    Design x = LoadDesign("examples/sample.nvr");
    x.d.objInpHaikin.TateSoto.Dia = 10;
    x.d.objInpHaikin.TateSoto.ctc = 300;
    x.d.objInpKiso.Siji = 2;
    x.d.objInpKiso.Qa = 10;
    x.Run();
    return x;
}

TEST(SummaryChapter, EveryCheckOfTheStoreWithItsVerdict) {
    for (const std::string& file : AllDesignFiles()) {
        SCOPED_TRACE(file);
        Design x = LoadDesign(file);
        ASSERT_TRUE(x.ok);
        const CheckSummary s = SummariseChecks(x.r);
        const calc::SectionTable grid = calc::BuildSectionTable(x.r);
        std::size_t faces = 0;
        for (const calc::SectionRow& row : grid.rows)
            faces += row.present ? 1 : 0;
        ASSERT_EQ(s.stresses.size(), faces * 4);
        EXPECT_EQ(faces, x.r.blnFooting ? 6u : 4u);
        // Each face's four lines are those of its check, in grid order.
        std::size_t i = 0;
        std::size_t failed = 0;
        for (const calc::SectionRow& row : grid.rows) {
            if (!row.present) continue;
            const double values[] = {row.Sc, row.Ss, row.Tc, row.T0};
            const bool outs[] = {row.outSc, row.outSs, row.outTc, row.outTo};
            for (int k = 0; k < 4; ++k, ++i) {
                EXPECT_EQ(s.stresses[i].value, values[k]);
                EXPECT_EQ(s.stresses[i].ok, !outs[k]);
                failed += outs[k] ? 1 : 0;
                if (s.stresses[i].allowable != 0) {
                    EXPECT_DOUBLE_EQ(*s.stresses[i].ratio,
                                     s.stresses[i].value / s.stresses[i].allowable);
                }
            }
        }
        ASSERT_TRUE(s.bearing);
        EXPECT_EQ(s.bearing->value, x.r.objQmax->Qmax());
        EXPECT_EQ(s.bearing->ok, x.r.objQmax->Hantei() == "OK");
        failed += s.bearing->ok ? 0 : 1;
        EXPECT_EQ(s.flotation.has_value(), std::abs(x.r.objUkiagari->U) > 0.001);
        if (s.flotation) {
            EXPECT_EQ(s.flotation->value, x.r.objUkiagari->Fs());
            failed += s.flotation->ok ? 0 : 1;
        }
        EXPECT_EQ(s.failures.size(), failed);
    }
}

// The printed lines carry the store's numbers through the report's own formats.
TEST(SummaryChapter, PrintedNumbersAreTheStores) {
    for (const char* file : {"examples/sample.nvr", "examples/embankment.nvr",
                             "examples/legacy-beta.nvr", "tests/vectors/vec-05.nvr"}) {
        SCOPED_TRACE(file);
        Design x = LoadDesign(file);
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteSummaryChapter, x)) << rig.Writer().LastChapterError();
        const auto trace = rig.Trace();
        const CheckSummary s = SummariseChecks(x.r);
        const auto rows = LinesTagged(trace, tag(16));
        ASSERT_EQ(rows.size(), s.stresses.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<std::string>& v = rows[i].values;
            ASSERT_GE(v.size(), 6u);
            // Fields in line order: member, bars and check (texts), value and allowable,
            // ratio and verdict.
            const std::size_t n = v.size();
            EXPECT_EQ(v[n - 4], formatPicture(s.stresses[i].value, "####0.00"));
            EXPECT_EQ(v[n - 3], formatPicture(s.stresses[i].allowable, "####0.00"));
            EXPECT_EQ(v[n - 2], formatPicture(*s.stresses[i].ratio, "#0.00"));
            EXPECT_EQ(v[n - 1], s.stresses[i].ok ? "OK" : "OUT");
        }
        const auto bearing = LinesTagged(trace, tag(9));
        ASSERT_EQ(bearing.size(), 1u);
        EXPECT_EQ(bearing[0].values[0], formatPicture(x.r.objQmax->Qmax(), "####0.00"));
        EXPECT_EQ(LinesTagged(trace, tag(8)).size(), s.flotation ? 1u : 0u);
        EXPECT_EQ(LinesTagged(trace, tag(10)).size(), s.flotation ? 0u : 1u);
        EXPECT_EQ(LinesTagged(trace, tag(23)).size(), s.failures.empty() ? 1u : 0u);
        EXPECT_EQ(LinesTagged(trace, tag(25)).size(), s.failures.size());
        const auto cut = LinesTagged(trace, tag(20));
        EXPECT_EQ(LinesTagged(trace, tag(21)).size(), s.curtailmentImpossible ? 1u : 0u);
        ASSERT_EQ(cut.size(), s.curtailmentImpossible ? 0u : 1u);
        if (!cut.empty()) {
            EXPECT_EQ(cut[0].values[0],
                      formatPicture(calc::value(x.r.curtailment.DanHcut), "#####0"));
        }
    }
}

TEST(SummaryChapter, AFailingDesignNamesEveryFailedCheck) {
    Design x = failingDesign();
    ASSERT_TRUE(x.ok);
    const CheckSummary s = SummariseChecks(x.r);
    EXPECT_TRUE(s.curtailmentImpossible);
    EXPECT_FALSE(s.cutHeight);
    ASSERT_FALSE(s.failures.empty());
    EXPECT_EQ(s.failures.front(),
              "基礎地盤支持力（比率 " + formatPicture(x.r.objQmax->Qmax() / 10, "#0.00") + "）");
    const double ratio = x.r.wall.TateRc(1)->Ss() / x.r.wall.TateRc(1)->Ssa;
    EXPECT_NE(
        std::find(s.failures.begin(), s.failures.end(),
                  "たて壁 外側筋 引張応力度 σs（比率 " + formatPicture(ratio, "#0.00") + "）"),
        s.failures.end());

    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteSummaryChapter, x)) << rig.Writer().LastChapterError();
    const auto trace = rig.Trace();
    EXPECT_EQ(LinesTagged(trace, tag(21)).size(), 1u);  // no cut-off height
    EXPECT_TRUE(LinesTagged(trace, tag(20)).empty());
    EXPECT_EQ(LinesTagged(trace, tag(24)).size(), 1u);
    EXPECT_EQ(LinesTagged(trace, tag(25)).size(), s.failures.size());
}

TEST(CurtailmentChapter, FullBarsThatAlreadyFailCannotBeCut) {
    Design x = failingDesign();
    ASSERT_TRUE(calc::CurtailmentImpossible(x.r));
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteCurtailmentChapter, x)) << rig.Writer().LastChapterError();
    const auto trace = rig.Trace();
    const auto message = LinesTagged(trace, "段落し:17");
    ASSERT_EQ(message.size(), 1u);
    EXPECT_EQ(message[0].values[0], formatPicture(x.r.wall.TateRc(1)->Ss(), "###0.00"));
    for (int k = 9; k <= 16; ++k)
        EXPECT_TRUE(LinesTagged(trace, "段落し:" + std::to_string(k)).empty()) << k;

    Design fine = LoadDesign("examples/sample.nvr");
    EXPECT_FALSE(calc::CurtailmentImpossible(fine.r));
    // Reference designs whose full outer bars exceed σsa at the design section.
    for (const char* file : {"tests/vectors/vec-04.nvr", "tests/vectors/vec-05.nvr"}) {
        Design v = LoadDesign(file);
        EXPECT_TRUE(calc::CurtailmentImpossible(v.r)) << file;
        ChapterRig r;
        ASSERT_TRUE(r.Run(WriteCurtailmentChapter, v));
        EXPECT_EQ(LinesTagged(r.Trace(), "段落し:17").size(), 1u) << file;
    }
}

// Golden print files of the summary with the real wording: the three examples and the
// failing design. The actual output is kept beside the test binary
// (summary-<name>.actual.prn); to accept a reviewed change run the test once with
// NUVRA_UPDATE_GOLDEN=1, which rewrites tests/report/golden/summary-<name>.prn.
TEST(SummaryChapter, GoldenPrintFiles) {
    std::string templateText;
    for (const std::string& line : InstalledTemplateLines())
        templateText += line + "\n";
    struct Case {
        const char* name;
        Design design;
    } cases[] = {{"sample", LoadDesign("examples/sample.nvr")},
                 {"embankment", LoadDesign("examples/embankment.nvr")},
                 {"legacy-beta", LoadDesign("examples/legacy-beta.nvr")},
                 {"failing", failingDesign()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChapterRig rig(templateText);
        ASSERT_TRUE(rig.Run(WriteSummaryChapter, c.design)) << rig.Writer().LastChapterError();
        const std::string actual = nuvra::test::readFile(rig.PrintFile());
        const std::string golden =
            nuvra::test::sourcePath(std::string("tests/report/golden/summary-") + c.name + ".prn");
        nuvra::test::writeFile(
            std::string(NUVRA_BINARY_DIR) + "/tests/summary-" + c.name + ".actual.prn", actual);
        if (std::getenv("NUVRA_UPDATE_GOLDEN")) nuvra::test::writeFile(golden, actual);
        EXPECT_EQ(actual, nuvra::test::readFile(golden));
    }
}

}  // namespace
}  // namespace nuvra::report::test
