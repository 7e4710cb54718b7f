// The one walk over a figure's elements, and the figure file written and read back.
#include "formats/figure_walker.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/format_error.h"
#include "recording_sink.h"

namespace nuvra::formats {
namespace {

using test::RecordingSink;

// Styles: 1 thin solid, 2 invisible; text style 1 of 200 twips.
StyleTables sampleStyles() {
    LineStyle thin{"L1", 0, 0, ""}, hidden{"L2", 0, 5, ""};
    TextStyle text;
    text.Height = 200;
    return StyleTables({thin, hidden}, {text});
}

// One element of every kind, each once in the visible and once in the invisible style.
FigureFile sampleFigure() {
    FigureFile f;
    f.title = "sample";
    f.points = {{0, 0}, {10, 0}, {10, 5}, {0, 5}};
    f.fills = {{1, 3, ""}};
    f.rects = {{1, 3, 1, 1}, {1, 3, 2, 0}};
    f.segments = {{1, 2, 1}, {2, 3, 2}};
    f.circles = {{3, 1.5, 1}, {3, 1.5, 2}};
    f.arcs = {{5, 5, 2, 0, 90, 1}, {5, 5, 2, 350, 10, 1}, {5, 5, 2, 0, 90, 2}};
    f.arrows = {{2, 3, 1}, {2, 3, 2}};
    f.texts = {{"A", 1, 2, 1, 3}, {"B", 3, 4, 1, 1}};
    return f;
}

TEST(FigureWalk, VisitsEveryVisibleElementOnceInFileOrder) {
    RecordingSink rec;
    FigureWalk walk;
    walk.offsetX = 100;
    walk.offsetY = 200;
    drawFigure(sampleFigure(), sampleStyles(), rec, walk);
    const std::vector<std::string> expected = {
        "fill 100.000,200.000 110.000,200.000 110.000,205.000 ",
        "rect 100.000,200.000 110.000,205.000 w0p0 filled",
        "rect 100.000,200.000 110.000,205.000 w0p5",  // outline-less, still a rectangle
        "line 100.000,200.000 110.000,200.000 w0p0",
        "circle 110.000,205.000 1.500 w0p0",
        "arc 105.000,205.000 2.000 0.000 90.000 w0p0",
        "arc 105.000,205.000 2.000 350.000 20.000 w0p0",  // through 0 degrees
        "arrow 110.000,200.000 1.000,0.000 w0p0",
        "text 101.000,202.000 A 3.528 3",
        "text 103.000,204.000 B 3.528 1",
    };
    EXPECT_EQ(rec.calls, expected);
}

TEST(FigureWalk, DiagonalArrowsPointAlongTheirEighth) {
    struct Case {
        int direction;
        double dx, dy;
    };
    const double d = std::sqrt(0.5);
    const Case cases[] = {{1, 0, 1},  {2, d, d},   {3, 1, 0},  {4, d, -d},
                          {5, 0, -1}, {6, -d, -d}, {7, -1, 0}, {8, -d, d}};
    for (const Case& c : cases) {
        double dx = 9, dy = 9;
        ASSERT_TRUE(arrowVector(c.direction, dx, dy)) << c.direction;
        EXPECT_NEAR(dx, c.dx, 1e-15) << c.direction;
        EXPECT_NEAR(dy, c.dy, 1e-15) << c.direction;
        EXPECT_NEAR(std::hypot(dx, dy), 1.0, 1e-15) << c.direction;
        // Both readings draw it: the strict one no longer refuses a diagonal.
        FigureFile f;
        f.points = {{1, 1}};
        f.arrows = {{1, c.direction, 1}};
        RecordingSink rec;
        FigureWalk strict;
        strict.strict = true;
        ASSERT_NO_THROW(drawFigure(f, sampleStyles(), rec, strict)) << c.direction;
        ASSERT_EQ(rec.calls.size(), 1u);
        EXPECT_EQ(rec.calls[0].rfind("arrow 1.000,1.000 ", 0), 0u) << rec.calls[0];
    }
    double dx = 0, dy = 0;
    EXPECT_FALSE(arrowVector(0, dx, dy));
    EXPECT_FALSE(arrowVector(9, dx, dy));
}

TEST(FigureWalk, StrictRefusesWhatLenientReplaces) {
    struct Case {
        const char* what;
        void (*spoil)(FigureFile&);
    };
    const Case cases[] = {
        {"line style", [](FigureFile& f) { f.segments[0].style = 7; }},
        {"text style", [](FigureFile& f) { f.texts[0].style = 4; }},
        {"point", [](FigureFile& f) { f.segments[0].to = 9; }},
        {"arrow direction", [](FigureFile& f) { f.arrows[0].direction = 0; }},
    };
    for (const Case& c : cases) {
        FigureFile f = sampleFigure();
        c.spoil(f);
        RecordingSink rec;
        FigureWalk strict;
        strict.strict = true;
        EXPECT_THROW(drawFigure(f, sampleStyles(), rec, strict), FormatError) << c.what;
        RecordingSink lenient;
        EXPECT_NO_THROW(drawFigure(f, sampleStyles(), lenient)) << c.what;
        EXPECT_GE(lenient.calls.size(), 8u) << c.what;  // the rest is still drawn
    }
}

TEST(FigureWalk, MovesAndShownTextsApplyToTextsOnly) {
    const FigureFile f = sampleFigure();
    const LabelMove moves[2] = {{0.5, -1, false, 0, 0, 0, 0}, {}};
    const std::string shown[2] = {"A2", "B"};
    FigureWalk walk;
    walk.moves = moves;
    walk.shown = shown;
    RecordingSink rec, tap;
    walk.tap = &tap;
    drawFigure(f, sampleStyles(), rec, walk);
    EXPECT_EQ(rec.calls[rec.calls.size() - 2], "text 1.500,1.000 A2 3.528 3");
    EXPECT_EQ(rec.calls[3], "line 0.000,0.000 10.000,0.000 w0p0");
    EXPECT_EQ(tap.calls, rec.calls);
}

TEST(FigureFileFormat, WrittenBytesReadBackToTheSameModel) {
    FigureFile f = sampleFigure();
    f.label = "nuvra";
    f.title = "試験図";
    f.texts.push_back({"\x8d\x82\x82\xb3", -2.5, 0.125, 1, 1});  // 高さ in CP932
    f.fills[0].color = "#c0c0c0";
    f.setExtents({10, 5, 0, 0, 10, 5});
    const std::string bytes = FigureFileBytes(f);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    FigureFile back;
    std::string error;
    ASSERT_TRUE(parseFigureFile(bytes, back, error)) << error;
    EXPECT_EQ(FigureFileBytes(back), bytes);
    EXPECT_EQ(back.title, "試験図");
    ASSERT_EQ(back.texts.size(), 3u);
    EXPECT_EQ(back.texts[2].bytes, f.texts[2].bytes);
    EXPECT_EQ(back.arcs[1].startDeg, 350);
    EXPECT_EQ(back.fills[0].color, "#c0c0c0");

    // Empty sections are left out, the points never.
    FigureFile empty;
    EXPECT_EQ(FigureFileBytes(empty).find("END\r\n"), FigureFileBytes(empty).size() - 5);
    f.title = "\xF0\x9F\x98\x80";  // outside CP932
    EXPECT_THROW(FigureFileBytes(f), FormatError);
}

TEST(FigureLayoutFormat, NumbersInZonesAndFiniteOnly) {
    FigureLayout l;
    l.title = "形状図";
    l.width = 150;
    l.height = 120.5;
    l.figures = {{"/tmp/~MT1.tmp", -12.25, 3}};
    const std::string bytes = FigureLayoutBytes(l);
    FigureLayout back;
    std::string error;
    ASSERT_TRUE(parseFigureLayout(bytes, "/", back, error)) << error;
    EXPECT_EQ(back.width, 150);
    EXPECT_EQ(back.height, 120.5);
    ASSERT_EQ(back.figures.size(), 1u);
    EXPECT_EQ(back.figures[0].offsetX, -12.25);
    // The second number of a line starts at the next 14-column zone.
    const std::size_t line2 = bytes.find("\r\n") + 2;
    EXPECT_EQ(bytes.substr(line2 + 14, inputFileNumber(120.5).size()), inputFileNumber(120.5));
    l.figures[0].offsetY = std::nan("");
    EXPECT_THROW(FigureLayoutBytes(l), FormatError);
}

}  // namespace
}  // namespace nuvra::formats
