// The footing chapter: soil on the footing, the net design load (one blank line, no new
// page), the triangular load, section forces at the root and the shear section, and the
// section check.
#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

Seq soilPart(bool case3) {
    Seq s("フーチングの設計_自重");
    for (int k = 1; k <= 5; ++k)
        s.F(k).B();
    s.F(6).B().F(7).B().F(8).B().F(9);
    if (case3) s.B().F(10).B().F(11);
    return s;
}

Seq netLoadPart(const char* block) {
    Seq s(block);
    return s.B().F(1, 16);  // exactly one blank line, on the same page
}

Seq triangularPart(bool case3) {
    Seq s("フーチングの設計_設計荷重(WP)");
    s.B().F(1).B().F(2).B().F(3).B().F(4, 6);
    if (case3) s.B().F(3).B().F(4, 6);
    return s;
}

Seq forcesPart(int cases) {
    Seq s("フーチングの設計_設計断面力");
    s.FF();
    for (int k = 1; k <= 4; ++k)
        s.F(k).B();
    s.F(5, 7).B().F(8).B().F(9, 11).B().F(12, 14);
    for (int k = 15; k <= 21; ++k)
        s.B().F(k);
    for (int i = 0; i < cases; ++i)
        s.B().F(22, 31);
    return s;
}

Seq checkPart() {
    Seq s("フーチングの設計_応力度");
    return s.FF().F(1).B().F(2, 50);
}

std::vector<std::string> valuesOf(const std::vector<TraceLine>& trace, const std::string& tag,
                                  std::size_t n = 0) {
    std::vector<TraceLine> l = LinesTagged(trace, tag);
    return n < l.size() ? l[n].values : std::vector<std::string>{};
}

TEST(FootingChapter, LinesFollowKento) {
    struct Case {
        int kento;
        bool case3;
        const char* netBlock;
        int forceCases;
    } cases[] = {
        {1, true, "フーチングの設計_設計荷重(1)", 2},
        {2, false, "フーチングの設計_設計荷重(2)", 2},
        {3, true, "フーチングの設計_設計荷重(3)", 3},
    };
    for (const Case& c : cases) {
        Design x = LoadDesign("tests/vectors/vec-08.nvr");
        x.d.objInpJyoken.Kento = c.kento;
        x.Run();
        ASSERT_TRUE(x.r.blnFooting);
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteFootingChapter, x)) << c.kento << rig.Writer().LastChapterError();
        Seq want = soilPart(c.case3);
        want.Add(netLoadPart(c.netBlock))
            .Add(triangularPart(c.case3))
            .Add(forcesPart(c.forceCases))
            .Add(checkPart());
        EXPECT_EQ(Tags(rig.Trace()), want.Tags()) << "Kento " << c.kento;
    }
}

TEST(FootingChapter, ValuesOfKentoThree) {
    Design x = LoadDesign("tests/vectors/vec-08.nvr");
    ASSERT_EQ(x.d.objInpJyoken.Kento, 3);
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteFootingChapter, x));
    const auto t = rig.Trace();
    EXPECT_EQ(valuesOf(t, "フーチングの設計_自重:6"),
              V({"3.230", "18.40", "0.000", "19.60", "59.43"}));
    EXPECT_EQ(valuesOf(t, "フーチングの設計_自重:11"), V({"3.230", "18.40", "59.43"}));
    // Soil in cases Ⅰ and Ⅲ only (case Ⅱ has none), uplift in case Ⅰ only.
    const std::string net = "フーチングの設計_設計荷重(3):";
    EXPECT_EQ(valuesOf(t, net + "6"), V({"-59.43", "-59.43"}));
    EXPECT_EQ(valuesOf(t, net + "8"), V({"-13.72", "-13.72", "-13.72"}));
    EXPECT_EQ(valuesOf(t, net + "10"), V({"+72.23", "+65.76", "+75.31"}));
    EXPECT_EQ(valuesOf(t, net + "12"), V({"+0.00"}));
    EXPECT_EQ(valuesOf(t, net + "14"), V({"-0.92", "+52.04", "+2.16"}));
    const std::string wp = "フーチングの設計_設計荷重(WP):";
    EXPECT_EQ(valuesOf(t, wp + "3", 0), V({"ケースⅠ"}));
    EXPECT_EQ(valuesOf(t, wp + "3", 1), V({"ケースⅢ"}));
    EXPECT_EQ(valuesOf(t, wp + "4", 0), V({"23.21"}));
    EXPECT_EQ(valuesOf(t, wp + "5", 0), V({"49.91"}));
    EXPECT_EQ(valuesOf(t, wp + "6", 0), V({"0.930"}));
    EXPECT_EQ(valuesOf(t, wp + "4", 1), V({"19.57"}));
    EXPECT_EQ(valuesOf(t, wp + "5", 1), V({"42.09"}));
    // Root and shear section of case Ⅰ: x, Sr, Sp, S, Mr, Mp, M.
    const std::string f = "フーチングの設計_設計断面力:";
    EXPECT_EQ(valuesOf(t, f + "22", 2), V({"ケースⅢ"}));
    EXPECT_EQ(valuesOf(t, f + "28"),
              V({"0.930", "-0.86", "-23.21", "-24.07", "-0.40", "-14.39", "-14.79"}));
    EXPECT_EQ(valuesOf(t, f + "30"),
              V({"0.650", "-0.60", "-21.10", "-21.70", "-0.19", "-8.09", "-8.28"}));
    EXPECT_EQ(valuesOf(t, f + "28", 1),
              V({"0.930", "+48.40", "+0.00", "+48.40", "+22.50", "+0.00", "+22.50"}));
    const std::string c = "フーチングの設計_応力度:";
    EXPECT_EQ(valuesOf(t, c + "5"), V({"22.50", "14.79"}));
    EXPECT_EQ(valuesOf(t, c + "7"), V({"33.83", "21.70"}));
    EXPECT_EQ(valuesOf(t, c + "17"), V({"D32", "D16"}));
    EXPECT_EQ(valuesOf(t, c + "19"), V({"300", "300"}));
    EXPECT_EQ(valuesOf(t, c + "37"), V({"19.49", "OK", "46.58", "OK"}));
}

TEST(FootingChapter, KentoTwoShowsCaseTwoBesideCaseOne) {
    Design x = LoadDesign("tests/vectors/vec-06.nvr");
    ASSERT_EQ(x.d.objInpJyoken.Kento, 2);
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteFootingChapter, x));
    const auto t = rig.Trace();
    const std::string net = "フーチングの設計_設計荷重(2):";
    EXPECT_EQ(valuesOf(t, net + "6"), V({"-23.13", "+0.00"}));
    EXPECT_EQ(valuesOf(t, net + "12"), V({"+14.11"}));
    EXPECT_EQ(valuesOf(t, net + "14"), V({"-8.46", "+15.28"}));
    EXPECT_EQ(LinesTagged(t, "フーチングの設計_設計荷重(WP):4").size(), 1u);
    EXPECT_EQ(LinesTagged(t, "フーチングの設計_自重:11").size(), 0u);
}

TEST(FootingChapter, FailsWhereABlockOrResultIsMissing) {
    Design x = LoadDesign("tests/vectors/vec-08.nvr");
    {
        ChapterRig rig(MarkerTemplate({"フーチングの設計_設計荷重(WP)"}));
        EXPECT_FALSE(rig.Run(WriteFootingChapter, x));
        Seq want = soilPart(true);
        want.Add(netLoadPart("フーチングの設計_設計荷重(3)"));
        EXPECT_EQ(Tags(rig.Trace()), want.Tags());
    }
    {
        // A run without footings leaves the footing results empty.
        Design none = LoadDesign("tests/vectors/vec-01.nvr");
        ASSERT_FALSE(none.r.blnFooting);
        ChapterRig rig;
        EXPECT_FALSE(rig.Run(WriteFootingChapter, none));
        EXPECT_TRUE(rig.Trace().empty());
    }
    {
        x.r.footing.FootingRc(2).reset();
        ChapterRig rig;
        EXPECT_FALSE(rig.Run(WriteFootingChapter, x));
        Seq want = soilPart(true);
        want.Add(netLoadPart("フーチングの設計_設計荷重(3)"))
            .Add(triangularPart(true))
            .Add(forcesPart(3));
        EXPECT_EQ(Tags(rig.Trace()), want.Tags());
    }
}

}  // namespace
}  // namespace nuvra::report::test
