#include "render/page_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nuvra::render {
namespace {

// Runs a script through the flow on pages of `rows` rows: 't' a text line, 'b' a blank
// line, 'f' a form feed, a digit d a figure d rows tall. Returns "page:row" of each
// visible item.
std::vector<std::string> run(const std::string& script, int rows = 6) {
    PageFlow flow(rows);
    std::vector<std::string> out;
    for (char c : script) {
        if (c == 'b') {
            flow.blankLine();
        } else if (c == 'f') {
            flow.pageBreak();
        } else {
            Placement p = flow.place(c == 't' ? 1 : c - '0');
            out.push_back(std::to_string(p.page) + ":" + std::to_string(p.row));
        }
    }
    return out;
}

using V = std::vector<std::string>;

TEST(PageFlow, PlacesLinesAndBreaksPages) {
    const std::pair<std::string, V> cases[] = {
        {"tt", {"0:0", "0:1"}},
        {"tbt", {"0:0", "0:2"}},
        {"tft", {"0:0", "1:0"}},
        // form feeds on an empty page, or several in a row, give no empty pages
        {"fftfft", {"0:0", "1:0"}},
        // blank lines after a form feed open the new page
        {"tfbbt", {"0:0", "1:2"}},
        // a full page continues on the next one
        {"ttttttt", {"0:0", "0:1", "0:2", "0:3", "0:4", "0:5", "1:0"}},
        // blank lines that fill a page do not open the next
        {"ttttbbbbt", {"0:0", "0:1", "0:2", "0:3", "1:0"}},
        // a figure that does not fit moves to the next page
        {"ttt4t", {"0:0", "0:1", "0:2", "1:0", "1:4"}},
        {"tt4t", {"0:0", "0:1", "0:2", "1:0"}},
        // blank lines above a figure on an empty page give way to it
        {"bbbb4", {"0:2"}},
        // a figure as tall as a page fills it alone
        {"t6t", {"0:0", "1:0", "2:0"}},
    };
    for (const auto& [script, expected] : cases)
        EXPECT_EQ(run(script), expected) << script;
}

TEST(PageFlow, TrailingBlankLinesAndFormFeedsMakeNoPage) {
    PageFlow flow(6);
    flow.place(1);
    flow.blankLine();
    flow.pageBreak();
    flow.blankLine();
    flow.blankLine();
    EXPECT_EQ(flow.pageCount(), 1);
}

TEST(PageFlow, AResumedPageLaysOutAsInTheFullRun) {
    // The second page of "ttttt ttt" starts with a text at row 0 after the overflow;
    // the one of "t f bb tt" with a text at row 2.
    PageFlow flow(5);
    flow.resumePage(2);
    Placement a = flow.place(1);
    Placement b = flow.place(1);
    EXPECT_TRUE(a.newPage);
    EXPECT_EQ(a.page, 0);
    EXPECT_EQ(a.row, 2);
    EXPECT_FALSE(b.newPage);
    EXPECT_EQ(b.row, 3);
    flow.place(1);
    Placement next = flow.place(1);
    EXPECT_EQ(next.page, 1);
}

}  // namespace
}  // namespace nuvra::render
