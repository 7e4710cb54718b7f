// The installed template against what the chapters bind: every line a chapter prints
// exists, every filled line has exactly the fields the chapter fills (numbers and texts
// counted apart), fixed lines have none, and every line fits the page.
#include <gtest/gtest.h>

#include <map>

#include "common/cp932.h"
#include "report/field_fill.h"
#include "report/format_block.h"

namespace nuvra::report {
namespace {

struct Filled {
    int numbers, texts;
};

struct BlockUse {
    const char* name;
    std::vector<std::pair<int, int>> fixed;  // ranges of fixed lines
    std::map<int, Filled> filled;            // line -> fields filled
};

std::map<int, Filled> each(std::initializer_list<int> lines, Filled f) {
    std::map<int, Filled> m;
    for (int k : lines)
        m[k] = f;
    return m;
}

std::map<int, Filled> merge(std::initializer_list<std::map<int, Filled>> parts) {
    std::map<int, Filled> m;
    for (const auto& p : parts)
        m.insert(p.begin(), p.end());
    return m;
}

const Filled N1{1, 0}, N2{2, 0}, N3{3, 0}, N4{4, 0}, T1{0, 1};

std::map<int, Filled> caseHead() {
    return merge({each({2}, T1), each({3, 4, 8}, N1), each({6}, N2), each({14, 16}, N3),
                  each({15}, {5, 0})});
}

std::vector<BlockUse> uses() {
    return {
        {"設計条件_1",
         {{1, 1}, {3, 4}, {14, 14}},
         merge({each({2}, T1), each({5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 19, 20, 21, 22}, N1)})},
        {"設計条件_2",
         {{1, 4},
          {6, 6},
          {8, 8},
          {10, 10},
          {12, 12},
          {14, 14},
          {16, 19},
          {21, 21},
          {23, 23},
          {25, 25},
          {27, 27},
          {29, 32},
          {34, 34},
          {36, 36},
          {38, 38}},
         merge({each({5, 7, 9, 11, 13, 15, 20, 22, 24, 26, 28, 35, 37}, N1), each({33}, T1)})},
        {"設計条件_かぶり", {{1, 5}, {7, 10}, {12, 13}}, each({6, 11}, N2)},
        {"設計条件_3", {{1, 31}}, {}},
        {"設計条件_4", {{1, 37}}, {}},
        {"外力の計算_1",
         {{1, 3}, {5, 9}, {13, 14}, {16, 16}},
         merge({each({10, 11}, {6, 1}), each({12}, {7, 1}), each({15}, N1)})},
        {"外力の計算_2",
         {{1, 3}, {7, 13}},
         merge({each({4}, {5, 0}), each({5}, N2), each({6}, N1)})},
        {"外力の計算_3",
         {{1, 13}, {17, 17}},
         merge({each({14, 16}, N1), each({15}, N2), each({18}, N3)})},
        {"外力の計算_4",
         {{1, 22}, {26, 26}},
         merge({each({23, 25}, N1), each({24}, N2), each({27}, N4)})},
        {"外力の計算_5",
         {{1, 7}, {9, 10}, {14, 14}, {16, 18}},
         merge({each({8}, {2, 1}), each({11, 13, 20}, N1), each({12, 19}, N2), each({15}, N3)})},
        {"外力の計算_6", {{1, 22}}, {}},
        {"外力の計算_7",
         {{1, 1}, {5, 5}, {7, 7}, {9, 13}, {17, 24}, {27, 28}, {30, 32}},
         merge({caseHead(), each({25, 26}, {3, 1}), each({29}, N1), each({33}, N4)})},
        {"外力の計算_8", {{1, 1}, {5, 5}, {7, 7}, {9, 13}, {17, 18}}, caseHead()},
        {"浮上に対する検討",
         {{1, 2}, {12, 12}},
         merge({each({3, 11}, N2), each({4}, {2, 2}), each({5, 13}, N1),
                each({6, 7, 8, 9, 10}, {0, 0})})},
        {"基礎地盤支持力の検討",
         {{1, 7}, {9, 9}, {11, 17}, {19, 25}, {27, 27}, {30, 36}},
         merge({each({8}, {8, 0}), each({10}, N1), each({18, 28}, N3), each({26}, N2),
                each({29}, {2, 2})})},
        {"たて壁の設計_2",
         {{1, 12}, {16, 17}, {19, 19}},
         merge({each({13, 14, 15}, {7, 1}), each({18}, N2)})},
        {"たて壁の設計_3",
         {{1, 12}, {16, 17}, {19, 19}},
         merge({each({13, 14, 15}, {7, 1}), each({18}, N2)})},
    };
}

// Columns of a printed line: the body indent (2 with margins 0) and the template text.
constexpr std::size_t kPageColumns = 90;
constexpr std::size_t kBodyIndent = 2;

TEST(InstalledTemplate, EveryLineTheChaptersPrintIsThereWithItsFields) {
    const std::string fmt = std::string(NUVRA_BINARY_DIR) + "/bin/Nuvra.FMT";
    for (const BlockUse& use : uses()) {
        SCOPED_TRACE(use.name);
        FormatBlock b = ReadFormatBlock(fmt, use.name);
        for (auto [from, to] : use.fixed)
            for (int k = from; k <= to; ++k) {
                if (use.filled.count(k)) continue;
                ASSERT_TRUE(b.Has(k)) << "line " << k;
                std::string bytes = *toCp932(b.Text(k));
                EXPECT_TRUE(ScanNumberFields(bytes).empty()) << "fixed line " << k;
                EXPECT_TRUE(ScanTextFields(bytes).empty()) << "fixed line " << k;
            }
        for (auto [k, f] : use.filled) {
            ASSERT_TRUE(b.Has(k)) << "line " << k;
            std::string bytes = *toCp932(b.Text(k));
            EXPECT_EQ(static_cast<int>(ScanNumberFields(bytes).size()), f.numbers) << "line " << k;
            EXPECT_EQ(static_cast<int>(ScanTextFields(bytes).size()), f.texts) << "line " << k;
        }
        for (int k = 1; k <= b.Capacity(); ++k)
            if (b.Has(k)) {
                EXPECT_LE(toCp932(b.Text(k))->size() + kBodyIndent, kPageColumns) << "line " << k;
                EXPECT_LE(b.Level(k), 3) << "line " << k;
            }
    }
}

}  // namespace
}  // namespace nuvra::report
