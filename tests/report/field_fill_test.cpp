#include "report/field_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/cp932.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

std::string cp(const std::string& utf8) {
    return toCp932(utf8).value();
}

std::string fill(const std::string& templ, std::vector<double> numbers,
                 std::vector<std::string> texts) {
    return FillTemplate(templ, numbers, texts);
}

TEST(FillTemplate, NumberFields) {
    struct {
        const char* templ;
        double value;
        const char* expected;
    } cases[] = {
        {"H = ##0.00 m", 1.5, "H =   1.50 m"},
        {"H = ##0.00 m", 12345.6, "H = 12345. m"},  // cut to the field's six bytes
        {"H = ##0.00 m", -0.004, "H =  -0.00 m"},
        {"[+#0.00]", 0, "[ +0.00]"},
        {"[+#0.00]", -1.2, "[ -1.20]"},
        {"[+#0.00]", 3.456, "[ +3.46]"},
        {"[\\##0]", 15, "[ \\15]"},
        {"[#,##0]", 12345, "[12,34]"},
        {"[#,##0]", 1234, "[1,234]"},
        {"[##0.0#]", 2.5, "[   2.5]"},  // a "#" decimal drops its zero
        {"[###0]x", 7, "[   7]x"},
        {"[#]", 0, "[ ]"},              // "#" shows no insignificant zero
        {"a+b #", 3, "a+b 3"},          // "+" not followed by "#" is wording
        {"0.5+##", 42, "0.5+42"},       // "+##" is one field; the "0.5" before it is wording
        {"##0.00##0", 1, "  1.00000"},  // one field: pattern bytes run on
        {"no fields", 99, "no fields"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templ);
        EXPECT_EQ(fill(c.templ, {c.value}, {}), c.expected);
    }
}

TEST(FillTemplate, TextFields) {
    struct {
        const char* templ;
        const char* text;
        const char* expected;
    } cases[] = {
        {"[&        &]", "D13", "[D13       ]"},
        {"[&>      &]", "OK", "[       OK]"},
        {"[&        &]", "", "[          ]"},
        {"[&>      &]", "", "[         ]"},
        {"[&  &]", "TOOLONG", "[TOOL]"},
        {"[!]", "A", "[A]"},
        {"[!]", "", "[ ]"},
        {"[!]", "XY", "[X]"},
        {"!a&  &", "zz", "!azz  "},  // a "!" before an "&" stays wording
        {"[&   ", "ab", "[ab  "},    // an unclosed field runs to the end of the line
        // Full-width texts: padding counts characters, the field counts bytes.
        {"[&        &]", "設計条件", "[設計条件  ]"},
        {"[&>       &]", "設計条件",
         "[      設計]"},  // loses as many bytes as it has full-width characters
        {"[&>      &]", "設計", "[       設]"},
        {"[& &]", "設計", "[設 ]"},  // the cut would split 計: its lead byte becomes a blank
        {"[&>&]", "ｱｲｳｴ", "[ｱｲｳ]"},  // half-width katakana are one byte each
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templ);
        EXPECT_EQ(fill(c.templ, {}, {c.text}), cp(c.expected));
    }
}

TEST(FillTemplate, FieldsBindInOrderAndTextsWin) {
    EXPECT_EQ(fill("&  & ##0 &> &  #0.0", {7, 2.25}, {"a", "b"}), "a      7    b   2.3");
    // A "#" inside a text field is a number field too and takes a number value first.
    EXPECT_EQ(fill("&##  & #0", {1, 2}, {"xy"}), "xy      2");
    EXPECT_THROW(fill("&##  & #0", {1}, {"xy"}), ReportError);
    // Twenty fields of each kind at most: a 21st stays as it is.
    std::string templ;
    for (int i = 0; i < 21; ++i)
        templ += " #";
    std::vector<double> nums(21, 5);
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += " 5";
    expected += " #";
    EXPECT_EQ(fill(templ, nums, {}), expected);
}

TEST(FillTemplate, Failures) {
    EXPECT_THROW(fill("# #", {1}, {}), ReportError);             // more fields than numbers
    EXPECT_THROW(fill("& &", {}, {}), ReportError);              // more fields than texts
    EXPECT_THROW(fill("##0", {std::nan("")}, {}), ReportError);  // not a number
    EXPECT_THROW(fill("& &", {}, {"😀"}), ReportError);           // outside CP932
    EXPECT_THROW(fill("x😀", {}, {}), ReportError);
    EXPECT_NO_THROW(fill("no fields", {}, {}));
}

TEST(FieldScan, PositionsAndWidthsCountBytes) {
    std::string line = cp("条件 ##0.00 &> &!");
    auto nf = ScanNumberFields(line);
    ASSERT_EQ(nf.size(), 1u);
    EXPECT_EQ(nf[0].pos, 5u);
    EXPECT_EQ(nf[0].width, 6u);
    EXPECT_EQ(nf[0].pattern, "##0.00");
    auto tf = ScanTextFields(line);
    ASSERT_EQ(tf.size(), 2u);
    EXPECT_EQ(tf[0].pos, 12u);
    EXPECT_EQ(tf[0].width, 4u);
    EXPECT_TRUE(tf[0].right);
    EXPECT_EQ(tf[1].pos, 16u);
    EXPECT_EQ(tf[1].width, 1u);
}

}  // namespace
}  // namespace nuvra::report
