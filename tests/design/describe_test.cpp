#include "design/describe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace nuvra {
namespace {

// Terminal columns as the listing counts them: Greek and half-width kana one, other
// non-ASCII characters two.
std::size_t columnsBefore(const std::string& line, const std::string& value) {
    const std::string head = line.substr(0, line.find(value));
    std::size_t cols = 0;
    for (std::size_t i = 0; i < head.size();) {
        const auto b = static_cast<unsigned char>(head[i]);
        const std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const bool greek = len == 2 && (b == 0xCE || b == 0xCF);
        const bool halfKana = len == 3 && b == 0xEF &&
                              (static_cast<unsigned char>(head[i + 1]) == 0xBD ||
                               static_cast<unsigned char>(head[i + 1]) == 0xBE);
        cols += len == 1 || greek || halfKana ? 1 : 2;
        i += len;
    }
    return cols;
}

TEST(DescribeDesign, ValuesStandInOneColumnWhateverTheSymbol) {
    DesignData d;
    std::istringstream lines(describeDesign(d));
    std::string line;
    std::size_t column = 0;
    int checked = 0;
    while (std::getline(lines, line)) {
        // Rows whose symbol is Greek, Latin, kanji or half-width kana.
        for (const char* symbol : {"γsc ", "σck ", "Ec ", "材質 ", "ﾌｰﾁﾝｸﾞ上側 ", "たて壁外側 "}) {
            if (line.rfind(std::string("  ") + symbol, 0) != 0) continue;
            std::size_t after = line.find_first_not_of(' ', 2 + std::string(symbol).size());
            ASSERT_NE(after, std::string::npos) << line;
            std::size_t col = columnsBefore(line, line.substr(after));
            if (column == 0) column = col;
            EXPECT_EQ(col, column) << line;
            ++checked;
        }
    }
    EXPECT_GE(checked, 6);
}

TEST(DescribeDesign, BarsAreDForDeformedAndPhiForRoundBars) {
    const struct {
        int Zai;
        const char* bar;
    } cases[] = {{1, "φ16 @300"}, {2, "D16 @300"}, {3, "D16 @300"}};
    for (const auto& c : cases) {
        DesignData d;
        d.objInpZairyo.Zai = c.Zai;
        d.objInpHaikin.TateSoto.Dia = 16;
        d.objInpHaikin.TateSoto.ctc = 300;
        EXPECT_NE(describeDesign(d).find(c.bar), std::string::npos) << c.Zai;
    }
}

}  // namespace
}  // namespace nuvra
