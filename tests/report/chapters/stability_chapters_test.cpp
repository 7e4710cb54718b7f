#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

const char* const FL = "浮上に対する検討";
const char* const BR = "基礎地盤支持力の検討";

Seq flotation() {
    Seq s(FL);
    s.F(1).B(1).F(2).B(1).F(3, 5);
    for (int k = 6; k <= 10; ++k)
        s.B(1).F(k);
    return s.B(1).F(11).B(1).F(12).B(1).F(13);
}

Seq bearing(bool byFormula) {
    Seq s(BR);
    s.F(1);
    if (byFormula) {
        s.B(2).F(2).B(1).F(3).B(1).F(4, 6).B(1).F(7, 9).B(1).F(10).B(1);
        for (int k = 11; k <= 17; ++k)
            s.F(k).B(1);
        s.F(18).B(1).F(19).B(1).F(20).B(2).F(21);
    }
    s.B(1).F(22).B(1).F(23, 25).B(1).F(26, 28).B(1).F(29);
    for (int k = 30; k <= 36; ++k)
        s.B(1).F(k);
    return s;
}

// A store holding only a flotation check with the given inputs.
Design flotationCheck(double W, double Pvo, double U, double Fa) {
    Design d;
    d.r.objUkiagari = std::make_unique<calc::CUkiagari>();
    calc::CUkiagari& u = *d.r.objUkiagari;
    u.W = W;
    u.Pvo = Pvo;
    u.U = U;
    u.Fa = Fa;
    u.Calc();
    return d;
}

TEST(FlotationChapter, VerdictAndRelation) {
    struct Row {
        double W, Pvo, U, Fa;
        const char* relation;
        const char* verdict;
        const char* Fs;
    } rows[] = {
        {120, 10, 100, 1.2, "≧", "OK", "1.30"},
        {100, 10, 100, 1.2, "＜", "OUT", "1.10"},
        {110, 0, 100, 1.1, "≧", "OK", "1.10"},  // Fs equal to Fa passes
        {50, 0, 0, 1.1, "≧", "OK", "999.99"},   // no uplift: the capped factor
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Fs);
        Design d = flotationCheck(r.W, r.Pvo, r.U, r.Fa);
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteFlotationChapter, d));
        auto trace = rig.Trace();
        EXPECT_EQ(Tags(trace), flotation().Tags());
        auto line = LinesTagged(trace, "浮上に対する検討:4");
        ASSERT_EQ(line.size(), 1u);
        ASSERT_EQ(line[0].values.size(), 4u);
        EXPECT_EQ(line[0].values[0], r.Fs);
        EXPECT_EQ(line[0].values[1], r.relation);
        EXPECT_EQ(line[0].values[3], r.verdict);
    }
}

TEST(FlotationChapter, PrintsWeightVerticalComponentAndUplift) {
    Design d;
    d.d.objInpJyoken.HW = 1.0;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteFlotationChapter, d));
    auto trace = rig.Trace();
    const calc::CUkiagari& u = *d.r.objUkiagari;
    char w[32], pv[32], up[32];
    std::snprintf(w, sizeof w, "%.2f", u.W);
    std::snprintf(pv, sizeof pv, "%.2f", u.Pv());
    std::snprintf(up, sizeof up, "%.2f", u.U);
    EXPECT_EQ(LinesTagged(trace, "浮上に対する検討:3").at(0).values,
              (std::vector<std::string>{w, pv}));
    EXPECT_EQ(LinesTagged(trace, "浮上に対する検討:5").at(0).values, std::vector<std::string>{up});
}

TEST(FlotationChapter, FailsWithoutTheCheckOrTheBlock) {
    Design none;
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteFlotationChapter, none));
    ChapterRig noBlock(MarkerTemplate({FL}));
    EXPECT_FALSE(noBlock.Run(WriteFlotationChapter, flotationCheck(100, 0, 50, 1.1)));
    EXPECT_TRUE(noBlock.Trace().empty());
}

TEST(BearingChapter, EnteredAllowableValue) {
    Design d;
    d.d.objInpKiso.Siji = 2;
    d.d.objInpKiso.Qa = 50;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteBearingChapter, d));
    auto trace = rig.Trace();
    EXPECT_EQ(Tags(trace), bearing(false).Tags());
    auto check = LinesTagged(trace, "基礎地盤支持力の検討:29");
    ASSERT_EQ(check.at(0).values.size(), 4u);
    EXPECT_EQ(check[0].values[2], "50");  // qa as entered, not the formula's
}

TEST(BearingChapter, AllowableValueByFormula) {
    Design d;
    d.d.objInpKiso.Siji = 1;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteBearingChapter, d));
    auto trace = rig.Trace();
    EXPECT_EQ(Tags(trace), bearing(true).Tags());
    const calc::CQa& qa = *d.r.objQa;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", qa.Qa());
    EXPECT_EQ(LinesTagged(trace, "基礎地盤支持力の検討:10").at(0).values,
              std::vector<std::string>{buf});
    EXPECT_EQ(LinesTagged(trace, "基礎地盤支持力の検討:29").at(0).values.at(2), buf);
    // φ = 30°: Nc 15.4 between the table points 28° and 32°.
    EXPECT_EQ(LinesTagged(trace, "基礎地盤支持力の検討:18").at(0).values.at(0), "15.4");
    EXPECT_EQ(LinesTagged(trace, "基礎地盤支持力の検討:8").at(0).values.size(), 8u);
}

TEST(BearingChapter, ReactionEqualToTheAllowableValuePasses) {
    struct Row {
        double Qa;
        const char* relation;
        const char* verdict;
    } rows[] = {{99.9995, "≦", "OK"}, {100.5, "≦", "OK"}, {99.99, "＞", "OUT"}};
    for (const Row& row : rows) {
        Design d;
        d.d.objInpKiso.Siji = 2;
        d.r.objQmax = std::make_unique<calc::CQmax>();
        calc::CQmax& m = *d.r.objQmax;
        m.W = 200;  // (2·0 + 200) / (2·0 + 2 + 0) = 100
        m.B = 2;
        m.Qa = row.Qa;
        m.Calc();
        d.d.objInpKiso.Qa = row.Qa;
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteBearingChapter, d));
        auto v = LinesTagged(rig.Trace(), "基礎地盤支持力の検討:29").at(0).values;
        ASSERT_EQ(v.size(), 4u);
        EXPECT_EQ(v[0], "100.00");
        EXPECT_EQ(v[1], row.relation) << row.Qa;
        EXPECT_EQ(v[3], row.verdict) << row.Qa;
    }
}

TEST(BearingChapter, FailsWithoutResultsOrBlock) {
    Design d;
    d.d.objInpKiso.Siji = 1;
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteBearingChapter, d));
    d.Run();
    ChapterRig noBlock(MarkerTemplate({BR}));
    EXPECT_FALSE(noBlock.Run(WriteBearingChapter, d));
    EXPECT_TRUE(noBlock.Trace().empty());
}

}  // namespace
}  // namespace nuvra::report::test
