#include "report/chapters/chapter_tables.h"

#include <gtest/gtest.h>

#include "chapter_rig.h"
#include "report/report_error.h"

namespace nuvra::report::test {
namespace {

// A table whose lines are written as "H", "R<i>", "S", "C" (continued) and "E" (end),
// so the trace shows how its rows were chunked.
TableLines letters(ReportWriter& w, int margin) {
    TableLines t;
    t.FollowPageMargin = margin;
    t.Header = [&w] { w.PrintFixedLine(0, "H"); };
    t.Row = [&w](int i) { w.PrintFixedLine(0, "R" + std::to_string(i)); };
    t.Separator = [&w] { w.PrintFixedLine(0, "S"); };
    t.ClosingContinued = [&w] { w.PrintFixedLine(0, "C"); };
    t.ClosingFinal = [&w] { w.PrintFixedLine(0, "E"); };
    return t;
}

// Rows per chunk, read back from the trace.
std::vector<int> chunks(const std::vector<TraceLine>& trace) {
    std::vector<int> sizes;
    for (const TraceLine& l : trace) {
        if (l.tag == "H") sizes.push_back(0);
        if (l.tag[0] == 'R') ++sizes.back();
    }
    return sizes;
}

struct Case {
    int rows, used, margin;
    std::vector<int> expected;
};

TEST(ChunkedTable, SplitsRowsByTheLinesLeftOnThePage) {
    const Case cases[] = {
        {20, 0, 7, {20}},      // a fresh page holds all 20 rows
        {20, 60, 7, {12, 8}},  // 12 lines left: 12 rows, the rest on a new page
        {14, 60, 7, {14}},     // two rows of slack: 14 rows still fit in one chunk
        {15, 60, 7, {12, 3}},
        {20, 71, 60, {1, 12, 7}},  // following pages take 72 − 60 = 12 rows (+2 slack)
        {3, 72, 9, {0, 3}},        // a full page: an empty first chunk
        {0, 60, 7, {0}},           // no rows: the header alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.used << " used");
        ChapterRig rig("x\nEnd\n");
        Design d;
        ASSERT_TRUE(
            rig.Run([](const ChapterContext&) { return true; }, d));  // just a fresh print file
        ReportWriter& w = rig.Writer();
        ASSERT_TRUE(w.RunChapter([&](ReportWriter& w) {
            w.PageLineCount = c.used;
            PrintChunkedTable(w, c.rows, letters(w, c.margin));
        }));
        auto trace = rig.Trace();
        EXPECT_EQ(chunks(trace), c.expected);
        // Separators only inside chunks; a continued closing and a new page between
        // chunks; the final closing once, unless there are no rows.
        int breaks = 0, continued = 0, finals = 0, separators = 0;
        for (const TraceLine& l : trace) {
            breaks += l.tag == "FF";
            continued += l.tag == "C";
            finals += l.tag == "E";
            separators += l.tag == "S";
        }
        const int n = static_cast<int>(c.expected.size());
        EXPECT_EQ(continued, n - 1);
        EXPECT_EQ(finals, c.rows > 0 ? 1 : 0);
        EXPECT_EQ(breaks, n - 1);
        int expectedSeparators = 0;
        for (int k : c.expected)
            expectedSeparators += k > 0 ? k - 1 : 0;
        EXPECT_EQ(separators, expectedSeparators);
    }
}

TEST(ChunkedTable, NoNewPageWhenThePageIsStillEmpty) {
    // After the first chunk the page is full; the chunk's closing line is the last one
    // counted. A following page that starts empty takes no form feed of its own.
    ChapterRig rig("x\nEnd\n");
    Design d;
    ASSERT_TRUE(rig.Run([](const ChapterContext&) { return true; }, d));
    ASSERT_TRUE(rig.Writer().RunChapter([&](ReportWriter& w) {
        TableLines t = letters(w, 7);
        t.ClosingContinued = [&w] { w.PrintPageBreak(); };
        w.PageLineCount = 70;
        PrintChunkedTable(w, 5, t);
    }));
    int breaks = 0;
    for (const TraceLine& l : rig.Trace())
        breaks += l.tag == "FF";
    EXPECT_EQ(breaks, 1);
}

TEST(ChunkedTable, MoreThanTwentyRowsFail) {
    ChapterRig rig("x\nEnd\n");
    Design d;
    ASSERT_TRUE(rig.Run([](const ChapterContext&) { return true; }, d));
    EXPECT_FALSE(
        rig.Writer().RunChapter([&](ReportWriter& w) { PrintChunkedTable(w, 21, letters(w, 7)); }));
    EXPECT_TRUE(rig.Trace().empty());
    EXPECT_THROW(RowLabel(21), ReportError);
    EXPECT_THROW(RowLabel(0), ReportError);
    EXPECT_EQ(RowLabel(1), "①");
    EXPECT_EQ(RowLabel(20), "⑳");
    EXPECT_EQ(CaseLabel(3), "ケースⅢ");
}

TEST(UnsplitTable, BreaksBetweenHeaderAndRowsWhenTheyDoNotFit) {
    for (auto [used, breakExpected] : std::vector<std::pair<int, bool>>{{60, false}, {61, true}}) {
        ChapterRig rig("x\nEnd\n");
        Design d;
        ASSERT_TRUE(rig.Run([](const ChapterContext&) { return true; }, d));
        ASSERT_TRUE(rig.Writer().RunChapter([&](ReportWriter& w) {
            w.PageLineCount = used;
            PrintUnsplitTable(w, 14, letters(w, 9));  // fits while 14 <= left + 2
        }));
        std::vector<std::string> tags = Tags(rig.Trace());
        ASSERT_GE(tags.size(), 2u);
        EXPECT_EQ(tags[0], "H");
        EXPECT_EQ(tags[1], breakExpected ? "FF" : "R1") << used;
        EXPECT_EQ(tags.back(), "E");
        EXPECT_EQ(std::count(tags.begin(), tags.end(), "C"), 0);
    }
}

}  // namespace
}  // namespace nuvra::report::test
