#include <gtest/gtest.h>

#include "calc/common/bars.h"
#include "calc/common/geometry.h"

namespace nuvra::calc {
namespace {

TEST(PolygonCentroid, Cases) {
    struct {
        std::vector<double> x, y;
        double xg, yg;
    } cases[] = {
        {{0, 2, 2, 0}, {0, 0, 2, 2}, 1, 1},
        {{0, 2, 2, 0, 0}, {0, 0, 2, 2, 0}, 1, 1},        // vertex 1 repeated
        {{0, 0, 2, 2}, {0, 2, 2, 0}, 1, 1},              // clockwise
        {{0, 3, 0}, {0, 0, 3}, 1, 1},                    // triangle
        {{0, 1, 2}, {0, 1, 2}, 0, 0},                    // on a line
        {{1, 1.01, 1.01, 1}, {0, 0, 0.01, 0.01}, 0, 0},  // area below 0.001
        {{}, {}, 0, 0},
    };
    for (const auto& c : cases) {
        double xg = -1, yg = -1;
        PolygonCentroid(c.x, c.y, xg, yg);
        EXPECT_NEAR(xg, c.xg, 1e-12);
        EXPECT_NEAR(yg, c.yg, 1e-12);
    }
}

TEST(Bars, TableAndMisses) {
    EXPECT_EQ(BarArea(16), 198.6);
    EXPECT_EQ(BarPerimeter(16), 50);
    EXPECT_EQ(BarArea(6), 31.67);
    EXPECT_EQ(BarArea(51), 2027);
    EXPECT_EQ(BarPerimeter(51), 160);
    EXPECT_EQ(BarArea(20), 0);
    EXPECT_EQ(BarPerimeter(20), 0);
    EXPECT_EQ(BarArea(0), 0);
    EXPECT_EQ(BarArea(-16), 0);
}

}  // namespace
}  // namespace nuvra::calc
