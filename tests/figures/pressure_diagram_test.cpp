#include "figures/pressure_diagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/common/arith.h"
#include "figure_test_support.h"
#include "formats/format_error.h"

namespace nuvra::figures::test {
namespace {

using Strings = std::vector<std::string>;

calc::clsPressureLoad seg(double EU, double EL, double PU, double PL) {
    return calc::clsPressureLoad{EU, EL, EU - EL, PU, PL};
}

PressureTable table(std::vector<calc::clsPressureLoad> s, double ELGL, double ELDL = 0) {
    return PressureTable{std::move(s), ELGL, ELDL};
}

// hs = 2 mm per kN/m², vs = 20 mm per m: a 1 m segment is 20 mm high, twice the text
// height (2.54 mm) is 5.08 mm.
class PressureDiagramTest : public FigureTest {
  protected:
    void SetUp() override {
        model.Begin();
        h = model.TextHeight(2);
    }
    void draw(const PressureTable& t, bool mirrored = false) {
        WritePressureDiagram(model, t, 2, 20, mirrored);
    }
    int arrows(int dir) const {
        int n = 0;
        for (int i = 1; i <= model.FigArrowCount(); ++i)
            n += model.Arrow(i).dir == dir;
        return n;
    }
    double w(const std::string& text) const { return model.TextWidth(2, text); }
    double h = 0;
};

TEST_F(PressureDiagramTest, TriangleFromZeroAtTheTop) {
    draw(table({seg(2, 0, 0, 10)}, 2));
    // Texts: the first segment always gets its top value, then bottom value, the two
    // elevations and the lower triangle's label.
    EXPECT_EQ(texts(), (Strings{"0.00", "10.00", "+2.000", "+0.000", "①"}));
    EXPECT_EQ(model.FigArrowCount(), 1);  // at the bottom only
    EXPECT_EQ(model.Arrow(1).dir, figures::kArrowLeft);
    EXPECT_EQ(model.Point(model.Arrow(1).point).y, 0);
    EXPECT_EQ(linesOfStyle(4), 1);  // the diagonal
    EXPECT_EQ(linesOfStyle(3), 1);  // the axis
    // axis 2, segment 4, two ticks 4, ground 2, hatch 3 × 11 points.
    EXPECT_EQ(model.FigPointCount(), 2 + 4 + 4 + 2 + 33);

    const figures::FigText& top = model.Text(1);
    EXPECT_DOUBLE_EQ(top.x, 0 - w("0.00") - 1);
    EXPECT_DOUBLE_EQ(top.y, 40 - h);
    const figures::FigText& bottom = model.Text(2);  // a tall segment: right of the point
    EXPECT_DOUBLE_EQ(bottom.x, 20);
    EXPECT_DOUBLE_EQ(bottom.y, 0);
    // pmax = 10: the elevation column runs from xr = 30 to xe = 50.
    EXPECT_DOUBLE_EQ(model.Text(3).x, 50 - w("+2.000") - 1);
    EXPECT_DOUBLE_EQ(model.Text(4).x, 50 - w("+0.000") - 1);
    // The label on the centroid (10/3, 2/3) of the lower triangle.
    EXPECT_DOUBLE_EQ(model.Text(5).x, 2 * 10.0 / 3 - w("①") / 2);
    EXPECT_NEAR(model.Text(5).y, 20 * 2.0 / 3 - h / 2, 1e-12);
}

TEST_F(PressureDiagramTest, UniformSegmentIsOneRectangle) {
    draw(table({seg(2, 0, 5, 5)}, 2));
    EXPECT_EQ(texts(), (Strings{"5.00", "5.00", "+2.000", "+0.000", "①"}));
    EXPECT_EQ(linesOfStyle(4), 0);
    EXPECT_EQ(model.FigArrowCount(), 2);
    EXPECT_DOUBLE_EQ(model.Text(5).x, 2 * 2.5 - w("①") / 2);
    EXPECT_DOUBLE_EQ(model.Text(5).y, 20 * 1.0 - h / 2);
}

// Four segments: a triangle; a short one continuing it; a small uniform pressure;
// nothing at all.
const PressureTable kSteps =
    table({seg(3, 2, 0, 4), seg(2, 1.9, 4.005, 5), seg(1.9, 1, 0.05, 0.05), seg(1, 0, 0, 0)}, 3);

TEST_F(PressureDiagramTest, ValuesArrowsTicksAndLabelsBySegment) {
    draw(kSteps);
    EXPECT_EQ(texts(), (Strings{"0.00", "4.00", "+3.000", "①",          // triangle
                                "5.00", "+2.000", "②", "③",             // top value as above
                                "0.05", "0.05", "+1.900", "④",          // uniform
                                "0.00", "0.00", "+1.000", "+0.000"}));  // zero: no label
    // Arrows: bottom of 1; top (4.005 > 0.09) and bottom of 2; bottom only of 3
    // (0.05 is no top arrow); none on the zero segment.
    EXPECT_EQ(model.FigArrowCount(), 4);
    EXPECT_EQ(linesOfStyle(4), 2);  // diagonals of the first two
    // The short segment (2 mm < 2h) writes its bottom value left of its point.
    const int bottom2 = textIndexes("5.00")[0];
    EXPECT_DOUBLE_EQ(model.Text(bottom2).x, 2 * 5 - w("5.00") - 1);
    EXPECT_DOUBLE_EQ(model.Text(bottom2).y, 20 * 1.9);
    // The elevation under it moves to the column's start: pmax = 5 (EU of the first
    // segment is 3), xr = 20, xe = 40.
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+2.000")[0]).x, 40 - w("+2.000") - 1);
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+1.900")[0]).x, 20 + 1);
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+1.000")[0]).x, 40 - w("+1.000") - 1);
    // The ground line at ELGL out to xe, hatched from xr / 2.
    EXPECT_EQ(linesOfStyle(1), 4 * 3 + 4 + 1 + 1 + 18);
}

TEST_F(PressureDiagramTest, MirroredDiagramNegatesEveryX) {
    draw(kSteps);
    std::vector<figures::FigPoint> right;
    for (int i = 1; i <= model.FigPointCount(); ++i)
        right.push_back(model.Point(i));
    std::vector<std::pair<double, double>> rightLabels;
    for (const char* l : {"①", "②", "③", "④"}) {
        const figures::FigText& t = model.Text(textIndexes(l)[0]);
        rightLabels.push_back({t.x + w(l) / 2, t.y});
    }
    const int rightLines = model.FigLineCount();

    draw(kSteps, true);
    ASSERT_EQ(model.FigPointCount(), static_cast<int>(right.size()) - 33);  // no hatch
    EXPECT_EQ(model.FigLineCount(), rightLines - 18);
    for (int i = 1; i <= model.FigPointCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(model.Point(i).x, -right[static_cast<std::size_t>(i - 1)].x);
        EXPECT_DOUBLE_EQ(model.Point(i).y, right[static_cast<std::size_t>(i - 1)].y);
    }
    EXPECT_EQ(arrows(figures::kArrowRight), 4);
    EXPECT_EQ(arrows(figures::kArrowLeft), 0);
    int k = 0;
    for (const char* l : {"①", "②", "③", "④"}) {
        const figures::FigText& t = model.Text(textIndexes(l)[0]);
        EXPECT_NEAR(t.x + w(l) / 2, -rightLabels[static_cast<std::size_t>(k)].first, 1e-9);
        EXPECT_NEAR(t.y, rightLabels[static_cast<std::size_t>(k)].second, 1e-9);
        ++k;
    }
    // Texts start at the pressure point on the far side: the top value of the first
    // segment at the axis, the elevations inside the column (xe = −40).
    EXPECT_DOUBLE_EQ(model.Text(1).x, 0);
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+3.000")[0]).x, -40 + 1);
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+1.900")[0]).x, -20 - w("+1.900") - 1);
    EXPECT_DOUBLE_EQ(model.Text(textIndexes("+0.000")[0]).x, -40 + 1);
}

TEST(PressurePartCentroid, RectanglesAndTriangles) {
    struct Case {
        int shape;
        double EU, EL, PU, PL, x, y;
    };
    const Case cases[] = {
        {0, 2, 0, 6, 6, 3, 1},                 // rectangle
        {0, 1, 0, 2, 4, 28.0 / 18, 8.0 / 18},  // trapezoid taken whole
        {1, 3, 0, 6, 9, 2, 2},                 // upper triangle
        {2, 3, 0, 6, 9, 5, 1},                 // lower triangle
        {1, 3, 0, -6, -9, -2, 2},              // mirrored
        {2, 2.5, 1.0, 0, 12, 4, 1.5},          // from zero at the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << " PU " << c.PU);
        Centroid g = PressurePartCentroid(c.shape, c.EU, c.EL, c.PU, c.PL);
        EXPECT_NEAR(g.x, c.x, 1e-12);
        EXPECT_NEAR(g.y, c.y, 1e-12);
    }
    EXPECT_THROW(PressurePartCentroid(3, 1, 0, 1, 1), formats::FormatError);
}

TEST(PressureScales, ScalesAndTheirFaults) {
    // The earth-pressure panel leaves 130 − 45 − 30 = 55 mm for pmax = 55.
    DiagramScales sc = PressureScales(table({seg(2.5, 0, 20, 55)}, 2.75), 45, 130, 60);
    EXPECT_DOUBLE_EQ(sc.hs, 1);
    EXPECT_DOUBLE_EQ(sc.vs, 55 / 2.75);
    // pmax starts at the first segment's top elevation, not at its pressure.
    EXPECT_DOUBLE_EQ(PressureMax(table({seg(3, 0, 0, 2)}, 3)), 3);
    EXPECT_DOUBLE_EQ(PressureMax(table({seg(3, 1, 0, 2), seg(1, 0, 2, 7.5)}, 3)), 7.5);
    EXPECT_THROW(PressureScales(table({seg(0, -1, 0, 0)}, 0), 25, 110, 60),
                 calc::ArithmeticFault);  // pmax = 0
    EXPECT_THROW(PressureScales(table({seg(2, 1, 0, 5)}, 1), 25, 110, 60),
                 calc::ArithmeticFault);  // no vertical range
    EXPECT_THROW(PressureScales(table({seg(2, 0, 0, 5)}, 2), 25, 40, 60),
                 formats::FormatError);  // no room across
}

TEST_F(PressureDiagramTest, AtMostTwentySegmentsAndTwentyLabels) {
    calc::colPressureLoad q;
    for (int i = 0; i < 20; ++i)
        q.Add(20 - i, 1, 1, 1);
    EXPECT_EQ(MakePressureTable(q, 20, 0).segments.size(), 20u);
    q.Add(0, 1, 1, 1);
    EXPECT_THROW(MakePressureTable(q, 20, 0), formats::FormatError);
    EXPECT_THROW(MakePressureTable(calc::colPressureLoad{}, 1, 0), formats::FormatError);

    // Ten triangles of two parts each fill the labels; an eleventh is one too many.
    std::vector<calc::clsPressureLoad> parts;
    for (int i = 0; i < 10; ++i)
        parts.push_back(seg(11 - i, 10 - i, 1, 2));
    EXPECT_NO_THROW(draw(table(parts, 11)));
    EXPECT_EQ(labels().back(), "⑳");
    parts.push_back(seg(1, 0, 1, 2));
    EXPECT_THROW(draw(table(parts, 11)), formats::FormatError);
}

TEST_F(PressureDiagramTest, ElevationPanel) {
    WriteElevationPanel(model, table({seg(2.95, 0.225, 0, 10)}, 2.95, 0.225), 45, 20);
    EXPECT_EQ(texts(), (Strings{"+2.95", "+0.23"}));
    EXPECT_DOUBLE_EQ(model.Text(1).x, -10 - w("+2.95"));
    EXPECT_DOUBLE_EQ(model.Text(1).y, 20 * 2.95);
    EXPECT_DOUBLE_EQ(model.Text(2).y, 20 * 0.225);
    EXPECT_EQ(model.FigPointCount(), 11 + 33);
    EXPECT_EQ(linesOfStyle(3), 3);
    EXPECT_EQ(linesOfStyle(1), 3 + 18);
    // The hatch stands on the design level from −a + DimOffset1.
    EXPECT_DOUBLE_EQ(model.Point(12).x, -35);
    EXPECT_DOUBLE_EQ(model.Point(12).y, 20 * 0.225);
    // The ground level line stops short of the axis by the text gap.
    EXPECT_DOUBLE_EQ(model.Point(11).x, -1);
    EXPECT_EQ(model.SubFigureCount(), 1);
}

// The builders on hand-made results: which distribution each draws, and how the
// sub-figures are placed on the page area.
class PressureFigureTest : public FigureTest {
  protected:
    void SetUp() override {
        auto spa = std::make_unique<calc::clsSpa>();
        spa->ELGL = 2.95;
        spa->ELDL = 0;
        results.objSpa(1) = std::move(spa);
        auto p = std::make_unique<calc::clsPressure>();
        p->WU = 2.95;
        p->WL = 0;
        p->Qdi().Add(2.95, 1.75, 2, 10);
        p->Qdi().Add(1.2, 1.2, 10, 13);
        p->Calc();
        results.objPressure(1) = std::move(p);
    }
};

TEST_F(PressureFigureTest, EarthPressureBesideItsElevationPanel) {
    const std::string layout = MakeEarthPressureFigure(inputs(), 1, 130, 60);
    ASSERT_FALSE(layout.empty()) << model.LastFigureError();
    ASSERT_EQ(model.SubFigureCount(), 2);
    const figures::SubFigure& panel = model.SubFig(1);
    const figures::SubFigure& diagram = model.SubFig(2);
    // The panel starts at the area's left edge with its top at the area's top; the
    // diagram's axis meets the panel's axis, on the same elevation origin.
    EXPECT_DOUBLE_EQ(panel.offsetX, -panel.extents.minX);
    EXPECT_DOUBLE_EQ(panel.offsetY, 60 - panel.extents.height - panel.extents.minY);
    EXPECT_DOUBLE_EQ(diagram.offsetX, panel.extents.width);
    EXPECT_DOUBLE_EQ(diagram.offsetY, panel.offsetY);
    EXPECT_EQ(labels(), (Strings{"①", "②", "③", "④"}));
    // Another case has not been calculated here.
    EXPECT_EQ(MakeEarthPressureFigure(inputs(), 2, 130, 60), "");
    EXPECT_EQ(MakeEarthPressureFigure(inputs(), 0, 130, 60), "");
}

TEST_F(PressureFigureTest, WallAndWaterFiguresNeedTheirDistributions) {
    EXPECT_EQ(MakeWallPressureFigure(inputs(), 1, 110, 60), "");
    EXPECT_NE(model.LastFigureError().find("objSpaWall"), std::string::npos);
    EXPECT_EQ(MakeWaterPressureFigure(inputs(), 0, 1, 110, 60), "");
    EXPECT_NE(model.LastFigureError().find("TateRwpOut"), std::string::npos);

    results.objSpaWall(1) = std::make_unique<calc::clsSpa>();
    results.objSpaWall(1)->ELGL = 2.95;
    results.objSpaWall(1)->ELDL = 0.225;
    auto earth = std::make_unique<calc::clsPressure>();
    earth->WU = 2.95;
    earth->WL = 0.225;
    earth->Qdi().Add(2.95, 2.725, 2, 14);
    earth->Calc();
    results.wall.TateEarthP(1) = std::move(earth);
    ASSERT_FALSE(MakeWallPressureFigure(inputs(), 1, 110, 60).empty());
    EXPECT_EQ(model.SubFigureCount(), 1);
    EXPECT_DOUBLE_EQ(model.SubFig(1).offsetX, -model.SubFig(1).extents.minX);

    results.wall.TateRwpOut = std::make_unique<calc::CRwp>();
    results.wall.TateRwpOut->ELGL = 2.95;
    results.wall.TateRwpOut->ELDL = 0.225;
    auto inner = std::make_unique<calc::clsPressure>();
    inner->WU = 2.95;
    inner->WL = 0.225;
    inner->Qdi().Add(2.95, 0.2, 0, 0);
    inner->Qdi().Add(2.75, 2.525, 0, 24.75);
    inner->Calc();
    results.wall.TateWaterInP(2) = std::move(inner);
    EXPECT_EQ(MakeWaterPressureFigure(inputs(), 0, 2, 110, 60), "");  // no outer water
    EXPECT_EQ(MakeWaterPressureFigure(inputs(), 2, 2, 110, 60), "");  // no such side
    ASSERT_FALSE(MakeWaterPressureFigure(inputs(), 1, 2, 110, 60).empty());
    // Mirrored: the inner water lies left of the axis, and the page area still starts
    // at the drawing's left edge.
    EXPECT_LT(model.SubFig(1).extents.minX, -20);
    EXPECT_DOUBLE_EQ(model.SubFig(1).offsetX, -model.SubFig(1).extents.minX);
    // Its arrows point right, towards the axis.
    int right = 0;
    for (int i = 1; i <= model.FigArrowCount(); ++i)
        right += model.Arrow(i).dir == figures::kArrowRight;
    EXPECT_EQ(right, model.FigArrowCount());
    EXPECT_GT(right, 0);
}

}  // namespace
}  // namespace nuvra::figures::test
