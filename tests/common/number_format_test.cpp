#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nuvra {
namespace {

struct PictureCase {
    double value;
    const char* pattern;
    const char* expected;
};

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, Formats) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(formatPicture(c.value, c.pattern), c.expected)
        << "value " << c.value << " pattern " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PictureTest,
    ::testing::Values(
        // Rounding half away from zero on the 15-digit text, both signs.
        PictureCase{2.675, "0.00", "2.68"}, PictureCase{-2.675, "0.00", "-2.68"},
        PictureCase{0.125, "0.00", "0.13"}, PictureCase{1.005, "0.00", "1.01"},
        PictureCase{2.5, "0", "3"}, PictureCase{-2.5, "0", "-3"}, PictureCase{0.5, "#0", "1"},
        PictureCase{0, "+#0.000;-#0.000", "+0.000"}, PictureCase{1.5, "##0.00", "1.50"},
        PictureCase{12345.6, "##0.00", "12345.60"}, PictureCase{0.5, "##0.00", "0.50"},
        PictureCase{0.5, "#.00", ".50"}, PictureCase{5, "#.##", "5."},
        PictureCase{1.25, "0.0#", "1.25"}, PictureCase{1.5, "0.0#", "1.5"},
        PictureCase{0, "#0.0", "0.0"}, PictureCase{0, "###0", "0"}, PictureCase{0, "#", ""},
        PictureCase{9.995, "0.00", "10.00"}, PictureCase{99.96, "#0.0", "100.0"},
        // Sign before rounding: -0.0 is not negative, a tiny negative is.
        PictureCase{-0.0, "0.000000", "0.000000"}, PictureCase{-0.0000004, "0.000000", "-0.000000"},
        // Grouping, literals, sections.
        PictureCase{1004, "##,##0）", "1,004）"}, PictureCase{53, "##,##0）", "53）"},
        PictureCase{1234567, "#,##0", "1,234,567"}, PictureCase{999, "#,##0", "999"},
        PictureCase{12.34, "\\(###0.0\\)", "(12.3)"}, PictureCase{1.5, "+#0.000;-#0.000", "+1.500"},
        PictureCase{-1.5, "+#0.000;-#0.000", "-1.500"}, PictureCase{-5, "0;(0)", "(5)"},
        PictureCase{3.14159, "#0.00 m", "3.14 m"}, PictureCase{2, "\\#0", "#2"},
        PictureCase{7, "\"x=\"0", "x=7"}, PictureCase{11, "入力範囲：0.00", "入力範囲：11.00"},
        // Integer digits beyond the placeholders are all shown.
        PictureCase{123456, "#0", "123456"}, PictureCase{5, "00", "05"},
        PictureCase{1e15, "#0", "1000000000000000"}, PictureCase{0.00049, "0.000", "0.000"},
        PictureCase{0.0005, "0.000", "0.001"}));

TEST(GeneralNumber, InputFileAndLayoutForm) {
    struct {
        double v;
        const char* general;
        const char* item;
    } cases[] = {
        {2, "2", " 2 "},
        {0.3, ".3", " .3 "},
        {1.1, "1.1", " 1.1 "},
        {23500, "23500", " 23500 "},
        {-0.25, "-.25", "-.25 "},
        {0, "0", " 0 "},
        {-0.0, "0", " 0 "},
        {0.45, ".45", " .45 "},
        {200000, "200000", " 200000 "},
        {1e-5, "1E-05", " 1E-05 "},
        {1.5e15, "1.5E+15", " 1.5E+15 "},
        {0.0001, ".0001", " .0001 "},
        {-1.57, "-1.57", "-1.57 "},
        {123456789012345, "123456789012345", " 123456789012345 "},
        {0.1 + 0.2, ".3", " .3 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(generalNumber(c.v), c.general) << c.v;
        EXPECT_EQ(inputFileNumber(c.v), c.item) << c.v;
    }
}

TEST(DecimalText, KeepsLeadingZero) {
    EXPECT_EQ(decimalText(1.5), "1.5");
    EXPECT_EQ(decimalText(0.75), "0.75");
    EXPECT_EQ(decimalText(1.7), "1.7");
    EXPECT_EQ(decimalText(0.1 + 0.2), "0.3");
    EXPECT_EQ(decimalText(-0.0), "0");
    EXPECT_EQ(decimalText(14), "14");
}

TEST(RoundTripNumber, ReadsBackExactly) {
    for (double v : {0.1, 1.0 / 3, 2.0, 1e-300, -123.456, 0.1 + 0.2, 6.02214076e23}) {
        std::string s = roundTripNumber(v);
        EXPECT_EQ(std::stod(s), v) << s;
    }
    EXPECT_EQ(roundTripNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(roundTripNumber(std::numeric_limits<double>::infinity()), "null");
}

TEST(FormatField, SignsLiteralsAndPadding) {
    EXPECT_EQ(formatField(1.5, "##0.00"), "  1.50");
    EXPECT_EQ(formatField(12345.6, "##0.00"), "12345.60");  // wider than its field
    EXPECT_EQ(formatField(1.5, "+#0.00"), " +1.50");
    EXPECT_EQ(formatField(-1.5, "+#0.00"), " -1.50");
    EXPECT_EQ(formatField(0, "+#0.00"), " +0.00");
    EXPECT_EQ(formatField(5, "\\##0"), "  \\5");
    EXPECT_EQ(formatField(7, "#"), "7");
}

TEST(ErrorCodeSuffix, GroupsThousands) {
    EXPECT_EQ(errorCodeSuffix(53), "（ｴﾗｰｺｰﾄﾞ ： 53）");
    EXPECT_EQ(errorCodeSuffix(1004), "（ｴﾗｰｺｰﾄﾞ ： 1,004）");
    EXPECT_EQ(errorCodeSuffix(0), "（ｴﾗｰｺｰﾄﾞ ： 0）");
}

}  // namespace
}  // namespace nuvra
