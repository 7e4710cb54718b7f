#include "figures/figure_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/cp932.h"
#include "formats/format_error.h"
#include "test_util.h"

namespace nuvra::figures {
namespace {

using test::TempDir;

const std::string kAppFolder = std::string(NUVRA_BINARY_DIR) + "/bin";

void writeCp932(const std::string& path, const std::string& utf8) {
    test::writeFile(path, toCp932(utf8).value());
}

// A model with the installed style tables and an empty drawing.
class ModelTest : public testing::Test {
  protected:
    void SetUp() override {
        m.Begin();
        h = m.TextHeight(2);
    }
    TempDir dir;
    FigureModel m{kAppFolder, dir.path()};
    double h = 0;
};

TEST(StyleTables, InstalledTablesRead) {
    std::vector<formats::LineStyle> lines = formats::ReadLineStyles(kAppFolder + "/LINE_PRN.DEF");
    ASSERT_GE(lines.size(), 4u);  // the figures use styles 1 to 4
    EXPECT_LE(lines.size(), 9u);
    EXPECT_EQ(lines[0].PenStyle, 0);            // thin solid
    EXPECT_GT(lines[1].Width, lines[0].Width);  // outlines are thicker
    EXPECT_EQ(lines[2].PenStyle, 3);            // dash-dot axes
    EXPECT_EQ(lines[3].PenStyle, 1);            // dashed division lines
    std::vector<formats::TextStyle> texts = formats::ReadTextStyles(kAppFolder + "/STR_PRN.DEF");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Height, 144);
    EXPECT_EQ(texts[1].Face, "IPAGothic");
    EXPECT_EQ(texts[0].Colour, "black");
}

TEST(StyleTables, RecordRules) {
    TempDir dir;
    std::string p = dir.file("STR_PRN.DEF");
    writeCp932(p,
               "header, skipped\r\n"
               "\r\n"
               " S1 , 128 , \"ＭＳ, ゴシック\" x, +210, 700, 1, 0, \"赤\"\r\n"
               "S2,128,F,144,0,400,0,\r\n"
               "END\r\n"
               "S3,128,F,144,0,400,0,never read\r\n");
    std::vector<formats::TextStyle> t = formats::ReadTextStyles(p);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].Key, "S1");
    EXPECT_EQ(t[0].Face, "ＭＳ, ゴシック");
    EXPECT_EQ(t[0].Height, 210);
    EXPECT_EQ(t[0].Weight, 700);
    EXPECT_EQ(t[0].Italic, 1);
    EXPECT_EQ(t[0].Colour, "赤");
    EXPECT_EQ(t[1].Colour, "");

    const char* bad[] = {
        "h\r\nS1,1,F,144,0,400,0,n\r\nS2,1,F,144,0,400,0,n\r\nS3,1,F,144,0,400,0,n\r\nEND\r\n",
        "h\r\nS1,1,F,144,0,400,0,n\r\n",          // no END
        "h\r\nS1,1,F,144,0,400\r\nEND\r\n",       // too few fields
        "h\r\nS1,1,F,14.4,0,400,0,n\r\nEND\r\n",  // not an integer
        "h\r\nS1,1,F,,0,400,0,n\r\nEND\r\n",      // empty number
        "",                                       // not even a header
    };
    for (const char* content : bad) {
        SCOPED_TRACE(content);
        writeCp932(p, content);
        EXPECT_THROW(formats::ReadTextStyles(p), formats::FormatError);
    }
    EXPECT_THROW(formats::ReadLineStyles(dir.file("missing.DEF")), formats::FormatError);
    std::string l = dir.file("LINE_PRN.DEF");
    std::string ten = "h\r\n";
    for (int i = 1; i <= 10; ++i)
        ten += "L" + std::to_string(i) + ",0,18,n\r\n";
    writeCp932(l, ten + "END\r\n");
    EXPECT_THROW(formats::ReadLineStyles(l), formats::FormatError);  // 10 records, 9 rows
}

TEST_F(ModelTest, TextWidthCountsFullWidthCharacters) {
    EXPECT_DOUBLE_EQ(formats::TwipsToMm(1440), 25.4);
    EXPECT_DOUBLE_EQ(h, 144 / 1440.0 * 25.4);
    struct {
        const char* text;
        double halves;  // width in half-widths
    } cases[] = {
        {"", 0}, {"2000", 4}, {"設計条ab", 8}, {"ｴﾗｰ", 3}, {"①-1", 4}, {"+1.25", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(m.TextWidth(2, c.text), c.halves * h / 2);
    }
    EXPECT_THROW(m.TextWidth(3, "x"), formats::FormatError);
    EXPECT_THROW(m.TextWidth(0, "x"), formats::FormatError);
    EXPECT_THROW(m.TextWidth(2, "😀"), formats::FormatError);
}

struct DimCase {
    const char* op;
    FigPoint a, b;
    double base;
    int row;
    const char* option;
    std::vector<FigPoint> points;  // the six points
    std::vector<FigLine> lines;    // as k-relative point numbers
    std::vector<FigArrow> arrows;
    FigPoint textAt;
    int textDir;
};

TEST_F(ModelTest, DimensionPointsAndOptionCodes) {
    const double w = 2 * h;  // "2000": four half-widths
    const double t = 1.0;
    DimCase cases[] = {
        {"above",
         {0, 0},
         {20, 0},
         10,
         1,
         "11111U",
         {{0, 1}, {0, 10}, {0, 11}, {20, 1}, {20, 10}, {20, 11}},
         {{1, 3, 1}, {4, 6, 1}, {2, 5, 1}},
         {{2, 7, 1}, {5, 3, 1}},
         {(20 - w) / 2, 10 + t},
         3},
        {"above",
         {0, 0},
         {20, 0},
         10,
         3,
         "01111U",  // row 3: 15 mm further out
         {{0, 1}, {0, 25}, {0, 26}, {20, 1}, {20, 25}, {20, 26}},
         {{4, 6, 1}, {2, 5, 1}},
         {{2, 7, 1}, {5, 3, 1}},
         {(20 - w) / 2, 25 + t},
         3},
        {"below",
         {-10, 5},
         {30, 2},
         -15,
         2,
         "00111L",
         {{-10, 4}, {-10, -22.5}, {-10, -23.5}, {30, 1}, {30, -22.5}, {30, -23.5}},
         {{2, 5, 1}},
         {{2, 7, 1}, {5, 3, 1}},
         {-10 + (40 - w) / 2, -22.5 - t - h},
         3},
        {"below",
         {0, 0},
         {20, 0},
         -15,
         1,
         "11011U",  // no dimension line, text outward
         {{0, -1}, {0, -15}, {0, -16}, {20, -1}, {20, -15}, {20, -16}},
         {{1, 3, 1}, {4, 6, 1}},
         {{2, 7, 1}, {5, 3, 1}},
         {(20 - w) / 2, -15 + t},
         3},
        {"left",
         {0, 0},
         {0, 30},
         -10,
         2,
         "11111U",
         {{-1, 0}, {-17.5, 0}, {-18.5, 0}, {-1, 30}, {-17.5, 30}, {-18.5, 30}},
         {{1, 3, 1}, {4, 6, 1}, {2, 5, 1}},
         {{2, 5, 1}, {5, 1, 1}},
         {-17.5 - t, (30 - w) / 2},
         1},
        {"right",
         {5, 0},
         {5, 30},
         20,
         1,
         "10111L",
         {{6, 0}, {20, 0}, {21, 0}, {6, 30}, {20, 30}, {21, 30}},
         {{1, 3, 1}, {2, 5, 1}},
         {{2, 5, 1}, {5, 1, 1}},
         {20 + t + h, (30 - w) / 2},
         1},
        {"right",
         {5, 0},
         {5, 30},
         20,
         1,
         "",  // nothing drawn but points and text
         {{6, 0}, {20, 0}, {21, 0}, {6, 30}, {20, 30}, {21, 30}},
         {},
         {},
         {20 + t + h, (30 - w) / 2},
         1},
    };
    for (const DimCase& c : cases) {
        SCOPED_TRACE(std::string(c.op) + " " + c.option);
        m.ClearElements();
        int a = m.AddPoint(c.a.x, c.a.y), b = m.AddPoint(c.b.x, c.b.y);
        std::string op = c.op;
        if (op == "above") m.AddDimensionAbove(a, b, c.base, c.row, "2000", c.option);
        if (op == "below") m.AddDimensionBelow(a, b, c.base, c.row, "2000", c.option);
        if (op == "left") m.AddDimensionLeft(a, b, c.base, c.row, "2000", c.option);
        if (op == "right") m.AddDimensionRight(a, b, c.base, c.row, "2000", c.option);
        ASSERT_EQ(m.FigPointCount(), 8);
        for (int i = 0; i < 6; ++i) {
            EXPECT_DOUBLE_EQ(m.Point(3 + i).x, c.points[static_cast<std::size_t>(i)].x) << i;
            EXPECT_DOUBLE_EQ(m.Point(3 + i).y, c.points[static_cast<std::size_t>(i)].y) << i;
        }
        ASSERT_EQ(m.FigLineCount(), static_cast<int>(c.lines.size()));
        for (int i = 1; i <= m.FigLineCount(); ++i) {
            const FigLine& e = c.lines[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(m.Line(i).from, e.from + 2);
            EXPECT_EQ(m.Line(i).to, e.to + 2);
            EXPECT_EQ(m.Line(i).style, 1);
        }
        ASSERT_EQ(m.FigArrowCount(), static_cast<int>(c.arrows.size()));
        for (int i = 1; i <= m.FigArrowCount(); ++i) {
            const FigArrow& e = c.arrows[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(m.Arrow(i).point, e.point + 2);
            EXPECT_EQ(m.Arrow(i).dir, e.dir);
        }
        ASSERT_EQ(m.FigTextCount(), 1);
        EXPECT_EQ(m.Text(1).text, "2000");
        EXPECT_EQ(m.Text(1).style, 2);
        EXPECT_EQ(m.Text(1).dir, c.textDir);
        EXPECT_DOUBLE_EQ(m.Text(1).x, c.textAt.x);
        EXPECT_DOUBLE_EQ(m.Text(1).y, c.textAt.y);
    }
}

TEST_F(ModelTest, DimensionsUseTheCurrentStyles) {
    m.State.CurLineStyle = 4;
    m.State.CurTextStyle = 1;
    m.State.DimExtGap = 2;
    int a = m.AddPoint(0, 0), b = m.AddPoint(10, 0);
    m.AddDimensionAbove(a, b, 5, 1, "x", "11111U");
    EXPECT_EQ(m.Line(1).style, 4);
    EXPECT_EQ(m.Arrow(2).style, 4);
    EXPECT_EQ(m.Text(1).style, 1);
    EXPECT_DOUBLE_EQ(m.Point(5).y, 7);  // d + g
    EXPECT_THROW(m.AddDimensionAbove(a, 9, 5, 1, "x", "11111U"), formats::FormatError);
}

TEST_F(ModelTest, WaterLevelSymbolAndHatch) {
    m.State.CurLineStyle = 3;  // the symbols always draw in style 1
    m.AddWaterLevelMark(10, 5);
    ASSERT_EQ(m.FigPointCount(), 3);
    EXPECT_DOUBLE_EQ(m.Point(2).x, 9);
    EXPECT_DOUBLE_EQ(m.Point(2).y, 7);
    EXPECT_DOUBLE_EQ(m.Point(3).x, 11);
    ASSERT_EQ(m.FigLineCount(), 3);
    EXPECT_EQ(m.Line(3).from, 3);
    EXPECT_EQ(m.Line(3).to, 1);
    m.AddWaterLevelLines(10, 5);
    ASSERT_EQ(m.FigPointCount(), 9);
    const double expected[6][2] = {{5, 4}, {15, 4}, {8, 3}, {12, 3}, {9.5, 2}, {10.5, 2}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(m.Point(4 + i).x, expected[i][0]);
        EXPECT_DOUBLE_EQ(m.Point(4 + i).y, expected[i][1]);
    }
    EXPECT_EQ(m.FigLineCount(), 6);
    EXPECT_EQ(m.Line(6).from, 8);
    EXPECT_EQ(m.Line(6).to, 9);

    m.ClearElements();
    m.AddGroundHatch(-6, 1, 3);
    ASSERT_EQ(m.FigPointCount(), 33);
    ASSERT_EQ(m.FigLineCount(), 18);
    FigExtents e = m.ComputeExtents();
    EXPECT_DOUBLE_EQ(e.minX, -6);
    EXPECT_DOUBLE_EQ(e.maxX, 6);  // three repeats of 4 mm
    EXPECT_DOUBLE_EQ(e.minY, 1);
    EXPECT_DOUBLE_EQ(e.maxY, 4);
    // The third repeat starts at x + 8; its segments p5 -> p9 and p7 -> p11.
    EXPECT_DOUBLE_EQ(m.Point(23).x, 2);
    EXPECT_DOUBLE_EQ(m.Point(31).x, 5.4);
    EXPECT_DOUBLE_EQ(m.Point(31).y, 1.9);
    EXPECT_EQ(m.Line(16).from, 27);
    EXPECT_EQ(m.Line(16).to, 31);
    EXPECT_EQ(m.Line(18).from, 29);
    EXPECT_EQ(m.Line(18).to, 33);
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(m.Line(i).style, 1);
}

TEST_F(ModelTest, LoadArrowPositions) {
    struct {
        double length;
        int side;
        double pitch;
        std::vector<double> arrowsAt;  // x of each arrow
        double end;
    } cases[] = {
        {10, 1, 2.5, {3, 5.5, 8, 10.5}, 13},
        {10, -1, 2.5, {3, 0.5, -2, -4.5}, -7},
        {10, 1, 3, {3, 6, 9, 12}, 13},
        {0, 1, 2, {3}, 3},
        {1, 0, 2, {3}, 2},   // side 0 runs to the left
        {2, 1, 0.1, {}, 5},  // filled below: arrows every 0.1 up to the end
    };
    for (auto& c : cases) {
        if (c.arrowsAt.empty())
            for (double x = 3; x < 5; x += 0.1)
                c.arrowsAt.push_back(x);
        SCOPED_TRACE(std::to_string(c.length) + " " + std::to_string(c.side));
        m.ClearElements();
        int p = m.AddPoint(3, 4);
        m.AddLoadArrows(p, 5, c.length, c.side, c.pitch);
        EXPECT_DOUBLE_EQ(m.Point(2).x, 3);
        EXPECT_DOUBLE_EQ(m.Point(2).y, 9);
        EXPECT_DOUBLE_EQ(m.Point(3).x, c.end);
        EXPECT_EQ(m.Line(1).from, 2);
        EXPECT_EQ(m.Line(1).to, 3);
        ASSERT_EQ(m.FigArrowCount(), static_cast<int>(c.arrowsAt.size()));
        for (int i = 1; i <= m.FigArrowCount(); ++i) {
            const FigArrow& a = m.Arrow(i);
            EXPECT_EQ(a.dir, kArrowDown);
            EXPECT_EQ(a.style, 1);
            EXPECT_DOUBLE_EQ(m.Point(a.point).x, c.arrowsAt[static_cast<std::size_t>(i - 1)]);
            EXPECT_DOUBLE_EQ(m.Point(a.point).y, 4);
            EXPECT_DOUBLE_EQ(m.Point(a.point - 1).y, 9);  // the shaft's top
            EXPECT_EQ(m.Line(i + 1).to, a.point);
        }
    }
    int p = m.AddPoint(0, 0);
    EXPECT_THROW(m.AddLoadArrows(p, 5, 10, 1, 0), formats::FormatError);  // would never end
    EXPECT_THROW(m.AddLoadArrows(p, 5, 10, 1, -1), formats::FormatError);
}

TEST_F(ModelTest, CapacitiesAndBadElements) {
    for (int i = 0; i < FigureModel::kMaxPoints; ++i)
        m.AddPoint(i, 0);
    EXPECT_THROW(m.AddPoint(0, 0), formats::FormatError);
    for (int i = 0; i < FigureModel::kMaxLines; ++i)
        m.AddLine(1, 2, 1);
    EXPECT_THROW(m.AddLine(1, 2, 1), formats::FormatError);
    for (int i = 0; i < FigureModel::kMaxArrows; ++i)
        m.AddArrow(1, kArrowUp, 1);
    EXPECT_THROW(m.AddArrow(1, kArrowUp, 1), formats::FormatError);
    for (int i = 0; i < FigureModel::kMaxTexts; ++i)
        m.AddText("a", 2, kTextHorizontal, 0, 0);
    EXPECT_THROW(m.AddText("a", 2, kTextHorizontal, 0, 0), formats::FormatError);
    for (int i = 0; i < FigureModel::kMaxCircles; ++i)
        m.AddCircle(1, 1, 1);
    EXPECT_THROW(m.AddCircle(1, 1, 1), formats::FormatError);
    m.AddRect({1, 2, 3, 4});
    m.AddRect({1, 2, 3, 4});
    EXPECT_THROW(m.AddRect({1, 2, 3, 4}), formats::FormatError);

    m.ClearElements();
    EXPECT_EQ(m.FigPointCount(), 0);
    EXPECT_THROW(m.AddLine(1, 1, 1), formats::FormatError);  // no such point
    int p = m.AddPoint(0, 0);
    EXPECT_THROW(m.AddArrow(p, 2, 1), formats::FormatError);
    EXPECT_THROW(m.AddText("a", 2, 2, 0, 0), formats::FormatError);
    EXPECT_THROW(m.AddText("two\nlines", 2, 3, 0, 0), formats::FormatError);
    EXPECT_THROW(m.AddText("😀", 2, 3, 0, 0), formats::FormatError);
    EXPECT_THROW(m.AddPoint(std::nan(""), 0), formats::FormatError);
}

}  // namespace
}  // namespace nuvra::figures
