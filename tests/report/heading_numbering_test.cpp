#include "report/heading_numbering.h"

#include <gtest/gtest.h>

#include "common/ini_profile.h"
#include "test_util.h"

namespace nuvra::report {
namespace {

TEST(FormatHeadingCounter, StylesAndResets) {
    struct {
        std::int32_t style, counter;
        const char* text;
        std::int32_t after;  // the counter after rendering
    } cases[] = {
        {1, 7, "7", 7},     {1, 99, "99", 99},    {1, 100, "1", 1},  {2, 12, "(12)", 12},
        {2, 100, "(1)", 1}, {3, 3, "3)", 3},      {3, 100, "1)", 1}, {4, 1, "(a)", 1},
        {4, 26, "(z)", 26}, {4, 27, "(a)", 1},    {5, 2, "b)", 2},   {5, 27, "a)", 1},
        {6, 4, "(iv)", 4},  {6, 10, "(x)", 10},   {6, 11, "(i)", 1}, {7, 9, "ix)", 9},
        {7, 11, "i)", 1},   {8, 1, "①", 1},       {8, 20, "⑳", 20},  {8, 21, "①", 1},
        {9, 1, "･", 1},     {9, 5000, "･", 5000}, {0, 3, "", 3},     {10, 3, "", 3},
        {-1, 3, "", 3},     {1, 0, "", 0},        {4, 0, "", 0},     {9, 0, "", 0},
        {8, -2, "", -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + "/" + std::to_string(c.counter));
        std::int32_t counter = c.counter;
        EXPECT_EQ(FormatHeadingCounter(c.style, counter), c.text);
        EXPECT_EQ(counter, c.after);
    }
}

NumberingSettings settings(std::int32_t method, std::int32_t s1, std::int32_t s2, std::int32_t s3,
                           std::int32_t s4 = 1) {
    NumberingSettings s;
    s.Method = method;
    s.Style = {0, s1, s2, s3, s4, 0};
    return s;
}

TEST(HeadingNumber, MethodsComposeTheLevels) {
    struct {
        std::int32_t method;
        std::vector<int> levels;
        std::vector<std::string> numbers;
    } cases[] = {
        {3, {1, 2, 2, 3, 3, 3}, {"1. ", "1.1 ", "1.2 ", "(1) ", "(2) ", "(3) "}},
        {1, {1, 2, 2, 3, 3, 3}, {"1 ", "1 ", "2 ", "(1) ", "(2) ", "(3) "}},
        {2, {1, 2, 1, 2, 2}, {"1. ", "1-1 ", "2. ", "2-1 ", "2-2 "}},
        {7, {1, 2}, {"1. ", "1.1 "}},           // any other method joins with "."
        {2, {2, 2, 1}, {"-1 ", "-2 ", "1. "}},  // sections before any chapter
        {3, {3, 2, 3, 4, 4, 3, 4}, {"(1) ", ".1 ", "(1) ", "1 ", "2 ", "(2) ", "1 "}},
        {3, {5, 5, 1}, {" ", " ", "1. "}},  // level 5 has style 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("method " + std::to_string(c.method));
        HeadingNumbering h;
        h.Start(settings(c.method, 1, 1, 2));
        for (std::size_t i = 0; i < c.levels.size(); ++i) {
            EXPECT_EQ(h.HeadingNumber(c.levels[i]), c.numbers[i]) << "heading " << i;
            EXPECT_EQ(h.LastHeadingLevel, c.levels[i]);
        }
    }
}

TEST(HeadingNumber, CountersRunOnAndReset) {
    HeadingNumbering h;
    h.Start(settings(2, 1, 4, 8));
    h.HeadingCounter[1] = 99;
    EXPECT_EQ(h.HeadingNumber(1), "1. ");  // 100 in style 1 starts again at 1
    EXPECT_EQ(h.HeadingCounter[1], 1);
    h.HeadingCounter[2] = 26;
    EXPECT_EQ(h.HeadingNumber(2), "1-(a) ");
    h.HeadingCounter[3] = 20;
    EXPECT_EQ(h.HeadingNumber(3), "① ");
    // A new generation clears levels 1-4 only; level 5 is cleared by any heading above it.
    h.HeadingCounter[5] = 4;
    h.Start(settings(1, 1, 1, 1));
    EXPECT_EQ(h.HeadingCounter[5], 4);
    EXPECT_EQ(h.HeadingCounter[1], 0);
    EXPECT_EQ(h.HeadingNumber(4), "1 ");
    EXPECT_EQ(h.HeadingCounter[5], 0);
    EXPECT_THROW(h.HeadingNumber(0), std::exception);
    EXPECT_THROW(h.HeadingNumber(6), std::exception);
}

TEST(NumberingSettings, LoadedFromChapterSection) {
    test::TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    test::writeFile(ini,
                    "[Chapter]\r\nMethod=3\r\nInit=5\r\nStyle1=1\r\nStyle2=2\r\nStyle4=8\r\n"
                    "Margin1=0\r\nMargin2=2\r\nMargin3=-4\r\nMargin4=100000\r\n");
    NumberingSettings s = NumberingSettings::Load(ini);
    EXPECT_EQ(s.Method, 3);
    EXPECT_EQ(s.Style, (std::array<std::int32_t, 6>{0, 1, 2, 0, 8, 0}));
    EXPECT_EQ(s.Margin, (std::array<std::int32_t, 6>{0, 0, 2, 0, 255, 0}));
    NumberingSettings none = NumberingSettings::Load(dir.file("missing.INI"));
    EXPECT_EQ(none.Method, 0);
    EXPECT_EQ(none.Style, (std::array<std::int32_t, 6>{}));
}

TEST(NumberingSettings, AMethodWithoutStylesNumbersInTheUsualWay) {
    struct Case {
        const char* chapter;  // body of section "Chapter"
        std::array<std::int32_t, 6> styles;
        const char* chapterHeading;
        const char* sectionHeading;
    };
    const Case cases[] = {
        // A method alone: 1. / 1.1 / (1) instead of ". " and "-1 ".
        {"Method=3\r\n", kDefaultStyles, "1. ", "1.1 "},
        {"Method=2\r\nStyle1=0\r\n", kDefaultStyles, "1. ", "1-1 "},
        // Any style chosen is kept as it is, even with other levels left empty.
        {"Method=2\r\nStyle2=1\r\n", {0, 0, 1, 0, 0, 0}, ". ", "-1 "},
        // No numbering stays without styles.
        {"Method=0\r\n", {}, "", ""},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        test::writeFile(dir.file("Nuvra.INI"), std::string("[Chapter]\r\n") + c.chapter);
        NumberingSettings s = NumberingSettings::Load(dir.file("Nuvra.INI"));
        EXPECT_EQ(s.Style, c.styles) << c.chapter;
        if (s.Method == 0) continue;
        HeadingNumbering h;
        h.Start(s);
        EXPECT_EQ(h.HeadingNumber(1), c.chapterHeading) << c.chapter;
        EXPECT_EQ(h.HeadingNumber(2), c.sectionHeading) << c.chapter;
        if (s.Style == kDefaultStyles) {
            EXPECT_EQ(h.HeadingNumber(3), "(1) ");
        }
    }
}

// The settings file installed with the program numbers its headings 1. / 1.1 / (1).
TEST(NumberingSettings, InstalledSettingsNumberTheHeadings) {
    NumberingSettings s = NumberingSettings::Load(std::string(NUVRA_BINARY_DIR) + "/bin/Nuvra.INI");
    EXPECT_EQ(s.Method, 3);
    EXPECT_EQ(s.Style, kDefaultStyles);
    HeadingNumbering h;
    h.Start(s);
    EXPECT_EQ(h.HeadingNumber(1), "1. ");
    EXPECT_EQ(h.HeadingNumber(2), "1.1 ");
    EXPECT_EQ(h.HeadingNumber(3), "(1) ");
    EXPECT_EQ(h.HeadingNumber(4), "① ");
}

}  // namespace
}  // namespace nuvra::report
