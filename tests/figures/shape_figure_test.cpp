#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "calc/common/rounding.h"
#include "figure_test_support.h"
#include "figures/figure_text.h"
#include "formats/format_error.h"

namespace nuvra::figures::test {
namespace {

using Strings = std::vector<std::string>;

class ShapeFigureTest : public FigureTest {
  protected:
    void SetUp() override {
        CInpJyoken& j = design.objInpJyoken;
        j.H = 1.5;
        j.B = 2.0;
        j.T1 = j.T2 = 0.2;
        j.T3 = 0.25;
        j.T4 = 0.15;
        j.TB = 0;
        j.HW = 0;
        design.objInpMorido.Morido = 1;
        design.objInpMorido.x = 0.5;
    }
    std::string build() { return MakeShapeFigure(inputs(), 150, 120); }
    figures::FigPoint P(int i) const { return model.Point(i); }
};

TEST_F(ShapeFigureTest, ScaleAndOutlineOfTheWorkedSection) {
    ASSERT_FALSE(build().empty()) << model.LastFigureError();
    // W = 2.4, E = max(1.8, 1.825), V = 1.75: s = min(150 / 3.65, 90 / 1.75).
    const double s = P(14).x / 1.2;
    EXPECT_DOUBLE_EQ(calc::RoundDecimal(s, 1), 41.1);
    EXPECT_NEAR(s, 150 / 3.65, 1e-12);
    // The closed outline comes first: 14 segments of style 2, also where TB = 0 makes
    // P2 = P3 and P12 = P13.
    for (int i = 1; i <= 14; ++i) {
        EXPECT_EQ(model.Line(i).from, i);
        EXPECT_EQ(model.Line(i).to, i == 14 ? 1 : i + 1);
        EXPECT_EQ(model.Line(i).style, 2);
    }
    EXPECT_EQ(linesOfStyle(2), 14);
    EXPECT_DOUBLE_EQ(P(2).x, P(3).x);
    EXPECT_DOUBLE_EQ(P(12).x, P(13).x);
    EXPECT_DOUBLE_EQ(P(11).x, (1.0 + 0.2) * s);
    EXPECT_DOUBLE_EQ(P(4).y, 1.75 * s);
}

// The dimension texts in the order the figure adds them, by the shape inputs.
TEST_F(ShapeFigureTest, DimensionTextsFollowTheInputs) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> change;
        Strings texts;
    };
    const Strings main = {"1500", "200", "200", "200", "2000", "200", "2400", "250", "150", "150"};
    auto with = [](Strings head, const Strings& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const Case cases[] = {
        {"surcharge at x = 0.5", [](DesignData&) {}, with({"500"}, main)},
        {"surcharge at the wall", [](DesignData& d) { d.objInpMorido.x = 0; }, main},
        {"footings",
         [](DesignData& d) { d.objInpJyoken.TB = 0.3; },
         {"500", "1500", "200", "200", "300", "300", "200", "2000", "200", "3000", "250", "150",
          "150"}},
        {"no haunch",
         [](DesignData& d) { d.objInpJyoken.T4 = 0; },
         {"500", "1500", "200", "200", "200", "2000", "200", "2400", "250"}},
        {"groundwater", [](DesignData& d) { d.objInpJyoken.HW = 0.5; },
         with(with({"500"}, main), {"500"})},
        {"H rounded to mm",
         [](DesignData& d) { d.objInpJyoken.H = 1.2346; },
         {"500", "1235", "200", "200", "200", "2000", "200", "2400", "250", "150", "150"}},
        {"embankment without X1",
         [](DesignData& d) {
             d.objInpMorido = CInpMorido{};
             d.objInpMorido.Morido = 2;
             d.objInpMorido.X2 = 1.0;
             d.objInpMorido.Ho = 0.5;
         },
         with({"1000", "500"}, main)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.change(design);
        ASSERT_FALSE(build().empty()) << model.LastFigureError();
        EXPECT_EQ(texts(), c.texts);
    }
}

TEST_F(ShapeFigureTest, WaterLineStartsAtTheWallFootOnlyAboveTheSlab) {
    for (double HW : {0.1, 0.25, 0.5}) {
        SCOPED_TRACE(HW);
        design.objInpJyoken.HW = HW;
        ASSERT_FALSE(build().empty());
        const double s = P(14).x / 1.2;
        const double E = 1.825;
        int found = 0;
        for (int i = 1; i <= model.FigLineCount(); ++i) {
            const figures::FigPoint a = P(model.Line(i).from), b = P(model.Line(i).to);
            if (std::fabs(a.y - HW * s) < 1e-9 && std::fabs(b.y - HW * s) < 1e-9 &&
                std::fabs(b.x - E * s) < 1e-9) {
                ++found;
                // HW = T3 still counts as at the slab's top: the line starts at its edge.
                EXPECT_DOUBLE_EQ(a.x, HW > 0.25 ? P(12).x : P(14).x);
            }
        }
        EXPECT_EQ(found, 1);
    }
}

TEST_F(ShapeFigureTest, LoadArrowsStartAtTheWallTopWithoutSurchargeOffset) {
    design.objInpMorido.x = 0;
    ASSERT_FALSE(build().empty());
    // Without an x dimension the first arrows are the loads on the right side.
    const figures::FigArrow& first = model.Arrow(1);
    EXPECT_EQ(first.dir, figures::kArrowDown);
    EXPECT_DOUBLE_EQ(P(first.point).x, P(11).x);
    EXPECT_DOUBLE_EQ(P(first.point).y, P(11).y);
    // Arrows every 2 mm on the ground out to the drawing's half-width E = 0.75 W,
    // none at its end; the left side mirrors them.
    const double s = P(14).x / 1.2, end = 1.8 * s;
    int right = 0, left = 0;
    for (int i = 1; i <= model.FigArrowCount(); ++i) {
        const figures::FigArrow& a = model.Arrow(i);
        if (a.dir != figures::kArrowDown || P(a.point).y != P(11).y) continue;
        const double x = P(a.point).x;
        EXPECT_LT(std::fabs(x), end);
        (x > 0 ? right : left) += 1;
    }
    EXPECT_EQ(right, static_cast<int>(std::ceil((end - P(11).x) / 2)));
    EXPECT_EQ(left, right);
}

TEST_F(ShapeFigureTest, FailuresGiveNoFigure) {
    CInpJyoken& j = design.objInpJyoken;
    j.B = j.T1 = j.T2 = j.TB = 0;  // no width: the scale divides by zero
    design.objInpMorido.x = 0;
    EXPECT_EQ(build(), "");
    EXPECT_FALSE(model.LastFigureError().empty());

    SetUp();
    EXPECT_EQ(MakeShapeFigure(inputs(), 150, 20), "");  // no room above 30 mm of margin

    SetUp();
    figures::FigureModel noStyles{dir.path(), dir.path()};
    EXPECT_EQ(MakeShapeFigure(FigureInputs{noStyles, design, results}, 150, 120), "");
    EXPECT_NE(noStyles.LastFigureError().find("LINE_PRN.DEF"), std::string::npos);
}

TEST(FigureText, MillimetresAndLabels) {
    EXPECT_EQ(MillimetreText(1.2346), "1235");
    EXPECT_EQ(MillimetreText(0.0004), "0");
    EXPECT_EQ(MillimetreText(2.4), "2400");
    EXPECT_EQ(CircledNumber(1), "①");
    EXPECT_EQ(CircledNumber(10), "⑩");
    EXPECT_EQ(CircledNumber(20), "⑳");
    EXPECT_THROW(CircledNumber(21), formats::FormatError);
    EXPECT_THROW(CircledNumber(0), formats::FormatError);
}

}  // namespace
}  // namespace nuvra::figures::test
