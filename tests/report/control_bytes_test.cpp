// Control bytes inside a printed line (from a damaged template or a title read from a
// file) become blanks: the print file keeps its lines and pages, and the viewer never
// meets a NUL.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/cp932.h"
#include "report/report_writer.h"
#include "test_util.h"

namespace nuvra::report {
namespace {

TEST(ReportWriterControlBytes, BecomeBlanksInFixedAndFilledLines) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("tmp"));
    ReportWriter w({dir.file("Nuvra.FMT"), dir.file("Nuvra.INI"), dir.file("tmp")});
    w.StartGeneration(NumberingSettings{});
    w.SetCurrentPrintFile(dir.file("chapter.prn"));
    test::writeFile(dir.file("chapter.prn"), "");
    struct Line {
        const char* name;
        std::string text;   // template (UTF-8)
        std::string value;  // text field value
        std::string printed;
    };
    const Line lines[] = {
        {"form feed in a template", std::string("a\fb"), "", "a b"},
        {"NUL and escape in a template", std::string("x\0y\x1bz", 5), "", "x y z"},
        {"delete in a template", "側\x7f壁", "", "側 壁"},
        {"line ends in a value", "T=&    &", "ab\r\ncd", "T=ab  cd"},
        // "&  &" takes the value padded to four characters, "!" its first character.
        {"tab and bell in a value", "&  &!", "\t\a", "     "},
    };
    ASSERT_TRUE(w.RunChapter([&](ReportWriter& writer) {
        for (const Line& l : lines) {
            FieldValues v(1, 2);
            v.t(1) = l.value;
            v.t(2) = l.value;
            writer.PrintFormatLine(0, l.text, v);
        }
        writer.PrintFixedLine(0, std::string("fixed\rline\n", 11));
    })) << w.LastChapterError();

    std::string expected;
    for (const Line& l : lines)
        expected += "  " + toCp932(l.printed).value() + "\r\n";
    expected += "  fixed line \r\n";
    EXPECT_EQ(test::readFile(dir.file("chapter.prn")), expected);
}

}  // namespace
}  // namespace nuvra::report
