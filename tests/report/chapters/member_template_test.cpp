// The installed template blocks of the member chapters against what the chapters bind:
// every printed line exists with the level and the number and text fields its values
// need, and the tables stay within the page and ruled straight.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "chapter_rig.h"
#include "common/cp932.h"
#include "report/field_fill.h"

namespace nuvra::report::test {
namespace {

struct Line {
    int level = 0;
    std::string text;  // UTF-8
};
using Block = std::map<int, Line>;

std::map<std::string, Block> installedBlocks() {
    std::map<std::string, Block> blocks;
    std::string name;
    for (const std::string& line : InstalledTemplateLines()) {
        if (name.empty()) {
            if (!line.empty() && line[0] != '\'') name = line;
            continue;
        }
        if (line == "End") {
            name.clear();
            continue;
        }
        if (line.empty() || line[0] == '\'') continue;
        Line l;
        l.level = line.size() > 4 && line[4] >= '0' && line[4] <= '9' ? line[4] - '0' : 0;
        l.text = line.size() > 5 ? line.substr(5) : "";
        blocks[name][std::stoi(line.substr(0, 3))] = l;
    }
    return blocks;
}

// Fields a line needs: numbers, texts; a heading level. Lines not listed are fixed body
// lines (level 0, no fields).
struct Need {
    int line, numbers = 0, texts = 0, level = 0;
};

// The section-check items of lines 5 to 49 with `perColumn` values each (two columns,
// or one when a single face fills the block).
std::vector<Need> sectionCheck(int perColumn, int headTexts) {
    std::vector<Need> n{{1, 0, 0, 2}, {3, 0, headTexts}};
    for (int k = 5; k <= 49; k += 2) {
        if (k == 17)
            n.push_back({k, 0, perColumn});
        else if (k >= 35 && k <= 41)
            n.push_back({k, perColumn, perColumn});
        else
            n.push_back({k, perColumn, 0});
    }
    return n;
}

struct BlockNeeds {
    const char* name;
    int last;  // lines 1..last are printed (except those in `unused`)
    std::vector<Need> needs;
    std::set<int> unused;
};

std::vector<BlockNeeds> memberBlocks() {
    std::vector<BlockNeeds> b = {
        {"たて壁の設計_1",
         15,
         {{1, 0, 0, 1}, {2, 0, 0, 2}, {3, 0, 1, 3}, {9, 7, 1}, {10, 7, 1}, {11, 7, 1}, {14, 4, 0}},
         {}},
        {"たて壁の設計_4",
         33,
         {{1, 0, 0, 2},
          {2, 0, 0, 3},
          {8, 3},
          {9, 2},
          {10, 3},
          {14, 0, 0, 3},
          {20, 3},
          {21, 2},
          {22, 3},
          {26, 0, 0, 3},
          {30, 2},
          {32, 2}},
         {}},
        {"たて壁の設計_52", 50, sectionCheck(2, 2), {}},
        {"たて壁の設計_51", 50, sectionCheck(1, 1), {}},
        {"底版の設計_1",
         29,
         {{1, 0, 0, 1}, {4, 0, 0, 2},  {5, 3},  {6, 0, 0, 2},  {7, 3},  {8, 4},
          {9, 0, 0, 2}, {10, 0, 0, 3}, {11, 3}, {12, 0, 0, 3}, {13, 3}, {19, 0, 0, 3},
          {20, 0, 1},   {21, 3},       {22, 1}, {23, 1},       {24, 1}, {25, 1},
          {26, 1},      {27, 2},       {28, 1}, {29, 1}},
         {14, 15, 16, 17, 18}},
        // The uplift is printed for case Ⅰ only: the later cases are designed without it.
        {"底版の設計_21", 15, {{1, 0, 0, 3}, {6, 1}, {8, 2}, {10, 2}, {12, 1}, {14, 2}}, {}},
        {"底版の設計_22", 15, {{1, 0, 0, 3}, {6, 1}, {8, 2}, {10, 2}, {12, 1}, {14, 2}}, {}},
        {"底版の設計_23", 15, {{1, 0, 0, 3}, {6, 2}, {8, 3}, {10, 3}, {12, 1}, {14, 3}}, {}},
        {"底版の設計_3",
         29,
         {{1, 0, 0, 2}, {16, 0, 1, 3}, {17, 1}, {18, 1}, {24, 3}, {26, 3}, {28, 3}},
         {}},
        {"底版の設計_4", 50, sectionCheck(2, 0), {}},
        {"フーチングの設計_自重",
         11,
         {{1, 0, 0, 1}, {3, 0, 0, 2}, {4, 0, 0, 3}, {6, 5}, {11, 3}},
         {}},
        {"フーチングの設計_設計荷重(1)",
         16,
         {{1, 0, 0, 3}, {6, 2}, {8, 2}, {10, 2}, {12, 1}, {14, 2}},
         {}},
        {"フーチングの設計_設計荷重(2)",
         16,
         {{1, 0, 0, 3}, {6, 2}, {8, 2}, {10, 2}, {12, 1}, {14, 2}},
         {}},
        {"フーチングの設計_設計荷重(3)",
         16,
         {{1, 0, 0, 3}, {6, 2}, {8, 3}, {10, 3}, {12, 1}, {14, 3}},
         {}},
        {"フーチングの設計_設計荷重(WP)", 6, {{1, 0, 0, 3}, {3, 0, 1}, {4, 1}, {5, 1}, {6, 1}}, {}},
        {"フーチングの設計_設計断面力",
         31,
         {{1, 0, 0, 2}, {4, 0, 0, 3}, {8, 0, 0, 3}, {12, 0, 0, 3}, {22, 0, 1, 3}, {28, 7}, {30, 7}},
         {}},
        {"フーチングの設計_応力度", 50, sectionCheck(2, 0), {}},
        {"段落し",
         16,
         {{1, 0, 0, 1}, {8, 0, 0, 2}, {9, 3}, {10, 1}, {12, 1}, {14, 3}, {15, 2}, {16, 1}},
         {7}},
    };
    return b;
}

TEST(MemberTemplate, EveryPrintedLineHasItsLevelAndFields) {
    const auto blocks = installedBlocks();
    for (const BlockNeeds& bn : memberBlocks()) {
        auto it = blocks.find(bn.name);
        ASSERT_NE(it, blocks.end()) << bn.name;
        const Block& block = it->second;
        std::map<int, Need> needs;
        for (const Need& n : bn.needs)
            needs[n.line] = n;
        for (int k = 1; k <= bn.last; ++k) {
            if (bn.unused.count(k)) continue;
            auto l = block.find(k);
            ASSERT_NE(l, block.end()) << bn.name << " line " << k;
            Need n = needs.count(k) ? needs[k] : Need{k};
            std::string bytes = toCp932(l->second.text).value();
            EXPECT_EQ(l->second.level, n.level) << bn.name << " line " << k;
            EXPECT_EQ(ScanNumberFields(bytes).size(), static_cast<std::size_t>(n.numbers))
                << bn.name << " line " << k << ": " << l->second.text;
            EXPECT_EQ(ScanTextFields(bytes).size(), static_cast<std::size_t>(n.texts))
                << bn.name << " line " << k << ": " << l->second.text;
        }
    }
}

TEST(MemberTemplate, LinesFitThePageAndTablesAreRuledStraight) {
    const auto blocks = installedBlocks();
    for (const BlockNeeds& bn : memberBlocks()) {
        const Block& block = blocks.at(bn.name);
        std::size_t tableWidth = 0;
        int previous = -1;
        for (const auto& [k, l] : block) {
            std::string bytes = toCp932(l.text).value();
            // With the body indent of two columns a line stays within 88 columns.
            EXPECT_LE(bytes.size(), 86u) << bn.name << " line " << k;
            for (const NumberField& f : ScanNumberFields(bytes)) {
                EXPECT_NE(f.pattern[0], '\\')
                    << bn.name << " line " << k << ": a double-byte character ending in 0x5C";
            }
            const bool ruled = l.text.rfind("│", 0) == 0 || l.text.rfind("┌", 0) == 0 ||
                               l.text.rfind("├", 0) == 0 || l.text.rfind("└", 0) == 0;
            if (!ruled) {
                tableWidth = 0;
            } else {
                if (tableWidth != 0 && k == previous + 1) {
                    EXPECT_EQ(bytes.size(), tableWidth) << bn.name << " line " << k;
                }
                tableWidth = bytes.size();
            }
            previous = k;
        }
    }
}

}  // namespace
}  // namespace nuvra::report::test
