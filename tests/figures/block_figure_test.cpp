#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "figure_test_support.h"

namespace nuvra::figures::test {
namespace {

using Strings = std::vector<std::string>;

class BlockFigureTest : public FigureTest {
  protected:
    void SetUp() override {
        CInpJyoken& j = design.objInpJyoken;
        j.H = 1.5;
        j.B = 2.0;
        j.T1 = 0.2;
        j.T2 = 0.3;
        j.T3 = 0.25;
        j.T4 = 0.15;
        j.TB = 0.3;
        j.HW = 0.8;
        j.HWi = 1.0;
    }
    std::string build(int caseNo) { return MakeBlockFigure(inputs(), caseNo, 150, 120); }
    // Centre of text i as placed: (x + w/2, y + w/2).
    std::pair<double, double> centre(int i) const {
        const figures::FigText& t = model.Text(i);
        const double w = model.TextWidth(t.style, t.text);
        return {t.x + w / 2, t.y + w / 2};
    }
};

TEST_F(BlockFigureTest, LabelSequencesFollowTheWeightItems) {
    struct Case {
        const char* what;
        int caseNo;
        double T1, T4, TB, HW;
        Strings labels;
    };
    const Case cases[] = {
        {"plain walls, no haunch, no footing", 1, 0.3, 0, 0, 0, {"①", "①", "②"}},
        {"internal water with haunches, taper and footings",
         2,
         0.2,
         0.15,
         0.3,
         0.8,
         {"①", "①", "②", "②", "③", "③", "④", "⑤", "⑥", "⑥", "⑦", "⑦", "⑧", "⑧"}},
        {"bearing case as case 2",
         3,
         0.2,
         0.15,
         0.3,
         0.8,
         {"①", "①", "②", "②", "③", "③", "④", "⑤", "⑥", "⑥", "⑦", "⑦", "⑧", "⑧"}},
        {"internal water without footings",
         2,
         0.3,
         0.15,
         0,
         0.8,
         {"①", "①", "②", "②", "③", "④", "⑤", "⑤"}},
        {"groundwater at the slab top: dry backfill only",
         1,
         0.2,
         0.15,
         0.3,
         0.2,
         {"①", "①", "②", "②", "③", "③", "④", "⑤", "⑤", "⑥", "⑥"}},
        {"groundwater above the walls: wet backfill only",
         1,
         0.2,
         0.15,
         0.3,
         2.0,
         {"①", "①", "②", "②", "③", "③", "④", "⑤", "⑤", "⑥", "⑥"}},
        {"groundwater across the backfill",
         1,
         0.2,
         0.15,
         0.3,
         0.8,
         {"①", "①", "②", "②", "③", "③", "④", "⑤", "⑤", "⑥", "⑥", "⑦", "⑦", "⑧", "⑧"}},
        {"no taper: no taper blocks, neither wall nor backfill",
         1,
         0.3,
         0,
         0.3,
         0.8,
         {"①", "①", "②", "③", "③", "④", "④"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        CInpJyoken& j = design.objInpJyoken;
        j.T1 = c.T1;
        j.T4 = c.T4;
        j.TB = c.TB;
        j.HW = c.HW;
        ASSERT_FALSE(build(c.caseNo).empty()) << model.LastFigureError();
        EXPECT_EQ(labels(), c.labels);
    }
}

// With the groundwater across the backfill (HW = 0.8): hd = 0.95, hs = 0.55,
// wd = 0.063, ws = 0.037. The dry block stands above the water level, the wet one on
// the footing below it.
TEST_F(BlockFigureTest, BackfillBlocksSplitAtTheWaterLevel) {
    ASSERT_FALSE(build(1).empty());
    const double s = model.Point(14).x / 1.6;  // W = 3.2
    const double yw = (1.75 - 0.95) * s;
    const std::vector<int> dry = textIndexes("⑤"), wet = textIndexes("⑦");
    ASSERT_EQ(dry.size(), 2u);
    ASSERT_EQ(wet.size(), 2u);
    // The dry block runs from the footing's end to the wall face at the water level.
    EXPECT_NEAR(centre(dry[0]).first, (-1.6 + (-1.2 - 0.063)) / 2 * s, 1e-9);
    EXPECT_NEAR(centre(dry[0]).second, (yw + 1.75 * s) / 2, 1e-9);
    // The wet block is the footing's width TB from the slab top to the water level.
    EXPECT_NEAR(centre(wet[0]).first, -1.45 * s, 1e-9);
    EXPECT_NEAR(centre(wet[0]).second, (0.25 * s + yw) / 2, 1e-9);
    EXPECT_NEAR(centre(wet[1]).first, 1.45 * s, 1e-9);
}

TEST_F(BlockFigureTest, LabelsOfBothSidesMirrorEachOtherAndSitOnCentroids) {
    ASSERT_FALSE(build(2).empty());
    const double s = model.Point(14).x / 1.6;
    const std::vector<int> slab = textIndexes("④");
    ASSERT_EQ(slab.size(), 1u);
    EXPECT_NEAR(centre(slab[0]).first, 0, 1e-9);
    EXPECT_NEAR(centre(slab[0]).second, 0.125 * s, 1e-9);
    for (const char* label : {"①", "②", "③", "⑥", "⑦", "⑧"}) {
        SCOPED_TRACE(label);
        const std::vector<int> both = textIndexes(label);
        ASSERT_EQ(both.size(), 2u);
        EXPECT_NEAR(centre(both[0]).first, -centre(both[1]).first, 1e-9);
        EXPECT_NEAR(centre(both[0]).second, centre(both[1]).second, 1e-9);
        EXPECT_LT(centre(both[0]).first, 0);  // left first
    }
    // The haunch and the water it displaces share their triangles.
    EXPECT_EQ(centre(textIndexes("③")[0]), centre(textIndexes("⑥")[0]));
    // The wall block: centroid of the rectangle between the inner face and x of P4.
    const double xWall = -(1.0 + 0.2 / 2) * s;
    EXPECT_NEAR(centre(textIndexes("①")[0]).first, xWall, 1e-9);
    EXPECT_NEAR(centre(textIndexes("①")[0]).second, (0.25 + 0.75) * s, 1e-9);
}

TEST_F(BlockFigureTest, DivisionLinesAndWaterByCase) {
    // Case 1: six division lines, three dashed backfill lines per side; the
    // groundwater with its HW dimension.
    ASSERT_FALSE(build(1).empty());
    EXPECT_EQ(linesOfStyle(2), 14);
    EXPECT_EQ(linesOfStyle(4), 6 + 2 * 3);
    EXPECT_EQ(textIndexes("800").size(), 1u);
    // Case 2 adds the internal water line, and no groundwater.
    ASSERT_FALSE(build(2).empty());
    EXPECT_EQ(linesOfStyle(4), 6 + 1 + 2 * 3);
    EXPECT_TRUE(textIndexes("800").empty());
    // Without footings the backfill has no dashed lines.
    design.objInpJyoken.TB = 0;
    ASSERT_FALSE(build(1).empty());
    EXPECT_EQ(linesOfStyle(4), 6);
}

TEST_F(BlockFigureTest, FailuresGiveNoFigure) {
    EXPECT_EQ(build(0), "");
    EXPECT_EQ(build(4), "");
    design.objInpJyoken.H = 0;  // the taper widths of case 1 divide by H
    EXPECT_EQ(build(1), "");
    EXPECT_FALSE(model.LastFigureError().empty());
}

}  // namespace
}  // namespace nuvra::figures::test
