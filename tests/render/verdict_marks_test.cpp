#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/cp932.h"
#include "render/verdict_marks.h"

namespace nuvra::render {
namespace {

std::string cp932(const std::string& utf8) {
    std::optional<std::string> out = toCp932(utf8);
    EXPECT_TRUE(out) << utf8;
    return out.value_or("");
}

TEST(FailedVerdicts, WordsOnCharacterBoundaries) {
    struct Case {
        std::string line;  // UTF-8
        std::vector<int> columns;
    } cases[] = {
        {"σs ＝ 190.00 ＞ σsa ＝ 176.00  OUT", {33}},
        {"│   1.79 OUT │ 62.18 OK │ 0.10 OUT│", {10, 34}},
        {"OUT", {0}},
        {"すべての照査を満足する。", {}},
        {"OUTPUT, ROUTE, OUT1, 2OUT", {}},
        {"(OUT)", {1}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failedVerdictColumns(cp932(c.line)), c.columns) << c.line;
}

// The second byte of a double-byte character may be 'O' (0x4F): a kanji ending in it
// followed by "UT" is no verdict.
TEST(FailedVerdicts, NotInsideADoubleByteCharacter) {
    EXPECT_TRUE(failedVerdictColumns(cp932("碓UT")).empty());  // 碓 is 0x89 0x4F
    EXPECT_EQ(failedVerdictColumns(cp932("碓 OUT")), std::vector<int>{3});
}

}  // namespace
}  // namespace nuvra::render
