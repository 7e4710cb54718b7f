#include "common/ini_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/cp932.h"
#include "test_util.h"

namespace nuvra {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::string cp(const std::string& utf8) {
    return toCp932(utf8).value();
}

TEST(IniProfile, ReadsFollowPrivateProfileMatching) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    writeFile(ini, cp("top=1\r\n"  // before any section: belongs to none
                      "[MenuMain]\r\n"
                      "Top=2355.5\r\n"
                      "  left  =  -300  \r\n"
                      "Top=99\r\n"  // second key of the name: ignored
                      "; Width=7\r\n"
                      "NoValue\r\n"
                      "[ filename ]\r\n"
                      "InitDir = \"/home/user/設計 データ\" \r\n"
                      "Single='x'\r\n"
                      "Odd=\"x\r\n"
                      "Plus=+42abc\r\n"
                      "Words=abc\r\n"
                      "Big=2147483648\r\n"
                      "Min=-2147483648\r\n"
                      "[MenuMain]\r\n"
                      "Height=5\r\n"  // second section of the name: ignored
                      "[Chapter]\n"
                      "Method=2\r"
                      "Style1=1"));
    struct {
        const char* section;
        const char* key;
        std::int32_t asLong;
        const char* asText;
    } cases[] = {
        {"MenuMain", "Top", 2355, "2355.5"},
        {"menumain", "TOP", 2355, "2355.5"},
        {"MenuMain", "Left", -300, "-300"},
        {"MenuMain", "Width", 0, ""},
        {"MenuMain", "NoValue", 0, ""},
        {"MenuMain", "Height", 0, ""},
        {"FileName", "InitDir", 0, "/home/user/設計 データ"},
        {"FileName", "Single", 0, "x"},
        {"FileName", "Odd", 0, "\"x"},
        {"FileName", "Plus", 42, "+42abc"},
        {"FileName", "Words", 0, "abc"},
        {"FileName", "Big", 0, "2147483648"},
        {"FileName", "Min", -2147483647 - 1, "-2147483648"},
        {"Chapter", "Method", 2, "2"},
        {"Chapter", "Style1", 1, "1"},
        {"Missing", "Top", 0, ""},
        {"", "top", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(CPrivateProfile::GetValueLong(ini, c.section, c.key), c.asLong);
        EXPECT_EQ(CPrivateProfile::GetValueString(ini, c.section, c.key), c.asText);
    }
}

TEST(IniProfile, MissingOrUnreadableFileReadsDefaults) {
    TempDir dir;
    EXPECT_EQ(CPrivateProfile::GetValueLong(dir.file("none.INI"), "MenuMain", "Top"), 0);
    EXPECT_EQ(CPrivateProfile::GetValueString(dir.file("none.INI"), "MenuMain", "Top"), "");
    EXPECT_EQ(CPrivateProfile::GetValueLong(dir.path(), "MenuMain", "Top"), 0);  // a folder
}

TEST(IniProfile, LongValuesAreCutAt127Characters) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    std::string ascii(200, 'a'), wide;
    for (int i = 0; i < 130; ++i)
        wide += "設";
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "A", ascii));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "W", wide));
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "A"), std::string(127, 'a'));
    EXPECT_EQ(utf8Length(CPrivateProfile::GetValueString(ini, "FileName", "W")), 127u);
}

TEST(IniProfile, FirstWriteCreatesFileSectionAndKey) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "MenuMain", "Top", "2355"));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "MenuMain", "Left", "120"));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "FileName1", "/tmp/水路.nvr"));
    EXPECT_EQ(readFile(ini), cp("[MenuMain]\r\nTop=2355\r\nLeft=120\r\n"
                                "\r\n[FileName]\r\nFileName1=/tmp/水路.nvr\r\n"));
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "FileName1"), "/tmp/水路.nvr");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"), 2355);
}

TEST(IniProfile, WritesChangeOneLineAndKeepEveryOtherByte) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    const std::string original = cp("; 設定\r\n"
                                    "[MenuMain]\r\n"
                                    "  TOP = 1 \r\n"
                                    "Left=2\n"
                                    "\r\n"
                                    "[Chapter]\r\n"
                                    "Method=1\r\n"
                                    "; note\r\n"
                                    "\r\n"
                                    "[Last]\r\n"
                                    "X=") +
                                 "\x81";  // an undecodable tail and no final line end
    struct {
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        // An existing key keeps its spelling and its line end.
        {"menumain", "top", "2355",
         cp("; 設定\r\n[MenuMain]\r\nTOP=2355\r\nLeft=2\n\r\n[Chapter]\r\nMethod=1\r\n"
            "; note\r\n\r\n[Last]\r\nX=") +
             "\x81"},
        // A new key goes after the section's last entry, before comments and blanks.
        {"Chapter", "Style1", "3",
         cp("; 設定\r\n[MenuMain]\r\n  TOP = 1 \r\nLeft=2\n\r\n[Chapter]\r\nMethod=1\r\n"
            "Style1=3\r\n; note\r\n\r\n[Last]\r\nX=") +
             "\x81"},
        // The last line had no line end: one is added before the new key.
        {"Last", "Y", "全角",
         cp("; 設定\r\n[MenuMain]\r\n  TOP = 1 \r\nLeft=2\n\r\n[Chapter]\r\nMethod=1\r\n"
            "; note\r\n\r\n[Last]\r\nX=") +
             "\x81" + cp("\r\nY=全角\r\n")},
        {"New", "K", "",
         cp("; 設定\r\n[MenuMain]\r\n  TOP = 1 \r\nLeft=2\n\r\n[Chapter]\r\nMethod=1\r\n"
            "; note\r\n\r\n[Last]\r\nX=") +
             "\x81" + cp("\r\n\r\n[New]\r\nK=\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        writeFile(ini, original);
        ASSERT_TRUE(CPrivateProfile::SetValueString(ini, c.section, c.key, c.value));
        EXPECT_EQ(readFile(ini), c.expected);
        EXPECT_EQ(CPrivateProfile::GetValueString(ini, c.section, c.key), c.value);
    }
}

TEST(IniProfile, UnstorableWritesAreRefusedAndLeaveTheFile) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    const std::string original = "[A]\r\nk=1\r\n";
    struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"A", "k", "two\r\nlines"}, {"A", "", "1"},    {"A", "a=b", "1"},
        {"A]", "k", "1"},           {"A\n", "k", "1"}, {"A", "[k", "1"},
        {"A", ";k", "1"},           {"A", "k", "😀"},   {"A", "中·", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "/" + c.value);
        writeFile(ini, original);
        EXPECT_FALSE(CPrivateProfile::SetValueString(ini, c.section, c.key, c.value));
        EXPECT_EQ(readFile(ini), original);
    }
}

TEST(IniProfile, FileErrorsReportFalse) {
    TempDir dir;
    EXPECT_FALSE(CPrivateProfile::SetValueString(dir.file("no/such/Nuvra.INI"), "A", "k", "1"));
    EXPECT_FALSE(CPrivateProfile::SetValueString(dir.path(), "A", "k", "1"));  // a folder
    if (::geteuid() != 0) {
        std::string ini = dir.file("locked.INI");
        writeFile(ini, "[A]\r\nk=1\r\n");
        ::chmod(ini.c_str(), 0);
        EXPECT_FALSE(CPrivateProfile::SetValueString(ini, "A", "k", "2"));
        ::chmod(ini.c_str(), 0600);
        EXPECT_EQ(readFile(ini), "[A]\r\nk=1\r\n");
    }
}

TEST(IniProfile, RoundTripsInCp932) {
    TempDir dir;
    std::string ini = dir.file("Nuvra.INI");
    const char* values[] = {"2355",  "-300", "/home/技術/ソ表能/水路①.nvr", "ｴﾗｰ", "  padded  ",
                            "a=b;c", ""};
    int n = 0;
    for (const char* v : values) {
        std::string key = "Key" + std::to_string(++n);
        ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "連番", key, v));
    }
    n = 0;
    for (const char* v : values) {
        std::string key = "key" + std::to_string(++n);
        std::string expected = v;
        if (expected == "  padded  ") expected = "padded";  // blanks around values drop
        EXPECT_EQ(CPrivateProfile::GetValueString(ini, "連番", key), expected);
    }
    // The file holds CP932 bytes: 表 ends in the byte 0x5C, which must not confuse parsing.
    std::string bytes = readFile(ini);
    EXPECT_NE(bytes.find(cp("Key3=/home/技術/ソ表能/水路①.nvr\r\n")), std::string::npos);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "連番", "Key2"), -300);
}

}  // namespace
}  // namespace nuvra
