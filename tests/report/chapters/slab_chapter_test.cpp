// The slab chapter: loads and ground reaction per case, the net design load (its own
// block per Kento), section forces at three points per case, the section check.
#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "member_chapter_designs.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

constexpr const char* kLoads = "底版の設計_1";

// Part 1 up to the reaction of case Ⅰ; widthLine is 7 (span) or 8 (with footings).
Seq loadsPart(int widthLine, bool case2, bool case3) {
    Seq s(kLoads);
    for (int k : {1, 2, 3, 4, 5, 6, widthLine, 9, 10, 11, 12, 13, 19})
        s.F(k).B();
    s.F(20).B().F(21, 23);
    if (case2) s.B().F(20).B().F(24, 26);
    if (case3) s.B().F(20).B().F(27, 29);
    return s;
}

Seq netLoadPart(const char* block) {
    Seq s(block);
    return s.FF().F(1, 15);
}

Seq forcesPart(int cases) {
    Seq s("底版の設計_3");
    s.FF().F(1).B().F(2).B().F(3, 5).B().F(6, 8);
    for (int k = 9; k <= 15; ++k)
        s.B().F(k);
    for (int i = 1; i <= cases; ++i) {
        if (i < 3)
            s.B();
        else
            s.FF();  // the third case on a page of its own
        s.F(16).B().F(17).B().F(18).B().F(19, 29);
    }
    return s;
}

Seq checkPart() {
    Seq s("底版の設計_4");
    return s.FF().F(1).B().F(2, 50);
}

std::vector<std::string> valuesOf(const std::vector<TraceLine>& trace, const std::string& tag,
                                  std::size_t n = 0) {
    std::vector<TraceLine> l = LinesTagged(trace, tag);
    return n < l.size() ? l[n].values : std::vector<std::string>{};
}

TEST(SlabChapter, LinesFollowKentoAndTheFootings) {
    struct Case {
        const char* file;
        int kento, widthLine;
        bool case2, case3;
        const char* netBlock;
        int forceCases;
    } cases[] = {
        {"tests/vectors/vec-01.nvr", 1, 7, false, true, "底版の設計_21", 2},  // TB 0
        {"tests/vectors/vec-02.nvr", 2, 8, true, false, "底版の設計_22", 2},  // TB 0.05
        {"tests/vectors/vec-03.nvr", 3, 8, true, true, "底版の設計_23", 3},   // TB 0.1
    };
    for (const Case& c : cases) {
        Design x = LoadDesign(c.file);
        ASSERT_EQ(x.d.objInpJyoken.Kento, c.kento) << c.file;
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteSlabChapter, x)) << c.file << rig.Writer().LastChapterError();
        Seq want = loadsPart(c.widthLine, c.case2, c.case3);
        want.Add(netLoadPart(c.netBlock)).Add(forcesPart(c.forceCases)).Add(checkPart());
        EXPECT_EQ(Tags(rig.Trace()), want.Tags()) << c.file;
    }
}

TEST(SlabChapter, TheWidthFormulaShowsTheFootingsWheneverTheWidthIncludesThem) {
    // The reaction width takes the footings from 1 cm on (within the general tolerance);
    // the printed formula says so too, so that it adds up.
    struct Case {
        double TB;
        int line;
    } cases[] = {{0, 7}, {0.005, 7}, {0.0095, 8}, {0.01, 8}, {0.05, 8}, {0.1, 8}, {0.3, 8}};
    for (const Case& c : cases) {
        Design x = LoadDesign("tests/vectors/vec-01.nvr");
        x.d.objInpJyoken.TB = c.TB;
        x.Run();
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteSlabChapter, x)) << c.TB;
        const auto trace = rig.Trace();
        EXPECT_EQ(LinesTagged(trace, "底版の設計_1:7").size(), c.line == 7 ? 1u : 0u) << c.TB;
        EXPECT_EQ(LinesTagged(trace, "底版の設計_1:8").size(), c.line == 8 ? 1u : 0u) << c.TB;
    }
}

TEST(SlabChapter, LoadsAndReactionValues) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteSlabChapter, x));
    const auto t = rig.Trace();
    EXPECT_EQ(valuesOf(t, "底版の設計_1:5"), V({"3.100", "0.240", "3.340"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:7"), V({"3.100", "0.240", "3.340"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:11"), V({"0.520", "10.00", "5.20"}));  // HWi × γw
    EXPECT_EQ(valuesOf(t, "底版の設計_1:20", 0), V({"ケースⅠ"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:20", 1), V({"ケースⅢ"}));
    // Case Ⅰ: weight, vertical earth force, uplift; then the reaction and the width.
    EXPECT_EQ(valuesOf(t, "底版の設計_1:21"), V({"56.60", "2.71", "0.00"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:22"), V({"18.57"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:23"), V({"3.340"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:27"), V({"72.30", "2.32"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_1:28"), V({"23.04"}));

    Design w = LoadDesign("tests/vectors/vec-03.nvr");
    ChapterRig rig3;
    ASSERT_TRUE(rig3.Run(WriteSlabChapter, w));
    EXPECT_EQ(valuesOf(rig3.Trace(), "底版の設計_1:8"), V({"3.840", "0.580", "0.100", "5.200"}));
}

TEST(SlabChapter, NetLoadColumnsPerCase) {
    {
        // Kento 2: case Ⅰ and case Ⅱ. The water load has no case-Ⅰ value, the uplift
        // only a case-Ⅰ value: the later cases are designed without it.
        Design x = LoadDesign("tests/vectors/vec-02.nvr");
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteSlabChapter, x));
        const auto t = rig.Trace();
        EXPECT_EQ(valuesOf(t, "底版の設計_22:6"), V({"-10.29"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_22:8"), V({"-10.29", "-10.29"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_22:10"), V({"+16.96", "+24.13"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_22:12"), V({"+0.69"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_22:14"), V({"+7.36", "+3.55"}));
    }
    {
        Design x = LoadDesign("tests/vectors/vec-03.nvr");
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteSlabChapter, x));
        const auto t = rig.Trace();
        EXPECT_EQ(valuesOf(t, "底版の設計_23:6"), V({"-14.80", "-14.80"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_23:8"), V({"-6.13", "-6.13", "-6.13"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_23:10"), V({"+19.44", "+28.39", "+30.35"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_23:12"), V({"+1.23"}));
        EXPECT_EQ(valuesOf(t, "底版の設計_23:14"), V({"+14.54", "+7.46", "+9.42"}));
    }
}

TEST(SlabChapter, SectionForcesAndCheckValues) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteSlabChapter, x));
    const auto t = rig.Trace();
    EXPECT_EQ(valuesOf(t, "底版の設計_3:16", 0), V({"ケースⅠ"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:16", 1), V({"ケースⅢ"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:17"), V({"+2.93"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:18"), V({"+6.56"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:24"), V({"0.000", "+10.96", "+2.93"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:26"), V({"0.120", "+10.17", "+1.66"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:28"), V({"1.670", "+0.00", "-6.22"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_3:28", 1), V({"1.670", "+0.00", "-6.43"}));
    // Lower face (wall axis), upper face (mid-span).
    EXPECT_EQ(valuesOf(t, "底版の設計_4:5"), V({"2.93", "6.43"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_4:7"), V({"10.17", "0.00"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_4:11"), V({"490", "490"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_4:15"), V({"80", "50"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_4:17"), V({"φ22", "φ13"}));
    EXPECT_EQ(valuesOf(t, "底版の設計_4:37"), V({"5.19", "OK", "19.64", "OK"}));
}

TEST(SlabChapter, AMissingBlockEndsTheChapterWhereItStands) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    {
        ChapterRig rig(MarkerTemplate({"底版の設計_3"}));
        EXPECT_FALSE(rig.Run(WriteSlabChapter, x));
        Seq want = loadsPart(7, false, true);
        want.Add(netLoadPart("底版の設計_21"));
        EXPECT_EQ(Tags(rig.Trace()), want.Tags());
    }
    {
        ChapterRig rig(MarkerTemplate({"底版の設計_21"}));
        EXPECT_FALSE(rig.Run(WriteSlabChapter, x));
        EXPECT_EQ(Tags(rig.Trace()), loadsPart(7, false, true).Tags());
    }
}

TEST(SlabChapter, AMissingResultObjectFailsTheChapter) {
    Design x = LoadDesign("tests/vectors/vec-01.nvr");
    x.r.slab.TeibanMS(3).reset();
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteSlabChapter, x));
    // Up to the first case of the section forces.
    Seq want = loadsPart(7, false, true);
    want.Add(netLoadPart("底版の設計_21"));
    Seq forces = forcesPart(1);
    want.Add(forces);
    EXPECT_EQ(Tags(rig.Trace()), want.Tags());
}

}  // namespace
}  // namespace nuvra::report::test
