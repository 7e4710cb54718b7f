#include "common/cp932.h"

#include <gtest/gtest.h>

namespace nuvra {
namespace {

TEST(Cp932, ConvertsBothWays) {
    struct {
        const char* utf8;
        const char* cp932;
    } cases[] = {
        {"ABC", "ABC"},
        {"ケースⅠ", "\x83\x50\x81\x5B\x83\x58\x87\x54"},
        {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"},
        {"表", "\x95\x5C"},  // second byte is a backslash
        {"ｴﾗｰｺｰﾄﾞ ： ", "\xB4\xD7\xB0\xBA\xB0\xC4\xDE\x20\x81\x46\x20"},
        {"～", "\x81\x60"},
        {"β", "\x83\xC0"},
        {"㎡", "\x87\x75"},
    };
    for (const auto& c : cases) {
        auto to = toCp932(c.utf8);
        ASSERT_TRUE(to) << c.utf8;
        EXPECT_EQ(*to, c.cp932) << c.utf8;
        auto back = fromCp932(c.cp932);
        ASSERT_TRUE(back) << c.utf8;
        EXPECT_EQ(*back, c.utf8);
    }
}

TEST(Cp932, RefusesWhatItCannotHold) {
    for (const char* s : {"😀", "m²", "a·b", "\xC3\x28" /* invalid UTF-8 */, "\xE3\x81"}) {
        EXPECT_FALSE(toCp932(s)) << s;
    }
    EXPECT_EQ(firstUnmappable("m²x"), "²");
    EXPECT_EQ(firstUnmappable("表"), "");
}

TEST(Cp932, InvalidBytesAreAnErrorNeverACrash) {
    for (const char* s : {"\x81", "\x81\x20", "\xFF", "A\x85\x40", "\xA0"}) {
        EXPECT_FALSE(fromCp932(s)) << static_cast<int>(static_cast<unsigned char>(s[0]));
        EXPECT_FALSE(fromCp932Lossy(s).empty());
    }
    EXPECT_EQ(fromCp932Lossy("A\xFF"
                             "B"),
              "A\xEF\xBF\xBD"
              "B");
}

TEST(Cp932, LengthsInBytesAndCharacters) {
    EXPECT_EQ(cp932Length("ABC"), 3u);
    EXPECT_EQ(cp932Length("たて壁"), 6u);
    EXPECT_EQ(cp932Length("ﾌｰﾁﾝｸﾞ"), 6u);
    EXPECT_FALSE(cp932Length("😀"));
    EXPECT_EQ(utf8Length("1.00β"), 5u);
    EXPECT_EQ(utf8Length(""), 0u);
}

TEST(Cp932, LeadBytes) {
    EXPECT_TRUE(isCp932LeadByte(0x81));
    EXPECT_TRUE(isCp932LeadByte(0x9F));
    EXPECT_TRUE(isCp932LeadByte(0xE0));
    EXPECT_FALSE(isCp932LeadByte(0xA0));
    EXPECT_FALSE(isCp932LeadByte(0xDF));  // half-width katakana
    EXPECT_FALSE(isCp932LeadByte('#'));
}

}  // namespace
}  // namespace nuvra
