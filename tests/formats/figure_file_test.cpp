#include "formats/figure_file.h"

#include <gtest/gtest.h>

#include "formats/cp932_chars.h"
#include "sample_files.h"
#include "test_util.h"

namespace nuvra::formats {
namespace {

using render::test::fileBytes;

const std::string kHeader = "nuvra\n形状図\n100.00, 80.00, -20.00,      5.00, 80.00, 85.00\n";

TEST(FigureFileReader, ReadsEverySection) {
    std::string text =
        kHeader +
        "座標情報\n1, 0.000000, 0.000000\n2, 10.000000, -2.500000\n3, 5.000000, 8.000000\nEND\n"
        "矩形情報\n1, 1, 3, 2, 1\nEND\n"
        "線分情報\n1, 1, 2, 1\n2, 2, 3, 4\nEND\n"
        "円情報\n1, 3, 1.500000, 1\nEND\n"
        "円弧情報\n1, 5.000000, 5.000000, 2.000000, 0.000000, 90.000000, 2\nEND\n"
        "塗潰情報\n1, 1, 3, #c0c0c0\nEND\n"
        "矢印(1)\n1, 2, 3, 1\n2, 1, 7, 1\nEND\n"
        "文字情報\n2.400\n1.000000, -5.000000, 2, 3\nEND\n3.000000, 2.000000, 1, 1\nEND\n";
    formats::FigureFile f;
    std::string error;
    ASSERT_TRUE(formats::parseFigureFile(fileBytes(text), f, error)) << error;
    EXPECT_EQ(f.label, "nuvra");
    EXPECT_EQ(f.title, "形状図");
    EXPECT_DOUBLE_EQ(f.width, 100);
    EXPECT_DOUBLE_EQ(f.minX, -20);
    EXPECT_DOUBLE_EQ(f.maxY, 85);
    ASSERT_EQ(f.points.size(), 3u);
    EXPECT_DOUBLE_EQ(f.point(2).y, -2.5);
    ASSERT_EQ(f.rects.size(), 1u);
    EXPECT_EQ(f.rects[0].cornerB, 3);
    EXPECT_EQ(f.rects[0].fill, 1);
    ASSERT_EQ(f.segments.size(), 2u);
    EXPECT_EQ(f.segments[1].style, 4);
    ASSERT_EQ(f.circles.size(), 1u);
    EXPECT_DOUBLE_EQ(f.circles[0].radius, 1.5);
    ASSERT_EQ(f.arcs.size(), 1u);
    EXPECT_DOUBLE_EQ(f.arcs[0].endDeg, 90);
    ASSERT_EQ(f.fills.size(), 1u);
    EXPECT_EQ(f.fills[0].color, "#c0c0c0");
    ASSERT_EQ(f.arrows.size(), 2u);
    EXPECT_EQ(f.arrows[1].direction, 7);
    ASSERT_EQ(f.texts.size(), 2u);
    EXPECT_EQ(f.texts[0].bytes, "2.400");
    EXPECT_EQ(f.texts[0].style, 2);
    // A text that reads "END" is still a text: its position line follows.
    EXPECT_EQ(f.texts[1].bytes, "END");
    EXPECT_EQ(f.texts[1].direction, 1);
}

TEST(FigureFileReader, OnlyThePointsSectionIsNeeded) {
    formats::FigureFile f;
    std::string error;
    ASSERT_TRUE(formats::parseFigureFile(fileBytes(kHeader + "座標情報\nEND\n"), f, error))
        << error;
    EXPECT_TRUE(f.points.empty());
    EXPECT_TRUE(f.texts.empty());
}

TEST(FigureFileReader, KeepsTextBytesForTheirWidths) {
    formats::FigureFile f;
    std::string error;
    ASSERT_TRUE(formats::parseFigureFile(
        fileBytes(kHeader + "座標情報\nEND\n文字情報\n水位ｱ\n0, 0, 1, 3\nEND\n"), f, error));
    ASSERT_EQ(f.texts.size(), 1u);
    EXPECT_EQ(f.texts[0].bytes.size(), 5u);  // two full-width and one half-width
    EXPECT_EQ(formats::cp932ToUtf8(f.texts[0].bytes), "水位ｱ");
}

TEST(FigureFileReader, MalformedFilesSayWhereAndWhat) {
    const std::string points = "座標情報\n1, 0, 0\n2, 1, 1\nEND\n";
    const std::pair<std::string, std::string> cases[] = {
        {"nuvra\n形状図\n", "見出し"},
        {"nuvra\n形状図\n1, 2, 3\n座標情報\nEND\n", "3 行目"},
        {kHeader + "座標情報\n1, 0, abc\nEND\n", "5 行目"},
        {kHeader + "座標情報\n1, 0, 0\n", "END"},
        {kHeader + "座標情報\n2, 0, 0\nEND\n", "順番"},
        {kHeader + "座標情報\n1, 0, 0, 9\nEND\n", "3 項目"},
        {kHeader + points + "線分情報\n1, 1, 5, 1\nEND\n", "線分"},
        {kHeader + points + "矢印(1)\n1, 9, 1, 1\nEND\n", "矢印"},
        {kHeader + points + "矢印(1)\n1, 1, 9, 1\nEND\n", "向き"},
        {kHeader + points + "円情報\n1, 1, -1, 1\nEND\n", "半径"},
        {kHeader + points + "塗潰情報\n1, 2, 1, x\nEND\n", "塗潰し"},
        {kHeader + points + "線分情報\n1, 1.5, 2, 1\nEND\n", "整数"},
        {kHeader + points + "文字情報\nabc\n0, 0, 1, 2\nEND\n", "文字の向き"},
        {kHeader + points + "文字情報\nabc\n", "位置"},
        {kHeader + points + "寸法情報\nEND\n", "寸法情報"},
    };
    for (const auto& [text, needle] : cases) {
        formats::FigureFile f;
        std::string error;
        EXPECT_FALSE(formats::parseFigureFile(fileBytes(text), f, error)) << text;
        EXPECT_NE(error.find(needle), std::string::npos) << error;
    }
    formats::FigureFile f;
    std::string error;
    EXPECT_FALSE(formats::parseFigureFile(std::string("\0\1\2", 3), f, error));
}

TEST(FigureFileReader, ReadsTheSampleAndNamesAMissingFile) {
    nuvra::test::TempDir dir;
    render::test::writeSampleFiles(dir.path());
    formats::FigureFile f;
    std::string error;
    ASSERT_TRUE(formats::readFigureFile(dir.file("shape.fig"), f, error)) << error;
    EXPECT_GT(f.points.size(), 50u);
    EXPECT_FALSE(f.arrows.empty());
    EXPECT_FALSE(formats::readFigureFile(dir.file("gone.fig"), f, error));
    EXPECT_NE(error.find("gone.fig"), std::string::npos);
    EXPECT_NE(error.find("ファイルがありません"), std::string::npos);
    EXPECT_FALSE(formats::readFigureFile(dir.file("bad.fig"), f, error));
    EXPECT_NE(error.find("abc"), std::string::npos) << error;
}

}  // namespace
}  // namespace nuvra::formats
