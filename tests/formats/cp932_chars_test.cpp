#include "formats/cp932_chars.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace nuvra::formats {
namespace {

struct CharCase {
    const char* name;
    std::string bytes;
    char32_t code;
    int width;
    bool valid;
};

TEST(RenderCp932Chars, SplitsCharactersWithTheirColumns) {
    const CharCase cases[] = {
        {"ascii", "A", U'A', 1, true},
        {"backslash stays a backslash", "\x5C", U'\\', 1, true},
        {"half-width katakana", "\xB1", U'\uFF71', 1, true},
        {"kanji", "\x8C\x76", U'\u8A08', 2, true},        // 計
        {"circled one", "\x87\x40", U'\u2460', 2, true},  // ①
        {"roman one", "\x87\x54", U'\u2160', 2, true},    // Ⅰ
        {"box drawing", "\x84\x9F", U'\u2500', 2, true},  // ─
        {"lead byte at the end", "\x8C", U'\uFFFD', 1, false},
        {"lead byte before a non-trail byte", "\x8C\x0A", U'\uFFFD', 1, false},
        {"unassigned pair keeps its two columns", "\x85\x40", U'\uFFFD', 2, false},
        {"undefined single byte", "\xA0", U'\uFFFD', 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        formats::Cp932Char ch = formats::cp932CharAt(c.bytes, 0);
        EXPECT_EQ(ch.code, c.code);
        EXPECT_EQ(ch.columns(), c.width);
        EXPECT_EQ(ch.valid, c.valid);
    }
}

TEST(RenderCp932Chars, TableAgreesWithTheConverterOnEveryDoubleByteCharacter) {
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            auto expected = fromCp932(pair);
            bool clean = true;
            std::string got = formats::cp932ToUtf8(pair, &clean);
            ASSERT_EQ(clean, expected.has_value()) << std::hex << lead << " " << trail;
            if (expected) {
                ASSERT_EQ(got, *expected) << std::hex << lead << " " << trail;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 7000);
}

TEST(RenderCp932Chars, DecodesMixedTextAndFlagsDamage) {
    bool clean = false;
    EXPECT_EQ(formats::cp932ToUtf8(*toCp932("水路 H = 1.500 ｍ ｱ"), &clean), "水路 H = 1.500 ｍ ｱ");
    EXPECT_TRUE(clean);
    EXPECT_EQ(formats::cp932ToUtf8("A\x8C", &clean), "A\xEF\xBF\xBD");
    EXPECT_FALSE(clean);
}

}  // namespace
}  // namespace nuvra::formats
