#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

const char* const E1 = "外力の計算_1";
const char* const E2 = "外力の計算_2";
const char* const E3 = "外力の計算_3";
const char* const E4 = "外力の計算_4";
const char* const E5 = "外力の計算_5";

// Self-weight table with the row lines given (10, 11 or 12 each).
Seq weightTable(const std::vector<int>& rows) {
    Seq s(E1);
    s.F(5, 9);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        s.F(rows[i]);
        if (i + 1 < rows.size()) s.F(13);
    }
    return s.F(14).F(15).F(16);
}

Seq uplift() {
    Seq s(E2);
    s.FF().F(1).B(1).F(2).B(1).F(3).B(1).F(4).B(1).F(5).B(1).F(6).B(1);
    for (int k = 7; k <= 13; ++k)
        s.B(1).F(k);
    return s;
}

Seq surfaceLoad() {
    Seq s(E3);
    s.FF().F(1).B(1).F(2).B(1).F(3).B(1).F(4).B(1).F(5, 7).B(1);
    for (int k = 8; k <= 13; ++k)
        s.F(k).B(1);
    return s.B(1).F(14, 16).B(1).F(17).B(1).F(18);
}

Seq embankment(bool crestOutOfReach) {
    Seq s(E4);
    s.FF().F(1).B(1).F(2).B(1).F(3).B(1).F(4, 6).B(1);
    for (int k = 7; k <= 9; ++k)
        s.F(k).B(1);
    s.F(10, 12).B(1);
    for (int k = 13; k <= 22; ++k)
        s.F(k).B(1);
    s.F(23, 25).B(1).F(26).B(1).F(27);
    s.In(E5).FF();
    for (int k = 1; k <= 7; ++k)
        s.F(k).B(1);
    s.F(8).B(1);
    if (crestOutOfReach)
        s.F(9).B(1).F(10);
    else
        s.F(11, 13).B(1).F(14).B(1).F(15);
    s.B(2);
    for (int k = 16; k <= 18; ++k)
        s.F(k).B(1);
    return s.F(19).B(1).F(20);
}

// The default design: no footings, haunches, walls of constant thickness. Case Ⅰ lists
// wall, haunch and slab; case Ⅱ adds the internal water and its haunch deduction.
TEST(ExternalForcesChapter, DefaultDesignWithSurchargeOnLevelGround) {
    Design d;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteExternalForcesChapter, d));
    Seq s(E1);
    s.F(1).B(1).F(2).B(1).FG().Add(weightTable({10, 11, 10}));
    s.In(E1).FF().F(3).FG().Add(weightTable({10, 11, 10, 10, 11}));
    s.Add(uplift()).Add(surfaceLoad());
    EXPECT_EQ(Tags(rig.Trace()), s.Tags());
}

TEST(ExternalForcesChapter, FootingsAddTheBackfillRows) {
    Design d;
    d.d.objInpJyoken.TB = 0.5;
    d.d.objInpJyoken.T2 = 0.4;  // tapered walls
    d.d.objInpJyoken.HW = 1.0;  // groundwater splits the backfill of case Ⅰ
    d.Run();
    ASSERT_TRUE(d.r.blnFooting);
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteExternalForcesChapter, d));
    auto trace = rig.Trace();
    // Case Ⅰ: wall, taper, haunch, slab, then dry backfill (rectangle and taper
    // triangle) and submerged backfill (rectangle and triangle): 8 rows.
    // Case Ⅱ: wall, taper, haunch, slab, water, its haunch, backfill and its taper.
    Seq s(E1);
    s.F(1).B(1).F(2).B(1).FG().Add(weightTable({10, 11, 11, 10, 10, 11, 10, 11}));
    s.In(E1).FF().F(3).FG().Add(weightTable({10, 11, 11, 10, 10, 11, 10, 11}));
    s.Add(uplift()).Add(surfaceLoad());
    EXPECT_EQ(Tags(trace), s.Tags());

    // Rows are labelled ① … in order and carry width, height, pieces, area, unit
    // weight and weight; the sum row's weight closes the table.
    auto rows = LinesTagged(trace, "外力の計算_1:10");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].values,
              (std::vector<std::string>{"①", "0.300", "2.000", "2", "1.20", "24.5", "29.40"}));
    auto totals = LinesTagged(trace, "外力の計算_1:15");
    ASSERT_EQ(totals.size(), 2u);
    const auto* sum = d.r.objWeight(1)->Weight().Item(calc::kWeightSumTitle);
    ASSERT_NE(sum, nullptr);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", sum->Weight);
    EXPECT_EQ(totals[0].values, std::vector<std::string>{buf});
}

TEST(ExternalForcesChapter, EmbankmentWithTheCrestLoadInReach) {
    Design d;
    d.d.objInpMorido.Morido = 2;
    d.d.objInpMorido.X1 = 0.5;
    d.d.objInpMorido.X2 = 1.0;
    d.d.objInpMorido.Ho = 1.0;
    d.d.objInpMorido.Qd = 10;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteExternalForcesChapter, d));
    auto trace = rig.Trace();
    std::vector<std::string> tags = Tags(trace);
    Seq tail = uplift().Add(embankment(false));
    ASSERT_GE(tags.size(), tail.Tags().size());
    EXPECT_EQ(
        std::vector<std::string>(tags.end() - static_cast<long>(tail.Tags().size()), tags.end()),
        tail.Tags());
    auto reach = LinesTagged(trace, "外力の計算_5:8");
    ASSERT_EQ(reach.size(), 1u);
    // x_q = X1 + X2 = 1.5 < H + Ho with H = 2 + 0.3 / 2.
    EXPECT_EQ(reach[0].values, (std::vector<std::string>{"1.500", "＜", "3.150"}));
}

TEST(ExternalForcesChapter, EmbankmentWithTheCrestLoadOutOfReach) {
    for (double X2 : {1.15, 5.0}) {  // exactly at H + Ho, and beyond it
        Design d;
        d.d.objInpMorido.Morido = 2;
        d.d.objInpMorido.X1 = 1.0;
        d.d.objInpMorido.X2 = X2;
        d.d.objInpMorido.Ho = 0.0;
        d.d.objInpMorido.Qd = 10;
        d.Run();
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteExternalForcesChapter, d));
        auto trace = rig.Trace();
        std::vector<std::string> tags = Tags(trace);
        Seq tail = embankment(true);
        ASSERT_GE(tags.size(), tail.Tags().size());
        EXPECT_EQ(std::vector<std::string>(tags.end() - static_cast<long>(tail.Tags().size()),
                                           tags.end()),
                  tail.Tags())
            << "X2 " << X2;
        auto reach = LinesTagged(trace, "外力の計算_5:8");
        ASSERT_EQ(reach.size(), 1u);
        EXPECT_EQ(reach[0].values.at(1), "≧");
    }
}

TEST(ExternalForcesChapter, MissingResultsOrBlocksFailTheChapter) {
    Design d;
    d.Run();
    {
        ChapterRig rig(MarkerTemplate({E2}));
        EXPECT_FALSE(rig.Run(WriteExternalForcesChapter, d));
        std::vector<std::string> tags = Tags(rig.Trace());
        ASSERT_FALSE(tags.empty());
        EXPECT_EQ(tags.back(), "外力の計算_1:16");  // both weight tables stay
    }
    {
        Design empty;  // never calculated: no self weight in the store
        ChapterRig rig;
        EXPECT_FALSE(rig.Run(WriteExternalForcesChapter, empty));
    }
}

}  // namespace
}  // namespace nuvra::report::test
