#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "report/chapters/chapters.h"

namespace nuvra::report::test {
namespace {

const char* const E6 = "外力の計算_6";
const char* const E7 = "外力の計算_7";
const char* const E8 = "外力の計算_8";
const char* const W2 = "たて壁の設計_2";
const char* const W3 = "たて壁の設計_3";

Seq introduction() {
    Seq s(E6);
    s.FF().F(1).B(1).F(2).B(1).F(3, 5).B(1).F(6, 10).B(1);
    for (int k = 11; k <= 22; ++k)
        s.F(k).B(1);
    return s;
}

// Case head (label when two cases are printed) and the layer table.
Seq caseHead(const char* block, bool labelled, int layers) {
    Seq s(block);
    if (labelled) s.F(2).B(1);
    s.F(3).B(1).F(4, 8).B(1).F(9, 13);
    for (int i = 0; i < layers; ++i) {
        s.F(14, 16);
        if (i + 1 < layers) s.F(17);
    }
    return s.F(18);
}

// One case of the stability set: parts given by their row lines (25 rectangle, 26
// triangle).
Seq stabilityCase(bool first, bool labelled, int layers, const std::vector<int>& parts) {
    Seq s(E7);
    s.FF();
    if (first) s.F(1).B(1);
    s.Add(caseHead(E7, labelled, layers));
    s.In(E7).B(2).F(19).B(2).FG().B(2).F(20, 24);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        s.F(parts[i]);
        if (i + 1 < parts.size()) s.F(27);
    }
    if (!parts.empty()) s.F(28, 30);
    return s.B(1).F(31).B(1).F(32).B(1).F(33);
}

TEST(EarthPressureChapter, CasesⅠAndⅢWithLabels) {
    Design d;
    d.d.objInpJyoken.Kento = 1;
    d.d.objInpMorido.Q = 10;  // a surcharge: case Ⅰ's trapezoid makes two triangles
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteEarthPressureChapter, d));
    Seq s = introduction();
    s.Add(stabilityCase(true, true, 1, {26, 26}));
    s.Add(stabilityCase(false, true, 1, {26}));
    s.In(E8).FF().F(1).B(2).Add(caseHead(E8, true, 1)).B(2).Add(caseHead(E8, true, 1));
    auto trace = rig.Trace();
    EXPECT_EQ(Tags(trace), s.Tags());

    auto labels = LinesTagged(trace, "外力の計算_7:2");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].values, std::vector<std::string>{"ケースⅠ"});
    EXPECT_EQ(labels[1].values, std::vector<std::string>{"ケースⅢ"});
    // α = 90° for the vertical wall back; δ of the stability set; the resultant and its
    // vertical component of case Ⅰ.
    auto alpha = LinesTagged(trace, "外力の計算_7:3");
    EXPECT_EQ(alpha.at(0).values, std::vector<std::string>{"90.0"});
    const calc::clsPressure& p = *d.r.objPressure(1);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", p.P());
    auto total = LinesTagged(trace, "外力の計算_7:29");
    EXPECT_EQ(total.at(0).values, std::vector<std::string>{buf});
    auto pv = LinesTagged(trace, "外力の計算_7:33");
    ASSERT_EQ(pv.at(0).values.size(), 4u);
    EXPECT_EQ(pv[0].values[0], buf);
    EXPECT_EQ(pv[0].values[2], "90.0");
    std::snprintf(buf, sizeof buf, "%.2f", p.Pv());
    EXPECT_EQ(pv[0].values[3], buf);
}

// Weightless backfill: the surcharge alone gives a rectangle in case Ⅰ, and case Ⅲ
// (no surcharge) has no pressure at all, so its part table is the header alone.
TEST(EarthPressureChapter, RectangleAndEmptyPartTables) {
    Design d;
    d.d.objInpZairyo.Gs = 0;
    d.d.objInpMorido.Q = 10;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteEarthPressureChapter, d));
    Seq s = introduction();
    s.Add(stabilityCase(true, true, 1, {25}));
    s.Add(stabilityCase(false, true, 1, {}));
    s.In(E8).FF().F(1).B(2).Add(caseHead(E8, true, 1)).B(2).Add(caseHead(E8, true, 1));
    EXPECT_EQ(Tags(rig.Trace()), s.Tags());
}

// With members checked in cases Ⅰ and Ⅱ the bearing check still takes the earth
// pressure of case Ⅲ: the stability set prints it, the wall-design set case Ⅰ alone.
TEST(EarthPressureChapter, CaseSelectionⅠⅡStillPrintsTheBearingCase) {
    Design d;
    d.d.objInpJyoken.Kento = 2;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteEarthPressureChapter, d));
    Seq s = introduction();
    s.Add(stabilityCase(true, true, 1, {26}));
    s.Add(stabilityCase(false, true, 1, {26}));
    s.In(E8).FF().F(1).B(2).Add(caseHead(E8, false, 1));
    auto trace = rig.Trace();
    EXPECT_EQ(Tags(trace), s.Tags());
    // The vertical component the bearing check uses is printed.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", d.r.objQmax->Pv);
    auto pv = LinesTagged(trace, "外力の計算_7:33");
    ASSERT_EQ(pv.size(), 2u);
    EXPECT_EQ(pv[1].values.at(3), buf);
}

TEST(EarthPressureChapter, GroundwaterSplitsTheLayers) {
    Design d;
    d.d.objInpJyoken.Kento = 2;
    d.d.objInpJyoken.HW = 1.0;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteEarthPressureChapter, d));
    auto trace = rig.Trace();
    // Two layers in case Ⅰ of both sets (case Ⅲ of the stability set follows with one);
    // the stability set's parts: triangle, then a trapezoid split into triangles below
    // the water.
    EXPECT_EQ(LinesTagged(trace, "外力の計算_7:14").size(), 3u);
    EXPECT_EQ(LinesTagged(trace, "外力の計算_8:14").size(), 2u);
    auto tops = LinesTagged(trace, "外力の計算_7:14");
    auto bottoms = LinesTagged(trace, "外力の計算_7:16");
    ASSERT_EQ(bottoms.size(), 3u);
    // The second layer starts where the first ends.
    EXPECT_EQ(tops[1].values.at(0), bottoms[0].values.at(0));
    EXPECT_EQ(tops[1].values.at(1), bottoms[0].values.at(1));
    EXPECT_EQ(tops[0].values.at(0), "2.300");
    EXPECT_EQ(bottoms[1].values.at(0), "0.000");
}

TEST(EarthPressureChapter, AMissingBlockFails) {
    Design d;
    d.Run();
    ChapterRig rig(MarkerTemplate({E8}));
    EXPECT_FALSE(rig.Run(WriteEarthPressureChapter, d));
    std::vector<std::string> tags = Tags(rig.Trace());
    ASSERT_FALSE(tags.empty());
    EXPECT_EQ(tags.back(), "外力の計算_7:33");
}

// One side of the water pressure; caseThree: the inner water of case Ⅲ, headed by
// lines 20 and 21.
Seq waterSide(const char* block, const std::vector<int>& parts, bool caseThree = false) {
    Seq s(block);
    s.FF().F(caseThree ? 20 : 1);
    for (int k = 2; k <= 7; ++k)
        s.B(1).F(caseThree && k == 2 ? 21 : k);
    s.B(2).FG(true).B(2).F(8, 12);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        s.F(parts[i]);
        if (i + 1 < parts.size()) s.F(16);
    }
    if (!parts.empty()) s.F(17, 19);
    return s;
}

TEST(WaterPressureChapter, OuterWaterWithoutPartsPrintsTheInnerWaterOnly) {
    Design d;  // no groundwater; members in cases Ⅰ and Ⅲ
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWaterPressureChapter, d));
    auto trace = rig.Trace();
    EXPECT_EQ(Tags(trace), waterSide(W3, {15}, true).Tags());
    // The internal water: a hydrostatic triangle of height HWi with γw·HWi at the slab
    // top, T3/2 above the design section.
    auto row = LinesTagged(trace, "たて壁の設計_3:15");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].values.at(0), "①");
    EXPECT_EQ(row[0].values.at(1), "2.000");
    EXPECT_EQ(row[0].values.at(2), "19.60");
    EXPECT_EQ(row[0].values.at(4), "0.150");
    const calc::clsPressure& inner = *d.r.wall.TateWaterInP(3);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", inner.M());
    auto total = LinesTagged(trace, "たて壁の設計_3:18");
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0].values.at(1), buf);
}

// The inner water is headed by the case that is designed: Ⅱ whenever Kento takes it.
TEST(WaterPressureChapter, InnerWaterOfTheDesignedCase) {
    for (std::int32_t kento : {1, 2, 3}) {
        Design d;
        d.d.objInpJyoken.Kento = kento;
        d.Run();
        ChapterRig rig;
        ASSERT_TRUE(rig.Run(WriteWaterPressureChapter, d));
        EXPECT_EQ(Tags(rig.Trace()), waterSide(W3, {15}, kento == 1).Tags()) << kento;
    }
}

TEST(WaterPressureChapter, GroundwaterAboveTheDesignSectionPrintsBothSides) {
    Design d;
    d.d.objInpJyoken.HW = 1.0;
    d.d.objInpJyoken.HWi = 0.0;  // an empty channel: the inner table has no rows
    d.d.objInpJyoken.T4 = 0.0;
    d.Run();
    ChapterRig rig;
    ASSERT_TRUE(rig.Run(WriteWaterPressureChapter, d));
    Seq s = waterSide(W2, {15});
    s.Add(waterSide(W3, {}, true));
    EXPECT_EQ(Tags(rig.Trace()), s.Tags());
}

TEST(WaterPressureChapter, FailsWithoutTheWallResultsOrABlock) {
    Design d;  // not calculated
    ChapterRig rig;
    EXPECT_FALSE(rig.Run(WriteWaterPressureChapter, d));
    EXPECT_TRUE(rig.Trace().empty());

    d.d.objInpJyoken.HW = 1.0;
    d.Run();
    ChapterRig noInner(MarkerTemplate({W3}));
    EXPECT_FALSE(noInner.Run(WriteWaterPressureChapter, d));
    EXPECT_EQ(Tags(noInner.Trace()), waterSide(W2, {15}).Tags());  // the outer side stays
}

}  // namespace
}  // namespace nuvra::report::test
