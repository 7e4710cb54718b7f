#include <gtest/gtest.h>

#include <cmath>

#include "figure_test_support.h"

namespace nuvra::figures::test {
namespace {

using Strings = std::vector<std::string>;

// A stress trace falling from 120 N/mm² at the design level to 0 at the wall top
// 2725 mm above it, with σsa = 176.
class SteelStressTest : public FigureTest {
  protected:
    void SetUp() override {
        design.objInpZairyo.Ssa = 176;
        for (int i = 0; i <= 20; ++i) {
            results.curtailment.DanHeight.set(i, 2725.0 * (20 - i) / 20);
            results.curtailment.DanSs.set(i, 6.0 * i);
        }
        results.curtailment.DanL1 = 900;
        results.curtailment.DanH2 = 290;
        results.curtailment.DanHcut = 900;
    }
    std::string build() { return MakeSteelStressFigure(inputs(), 150, 100); }
};

TEST_F(SteelStressTest, AxesTicksTextsCurveAndMarkers) {
    ASSERT_FALSE(build().empty()) << model.LastFigureError();
    // Stress axis 0 ... 180 in 9 steps of 20, height axis 0 ... 2800 in 14 of 200.
    const double hs = 125.0 / 180, hv = 75.0 / 2800;
    EXPECT_DOUBLE_EQ(model.Point(1).y, 75);
    EXPECT_DOUBLE_EQ(model.Point(3).x, 125);
    Strings expected;
    for (int v = 0; v <= 180; v += 20)
        expected.push_back(std::to_string(v));
    for (const char* t : {"応力度σs(N/mm2)", "1/2･σsa", "(88.0)", "σsa", "(176.0)"})
        expected.push_back(t);
    for (int z = 0; z <= 2800; z += 200)
        expected.push_back(std::to_string(z));
    expected.push_back("高さＨ(mm)");
    EXPECT_EQ(texts(), expected);

    const double h = model.TextHeight(2);
    const figures::FigText& axisName = model.Text(model.FigTextCount());
    EXPECT_EQ(axisName.dir, figures::kTextUpward);
    EXPECT_DOUBLE_EQ(axisName.x, -20 + h);
    EXPECT_DOUBLE_EQ(axisName.y, (75 - model.TextWidth(2, axisName.text)) / 2);
    const figures::FigText& sa = model.Text(textIndexes("σsa")[0]);
    EXPECT_DOUBLE_EQ(sa.x, hs * 176 - model.TextWidth(2, "σsa") / 2);
    EXPECT_DOUBLE_EQ(sa.y, -10);
    const figures::FigText& tick = model.Text(textIndexes("2800")[0]);
    EXPECT_DOUBLE_EQ(tick.x, -2 - model.TextWidth(2, "2800") - 1);
    EXPECT_DOUBLE_EQ(tick.y, hv * 2800 - h / 2);

    // 21 curve points with a circle each, 20 segments between them.
    ASSERT_EQ(model.FigCircleCount(), 21);
    for (int i = 1; i <= 21; ++i) {
        const figures::FigPoint c = model.Point(model.Circle(i).center);
        EXPECT_DOUBLE_EQ(c.x, hs * (6.0 * (i - 1)));
        EXPECT_DOUBLE_EQ(c.y, hv * (2725.0 * (21 - i) / 20));
        EXPECT_DOUBLE_EQ(model.Circle(i).radius, 0.5);
    }
    // Axes 2, ticks 10 + 15, curve 20 of style 1; markers 2 × 2 of style 4.
    EXPECT_EQ(linesOfStyle(1), 2 + 10 + 15 + 20);
    EXPECT_EQ(linesOfStyle(4), 4);
    const int n = model.FigPointCount();
    // σsa marker from the height axis at DanL1 across and down; then σsa/2 at DanH2.
    EXPECT_DOUBLE_EQ(model.Point(n - 5).y, hv * 900);
    EXPECT_DOUBLE_EQ(model.Point(n - 4).x, hs * 176);
    EXPECT_DOUBLE_EQ(model.Point(n - 3).y, 0);
    EXPECT_DOUBLE_EQ(model.Point(n - 2).y, hv * 290);
    EXPECT_DOUBLE_EQ(model.Point(n - 1).x, hs * 88);
}

TEST_F(SteelStressTest, AxesReachTheCutOffHeightAndTheAllowableStress) {
    results.curtailment.DanHcut = 3100;  // above the wall top
    design.objInpZairyo.Ssa = 300;
    ASSERT_FALSE(build().empty());
    // Heights 0 ... 3500 in steps of 500; stresses 0 ... 300 in steps of 20.
    EXPECT_EQ(textIndexes("3500").size(), 1u);
    EXPECT_EQ(textIndexes("300").size(), 1u);
    EXPECT_DOUBLE_EQ(model.Point(3).x, 125);
    const figures::FigText& sa = model.Text(textIndexes("σsa")[0]);
    EXPECT_DOUBLE_EQ(sa.x + model.TextWidth(2, "σsa") / 2, 125);  // at the axis end
}

TEST_F(SteelStressTest, NoRoomGivesNoFigure) {
    EXPECT_EQ(MakeSteelStressFigure(inputs(), 25, 100), "");
    EXPECT_EQ(MakeSteelStressFigure(inputs(), 150, 25), "");
}

}  // namespace
}  // namespace nuvra::figures::test
