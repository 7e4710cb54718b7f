#include "formats/print_file.h"

#include <gtest/gtest.h>

#include "sample_files.h"
#include "test_util.h"

namespace nuvra::formats {
namespace {

using render::test::fileBytes;

struct LineCase {
    const char* name;
    std::string utf8;
    formats::LineKind kind;
    int column;
    std::string text;  // UTF-8 of the printed text (or the figure path)
    bool problem;
};

TEST(PrintLine, SortsEveryKindOfLine) {
    const LineCase cases[] = {
        {"empty", "", formats::LineKind::Blank, 0, "", false},
        {"blanks only", "      ", formats::LineKind::Blank, 0, "", false},
        {"body keeps its indentation as a column", "    H = 1.500", formats::LineKind::Body, 4,
         "H = 1.500", false},
        {"trailing blanks dropped", "  abc   ", formats::LineKind::Body, 2, "abc", false},
        {"chapter heading", "?R11. 設計条件", formats::LineKind::Heading1, 0, "1. 設計条件", false},
        {"section heading after its margin", "  ?R21.1 断面", formats::LineKind::Heading2, 2,
         "1.1 断面", false},
        {"heading without number", "?R1設計条件", formats::LineKind::Heading1, 0, "設計条件",
         false},
        {"a marker not at the start is text", "  a ?R1", formats::LineKind::Body, 2, "a ?R1",
         false},
        {"unknown marker is text", "?R3abc", formats::LineKind::Body, 0, "?R3abc", false},
        {"figure", "  ?FG;000;000;/tmp/~MT12.tmp", formats::LineKind::Figure, 2, "/tmp/~MT12.tmp",
         false},
        {"indented figure", "      ?FG;000;000;a b.lay", formats::LineKind::Figure, 6, "a b.lay",
         false},
        {"figure without its fields", "?FG;000", formats::LineKind::Figure, 0, "", true},
        {"figure without a path", "?FG;000;000;", formats::LineKind::Figure, 0, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = fileBytes(c.utf8);
        formats::PrintLine l = formats::classifyPrintLine(bytes, 7);
        EXPECT_EQ(l.kind, c.kind);
        EXPECT_EQ(l.column, c.column);
        EXPECT_EQ(l.lineNumber, 7);
        if (c.kind == formats::LineKind::Figure)
            EXPECT_EQ(l.figurePath, c.text);
        else
            EXPECT_EQ(l.text, fileBytes(c.text));
        EXPECT_EQ(!l.problem.empty(), c.problem) << l.problem;
    }
}

TEST(PrintLine, FlagsBytesThatAreNotCp932) {
    formats::PrintLine l = formats::classifyPrintLine("abc \x85\x40 def", 1);
    EXPECT_EQ(l.kind, formats::LineKind::Body);
    EXPECT_FALSE(l.problem.empty());
}

// Reads every event of a file as a compact trace: L<text> for lines, F for form feeds.
std::string trace(const std::string& bytes, std::string* error = nullptr) {
    nuvra::test::TempDir dir;
    std::string path = dir.file("p.prn");
    nuvra::test::writeFile(path, bytes);
    formats::PrintFileReader r;
    std::string err;
    if (!r.open(path, err)) return "open failed: " + err;
    std::string out;
    formats::PrintLine line;
    while (true) {
        auto ev = r.next(line);
        if (ev == formats::PrintFileReader::Event::End) break;
        if (ev == formats::PrintFileReader::Event::Failed) {
            if (error) *error = r.error();
            return out + "!";
        }
        if (ev == formats::PrintFileReader::Event::PageBreak)
            out += "F";
        else
            out += "L" + std::to_string(line.lineNumber) + "<" + line.text + ">";
    }
    return out;
}

TEST(PrintFileReader, SplitsLinesAndPageBreaks) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "L1<a>L2<b>"},
        {"a\nb", "L1<a>L2<b>"},
        {"a\rb\r", "L1<a>L2<b>"},
        {"a\r\n\r\nb\r\n", "L1<a>L2<>L3<b>"},
        {"a\r\n\fb\r\n", "L1<a>FL2<b>"},
        {"a\r\n\f\fb\r\n", "L1<a>FFL2<b>"},
        {"ab\fcd\r\n", "L1<ab>FL1<cd>"},
        {"a\r\n\f", "L1<a>F"},
        {"", ""},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(trace(bytes), expected) << bytes;
}

TEST(PrintFileReader, RefusesBinaryFilesAndSoftensControlCharacters) {
    std::string error;
    EXPECT_EQ(trace(std::string("a\r\nb\0c\r\n", 8), &error), "L1<a>!");
    EXPECT_NE(error.find("2 行目"), std::string::npos) << error;

    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("c.prn"),
                           "a\tb\x1B"
                           "c\r\n");
    formats::PrintFileReader r;
    ASSERT_TRUE(r.open(dir.file("c.prn"), error));
    formats::PrintLine line;
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.text, "a b c");
    EXPECT_FALSE(line.problem.empty());
}

TEST(PrintFileReader, CutsOverlongLines) {
    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("l.prn"), std::string(5000, 'x') + "\r\nnext\r\n");
    formats::PrintFileReader r;
    std::string error;
    ASSERT_TRUE(r.open(dir.file("l.prn"), error));
    formats::PrintLine line;
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.text.size(), formats::PrintFileReader::kMaxLineBytes);
    EXPECT_FALSE(line.problem.empty());
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.text, "next");
    EXPECT_EQ(line.lineNumber, 2);
}

TEST(PrintFileReader, GoesBackToAReportedLineStart) {
    nuvra::test::TempDir dir;
    nuvra::test::writeFile(dir.file("s.prn"), "one\r\ntwo\ftwo-b\r\nthree\r\n");
    formats::PrintFileReader r;
    std::string error;
    ASSERT_TRUE(r.open(dir.file("s.prn"), error));
    formats::PrintLine line;
    r.next(line);  // one
    r.next(line);  // two (ended by the form feed)
    r.next(line);  // the form feed
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    ASSERT_EQ(line.text, "two-b");
    auto offset = r.eventOffset();
    long number = r.eventLine();
    r.next(line);
    ASSERT_TRUE(r.seek(offset, number));
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.text, "two-b");
    EXPECT_EQ(line.lineNumber, 2);
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.text, "three");
    EXPECT_EQ(line.lineNumber, 3);
}

TEST(PrintFileReader, SaysWhyAFileCannotBeOpened) {
    nuvra::test::TempDir dir;
    formats::PrintFileReader r;
    std::string error;
    EXPECT_FALSE(r.open(dir.file("none.prn"), error));
    EXPECT_NE(error.find("ファイルがありません"), std::string::npos) << error;
    EXPECT_FALSE(r.open(dir.path(), error));
    EXPECT_NE(error.find("ファイルではありません"), std::string::npos) << error;
}

// What the writer puts down, the reader sorts back into the same kind, column and text.
TEST(PrintFileWriter, EveryLineReadsBackAsWritten) {
    struct Case {
        const char* name;
        std::size_t margin;
        formats::LineKind kind;
        std::string text;      // CP932 bytes handed to the writer
        std::string readBack;  // the text the reader gives back
    };
    const Case cases[] = {
        {"body at its margin", 6, formats::LineKind::Body, "H = 1.500", "H = 1.500"},
        {"chapter heading", 0, formats::LineKind::Heading1, "1. abc", "1. abc"},
        {"section heading after its margin", 2, formats::LineKind::Heading2, "1.1 x", "1.1 x"},
        {"control bytes become blanks", 2, formats::LineKind::Body, "a\fb\rc\nd\x7F", "a b c d"},
        {"a NUL cannot make the file unreadable", 0, formats::LineKind::Body,
         std::string("a\0b", 3), "a b"},
        {"double-byte text", 4, formats::LineKind::Body, fileBytes("設計条件"),
         fileBytes("設計条件")},
    };
    nuvra::test::TempDir dir;
    const std::string path = dir.file("w.prn");
    {
        formats::PrintFileWriter w;
        w.open(path);
        for (const auto& c : cases)
            w.line(c.margin, c.kind, c.text);
        w.figure(8, "fig 1.lay");
        w.blankLine();
        w.pageBreak();
        w.close();
        EXPECT_FALSE(w.isOpen());
    }
    ASSERT_TRUE(formats::PrintFileWriter::appendPageBreak(path));

    formats::PrintFileReader r;
    std::string error;
    ASSERT_TRUE(r.open(path, error)) << error;
    formats::PrintLine line;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
        EXPECT_EQ(line.kind, c.kind);
        EXPECT_EQ(line.column, static_cast<int>(c.margin));
        EXPECT_EQ(line.text, c.readBack);
        EXPECT_TRUE(line.problem.empty()) << line.problem;
    }
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.kind, formats::LineKind::Figure);
    EXPECT_EQ(line.column, 8);
    EXPECT_EQ(line.figurePath, "fig 1.lay");
    ASSERT_EQ(r.next(line), formats::PrintFileReader::Event::Line);
    EXPECT_EQ(line.kind, formats::LineKind::Blank);
    EXPECT_EQ(r.next(line), formats::PrintFileReader::Event::PageBreak);
    EXPECT_EQ(r.next(line), formats::PrintFileReader::Event::PageBreak);
    EXPECT_EQ(r.next(line), formats::PrintFileReader::Event::End);
}

TEST(PrintFileWriter, AppendsAndSaysWhyItCannotWrite) {
    nuvra::test::TempDir dir;
    const std::string path = dir.file("a.prn");
    nuvra::test::writeFile(path, "old\r\n");
    formats::PrintFileWriter w;
    w.open(path);
    w.line(0, formats::LineKind::Body, "new");
    w.close();
    EXPECT_EQ(nuvra::test::readFile(path), "old\r\nnew\r\n");

    // A folder that does not exist: the message names the file and the reason.
    const std::string missing = dir.file("no/such.prn");
    try {
        w.open(missing);
        FAIL() << "opened " << missing;
    } catch (const formats::FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("を開けません"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_FALSE(w.isOpen());
    EXPECT_THROW(w.blankLine(), formats::FormatError);
    EXPECT_FALSE(formats::PrintFileWriter::appendPageBreak(missing));

    // A full disk shows when the buffered bytes are written out at the latest.
    w.open("/dev/full");
    w.line(0, formats::LineKind::Body, "lost");
    try {
        w.close();
        FAIL() << "closed /dev/full without an error";
    } catch (const formats::FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("に書き込めません"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(w.isOpen());
}

}  // namespace
}  // namespace nuvra::formats
