#include "report/format_block.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp932.h"
#include "common/line_reader.h"
#include "report/report_error.h"
#include "test_util.h"

namespace nuvra::report {
namespace {

using test::TempDir;

// Template files are kept as UTF-8 with LF in the tests and written as the program
// reads them: CP932 with CR LF.
void writeTemplate(const std::string& path, const std::string& utf8, const char* eol = "\r\n") {
    std::string text;
    for (char c : utf8) {
        if (c == '\n')
            text += eol;
        else
            text += c;
    }
    test::writeFile(path, toCp932(text).value());
}

TEST(ReadFormatBlock, ReadsLinesByTheirNumbers) {
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(eol)));
        TempDir dir;
        std::string fmt = dir.file("Nuvra.FMT");
        writeTemplate(fmt,
                      "設計条件_1\n"
                      "  1 0not this block\n"
                      "End\n"
                      "設計条件_1x\n"
                      "End\n"
                      "設計条件\n"
                      "' a comment line\n"
                      "  1 1設計条件\n"
                      " 12 0H  = ##0.000 m\n"
                      "2.5 7rounded half to even\n"
                      "+3  xlevel not a digit\n"
                      "  4\n"
                      "  5 2  leading blanks stay\n"
                      "  1 2line 1 again: the later one wins\n"
                      "End\n"
                      "設計条件\n"
                      "  9 0second block of the name: never read\n"
                      "End\n",
                      eol);
        FormatBlock b = ReadFormatBlock(fmt, "設計条件");
        EXPECT_EQ(b.Name(), "設計条件");
        EXPECT_EQ(b.Capacity(), 50);
        EXPECT_EQ(b.Count(), 7);
        EXPECT_EQ(b.Level(1), 2);
        EXPECT_EQ(b.Text(1), "line 1 again: the later one wins");
        EXPECT_EQ(b.Text(12), "H  = ##0.000 m");
        EXPECT_EQ(b.Level(2), 7);
        EXPECT_EQ(b.Text(2), "rounded half to even");
        EXPECT_EQ(b.Level(3), 0);
        EXPECT_EQ(b.Text(3), "level not a digit");
        EXPECT_EQ(b.Level(4), 0);
        EXPECT_EQ(b.Text(4), "");
        EXPECT_EQ(b.Text(5), "  leading blanks stay");
        EXPECT_FALSE(b.Has(9));
        EXPECT_THROW(b.Text(9), ReportError);  // a line the block did not define
        EXPECT_THROW(b.Level(0), ReportError);
        EXPECT_THROW(b.Level(51), ReportError);
    }
}

TEST(ReadFormatBlock, MalformedBlocksFail) {
    TempDir dir;
    std::string fmt = dir.file("Nuvra.FMT");
    struct {
        const char* what;
        const char* file;
        int capacity;
    } cases[] = {
        {"missing block", "他\n  1 0x\nEnd\n", 50},
        {"name with a trailing blank", "ブロック \n  1 0x\nEnd\n", 50},
        {"missing End", "ブロック\n  1 0x\n", 50},
        {"End in another case", "ブロック\n  1 0x\nEND\n", 50},
        {"blank line inside", "ブロック\n  1 0x\n\n  2 0y\nEnd\n", 50},
        {"no line number", "ブロック\nabc 0x\nEnd\n", 50},
        {"negative line number", "ブロック\n -1 0x\nEnd\n", 50},
        {"index above the arrays", "ブロック\n 51 0x\nEnd\n", 50},
        {"index above smaller arrays", "ブロック\n 21 0x\nEnd\n", 20},
        {"bytes that are not CP932", nullptr, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.file)
            writeTemplate(fmt, c.file);
        else
            test::writeFile(fmt, toCp932("ブロック\r\n  1 0").value() + "\x81\x20\r\nEnd\r\n");
        EXPECT_THROW(ReadFormatBlock(fmt, "ブロック", c.capacity), ReportError);
    }
    EXPECT_THROW(ReadFormatBlock(dir.file("none.FMT"), "ブロック"), ReportError);
    EXPECT_THROW(ReadFormatBlock(dir.path(), "ブロック"), ReportError);
    writeTemplate(fmt, "ブロック\n 99 0x\nEnd\n");
    EXPECT_EQ(ReadFormatBlock(fmt, "ブロック", 99).Text(99), "x");
}

// The installed template file must hold only well-formed blocks: every block reads,
// every level is one the writer prints, no block name repeats.
TEST(InstalledTemplateFile, EveryBlockReads) {
    std::string fmt = std::string(NUVRA_BINARY_DIR) + "/bin/Nuvra.FMT";
    ASSERT_TRUE(std::filesystem::exists(fmt)) << fmt;
    LineReader in;
    ASSERT_EQ(in.open(fmt), 0);
    std::string raw;
    std::vector<std::string> names;
    bool inBlock = false;
    while (in.readLine(raw)) {
        std::optional<std::string> decoded = fromCp932(raw);
        ASSERT_TRUE(decoded.has_value()) << "bytes that are not CP932";
        const std::string& line = *decoded;
        if (inBlock) {
            inBlock = line != "End";
        } else if (!line.empty() && line[0] != '\'') {
            names.push_back(line);
            inBlock = true;
        }
    }
    EXPECT_FALSE(inBlock) << "the last block has no End";
    ASSERT_FALSE(names.empty());
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(names[i], names[j]) << "repeated block";
        FormatBlock b = ReadFormatBlock(fmt, names[i], 99);
        EXPECT_GT(b.Count(), 0);
        for (int k = 1; k <= b.Capacity(); ++k)
            if (b.Has(k)) {
                EXPECT_LE(b.Level(k), 5) << "line " << k;
            }
    }
}

}  // namespace
}  // namespace nuvra::report
