#include "formats/style_files.h"

#include <gtest/gtest.h>

#include "sample_files.h"
#include "test_util.h"

namespace nuvra::formats {
namespace {

using render::test::fileBytes;
using Fields = std::vector<std::string>;

TEST(StyleFileReader, SplitsRecordsAtCommasOutsideQuotes) {
    const std::pair<std::string, Fields> cases[] = {
        {R"("LINE1", 2, 0, "BLACK")", {"LINE1", "2", "0", "BLACK"}},
        {R"(  key ,  12 ,  x y  )", {"key", "12", "x y"}},
        {R"("a, b", 3)", {"a, b", "3"}},
        {R"("  padded  " , 1)", {"  padded  ", "1"}},
        {R"("quoted"tail, 2)", {"quoted", "2"}},
        {R"(a,,b)", {"a", "", "b"}},
        {R"(END)", {"END"}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(formats::splitStyleRecord(line), expected) << line;
}

TEST(StyleFileReader, ReadsRecordsAfterTheHeaderUpToEnd) {
    auto records =
        formats::readStyleRecords(fileBytes("header, 1, 2\n\nA, 1\n  \nB, 2\nEND\nC, 3\n"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (Fields{"A", "1"}));
    EXPECT_EQ(records[1], (Fields{"B", "2"}));
    // Without END every record counts; a header alone gives none.
    EXPECT_EQ(formats::readStyleRecords(fileBytes("h\nA\nB")).size(), 2u);
    EXPECT_TRUE(formats::readStyleRecords(fileBytes("only a header\n")).empty());
}

TEST(StyleFileReader, LineStylesGiveWidthPenAndColour) {
    formats::StyleTables t;
    t.setLineStyles(
        fileBytes("h\n\"L1\", 2, 0, \"BLACK\"\n\"L2\", 5, 1, \"#ff0000\"\n\"L3\", 0, 3, \"\"\n"
                  "\"L4\", x, 0, \"\"\n\"L5\", 3, 9, \"\"\nEND\n"),
        "LINE_PRN.DEF");
    ASSERT_EQ(t.lineCount(), 5);
    EXPECT_DOUBLE_EQ(t.line(1).widthMm(), 0.2);
    EXPECT_EQ(t.line(1).PenStyle, 0);
    EXPECT_EQ(t.line(1).Colour, "BLACK");
    EXPECT_DOUBLE_EQ(t.line(2).widthMm(), 0.5);
    EXPECT_EQ(t.line(2).PenStyle, 1);
    EXPECT_DOUBLE_EQ(t.line(3).widthMm(), 0.0);  // the thinnest line the device draws
    EXPECT_EQ(t.line(3).PenStyle, 3);
    // Faulty rows keep their place with the built-in style and are reported.
    EXPECT_EQ(t.line(4).PenStyle, formats::LineStyle{}.PenStyle);
    EXPECT_EQ(t.line(5).PenStyle, formats::LineStyle{}.PenStyle);
    EXPECT_EQ(t.problems().size(), 2u);
    // A row the table does not have falls back to the built-in style.
    EXPECT_FALSE(t.hasLine(6));
    EXPECT_DOUBLE_EQ(t.line(6).widthMm(), formats::LineStyle{}.widthMm());
    EXPECT_DOUBLE_EQ(t.line(0).widthMm(), formats::LineStyle{}.widthMm());
}

TEST(StyleFileReader, TextStylesGiveHeightInMillimetresAndWeight) {
    formats::StyleTables t;
    t.setTextStyles(fileBytes("h\n\"S1\", 128, \"ＭＳ ゴシック\", 210, 700, 0, 0, \"BLACK\"\n"
                              "\"S2\", 128, \"ＭＳ ゴシック\", 144, 400, 1, 1, \"\"\n"
                              "\"S3\", 128, \"x\", -5, 400, 0, 0, \"\"\nEND\n"),
                    "STR_PRN.DEF");
    ASSERT_EQ(t.textCount(), 3);
    EXPECT_NEAR(t.text(1).heightMm(), 210.0 / 1440.0 * 25.4, 1e-12);
    EXPECT_TRUE(t.text(1).bold());
    EXPECT_FALSE(t.text(1).italic());
    EXPECT_FALSE(t.text(1).underline());
    EXPECT_NEAR(t.text(2).heightMm(), 2.54, 1e-12);
    EXPECT_FALSE(t.text(2).bold());
    EXPECT_TRUE(t.text(2).italic());
    EXPECT_TRUE(t.text(2).underline());
    EXPECT_DOUBLE_EQ(t.text(3).heightMm(), formats::TextStyle{}.heightMm());
    EXPECT_EQ(t.problems().size(), 1u);
}

TEST(StyleFileReader, MissingFilesLeaveTheBuiltInStylesAndSaySo) {
    nuvra::test::TempDir dir;
    formats::StyleTables t;
    t.load(dir.path());
    EXPECT_EQ(t.lineCount(), 0);
    EXPECT_EQ(t.textCount(), 0);
    ASSERT_EQ(t.problems().size(), 2u);
    EXPECT_NE(t.problems()[0].find("LINE_PRN.DEF"), std::string::npos);
    EXPECT_NE(t.problems()[1].find("STR_PRN.DEF"), std::string::npos);
}

TEST(StyleFileReader, ReadsTheInstalledFiles) {
    // The installed files are kept as UTF-8 in data/; their records are ASCII.
    formats::StyleTables installed;
    installed.setLineStyles(
        fileBytes(nuvra::test::readFile(nuvra::test::sourcePath("data/LINE_PRN.DEF"))),
        "LINE_PRN.DEF");
    installed.setTextStyles(
        fileBytes(nuvra::test::readFile(nuvra::test::sourcePath("data/STR_PRN.DEF"))),
        "STR_PRN.DEF");
    EXPECT_TRUE(installed.problems().empty());
    EXPECT_GE(installed.lineCount(), 4);
    EXPECT_EQ(installed.textCount(), 2);
    EXPECT_GT(installed.text(2).heightMm(), 2.0);
}

TEST(StyleFileReader, ReadsTheSampleFiles) {
    nuvra::test::TempDir dir;
    render::test::writeSampleFiles(dir.path());
    formats::StyleTables t;
    t.load(dir.path());
    EXPECT_TRUE(t.problems().empty());
    EXPECT_EQ(t.lineCount(), 5);
    EXPECT_EQ(t.textCount(), 2);
}

}  // namespace
}  // namespace nuvra::formats
