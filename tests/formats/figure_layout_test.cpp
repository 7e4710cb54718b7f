#include "formats/figure_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "sample_files.h"
#include "test_util.h"

namespace nuvra::formats {
namespace {

using render::test::fileBytes;

TEST(FigureLayoutReader, ReadsAreaAndFigures) {
    formats::FigureLayout l;
    std::string error;
    ASSERT_TRUE(formats::parseFigureLayout(
        fileBytes("荷重分布図\n 130           60 \n/tmp/~MT1.tmp\n 2             8.75 \n"
                  "rel.fig\n-.5           1E-05 \nEND\n"),
        "/base", l, error))
        << error;
    EXPECT_EQ(l.title, "荷重分布図");
    EXPECT_DOUBLE_EQ(l.width, 130);
    EXPECT_DOUBLE_EQ(l.height, 60);
    ASSERT_EQ(l.figures.size(), 2u);
    EXPECT_EQ(l.figures[0].path, "/tmp/~MT1.tmp");
    EXPECT_DOUBLE_EQ(l.figures[0].offsetY, 8.75);
    EXPECT_EQ(l.figures[1].path, "/base/rel.fig");
    EXPECT_DOUBLE_EQ(l.figures[1].offsetX, -0.5);
    EXPECT_DOUBLE_EQ(l.figures[1].offsetY, 1e-5);
}

TEST(FigureLayoutReader, MalformedLayoutsAreRefused) {
    const std::pair<std::string, std::string> cases[] = {
        {"t\n", "途中"},
        {"t\n 150 \nEND\n", "2 行目"},
        {"t\n 0   120 \nEND\n", "2 行目"},
        {"t\n 150   x \nEND\n", "2 行目"},
        {"t\n 150   120 \na.fig\n", "位置"},
        {"t\n 150   120 \na.fig\n 1 \nEND\n", "4 行目"},
        {"t\n 150   120 \na.fig\n 1   2 \n", "END"},
        {"t\n 150   120 \n\n 1   2 \nEND\n", "名前"},
    };
    for (const auto& [text, needle] : cases) {
        formats::FigureLayout l;
        std::string error;
        EXPECT_FALSE(formats::parseFigureLayout(fileBytes(text), "/b", l, error)) << text;
        EXPECT_NE(error.find(needle), std::string::npos) << error;
    }
}

TEST(FigureLayoutReader, ResolvesPathsWrittenWithBackslashes) {
    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("a.fig"), "x");
    EXPECT_EQ(formats::resolveFilePath("a.fig", dir.path()), dir.file("a.fig"));
    EXPECT_EQ(formats::resolveFilePath(dir.path() + "\\a.fig", ""), dir.file("a.fig"));
    EXPECT_EQ(formats::resolveFilePath("/abs/x.fig", dir.path()), "/abs/x.fig");
    EXPECT_EQ(formats::folderOf("/a/b/c.lay"), "/a/b");
    EXPECT_EQ(formats::folderOf("c.lay"), ".");
}

TEST(FigureLayoutReader, ReadsTheSampleLayouts) {
    nuvra::test::TempDir dir;
    render::test::writeSampleFiles(dir.path());
    formats::FigureLayout l;
    std::string error;
    ASSERT_TRUE(formats::readFigureLayout(dir.file("pressure.lay"), l, error)) << error;
    ASSERT_EQ(l.figures.size(), 2u);
    EXPECT_EQ(l.figures[1].path, dir.file("diagram.fig"));
    EXPECT_FALSE(formats::readFigureLayout(dir.file("nothing.lay"), l, error));
    EXPECT_NE(error.find("nothing.lay"), std::string::npos);
}

}  // namespace
}  // namespace nuvra::formats

namespace nuvra::formats {
namespace {

formats::FigureLayout area(double w, double h,
                           std::initializer_list<std::pair<double, double>> offsets) {
    formats::FigureLayout l;
    l.width = w;
    l.height = h;
    for (auto [x, y] : offsets)
        l.figures.push_back(formats::SubFigureRef{"f", x, y});
    return l;
}

// Where an area coordinate lands after the fit.
double onX(const formats::AreaFit& f, double a) {
    return a * f.scale + f.shiftX;
}
double onY(const formats::AreaFit& f, double a) {
    return a * f.scale + f.shiftY;
}

TEST(FigureAreaFit, AFigureThatFitsIsDrawnAsPlaced) {
    const std::pair<formats::FigureLayout, std::vector<std::optional<formats::DrawingExtent>>>
        cases[] = {
            {area(150, 120, {{75, 23.5}}), {formats::DrawingExtent{-75, -23.5, 75, 73.54}}},
            // half a millimetre of overdraw is left alone
            {area(150, 120, {{75, 0}}), {formats::DrawingExtent{-75, -0.4, 75.4, 120.5}}},
            {area(150, 120, {{0, 0}}), {std::nullopt}},  // nothing drawable
            {area(130, 60, {{45, 5}, {45, 5}}),
             {formats::DrawingExtent{-45, -5, 0, 55}, formats::DrawingExtent{0, -5, 85, 55}}},
        };
    for (const auto& [layout, drawings] : cases) {
        formats::AreaFit f = formats::fitIntoArea(layout, drawings);
        EXPECT_DOUBLE_EQ(f.scale, 1.0);
        EXPECT_DOUBLE_EQ(f.shiftX, 0.0);
        EXPECT_DOUBLE_EQ(f.shiftY, 0.0);
    }
}

TEST(FigureAreaFit, AFigureRunningPastItsAreaIsShrunkIntoIt) {
    struct Case {
        formats::FigureLayout layout;
        std::vector<std::optional<formats::DrawingExtent>> drawings;
        double scale;
    };
    const Case cases[] = {
        // a section figure 124.54 mm tall, centred on a 120 mm area
        {area(150, 120, {{75, 21.23}}),
         {formats::DrawingExtent{-75, -23.5, 75, 101.04}},
         120 / 124.54},
        // too wide and placed against the left edge
        {area(100, 60, {{0, 0}}), {formats::DrawingExtent{-10, 0, 190, 50}}, 0.5},
        // the right size, but moved past the top: shifted down only
        {area(100, 60, {{0, 10}}), {formats::DrawingExtent{0, 0, 100, 60}}, 1.0},
        // two figures side by side, the second one overflowing; an unreadable one ignored
        {area(130, 60, {{45, 0}, {45, 0}, {0, 0}}),
         {formats::DrawingExtent{-45, 0, 0, 60}, formats::DrawingExtent{0, 0, 110, 60},
          std::nullopt},
         130.0 / 155.0},
    };
    for (const Case& c : cases) {
        formats::AreaFit f = formats::fitIntoArea(c.layout, c.drawings);
        EXPECT_NEAR(f.scale, c.scale, 1e-12);
        // Every drawn corner lands inside the area, and an axis that was too long
        // now fills it.
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (std::size_t i = 0; i < c.drawings.size(); ++i) {
            if (!c.drawings[i]) continue;
            const auto& e = *c.drawings[i];
            const auto& s = c.layout.figures[i];
            x0 = std::min(x0, onX(f, e.minX + s.offsetX));
            x1 = std::max(x1, onX(f, e.maxX + s.offsetX));
            y0 = std::min(y0, onY(f, e.minY + s.offsetY));
            y1 = std::max(y1, onY(f, e.maxY + s.offsetY));
        }
        EXPECT_GE(x0, -1e-9);
        EXPECT_LE(x1, c.layout.width + 1e-9);
        EXPECT_GE(y0, -1e-9);
        EXPECT_LE(y1, c.layout.height + 1e-9);
        EXPECT_TRUE(std::abs(x1 - x0 - c.layout.width) < 1e-9 ||
                    std::abs(y1 - y0 - c.layout.height) < 1e-9);
    }
    // Shrinking keeps the drawing centred on the axis that had room.
    formats::AreaFit f = formats::fitIntoArea(area(150, 120, {{75, 21.23}}),
                                              {formats::DrawingExtent{-75, -23.5, 75, 101.04}});
    EXPECT_NEAR(onX(f, 0) + onX(f, 150), 150.0, 1e-9);
}

}  // namespace
}  // namespace nuvra::formats
