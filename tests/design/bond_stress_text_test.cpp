// The allowable bond stress is stored as a bare text item: a text that would not read
// back as the same single item is refused when saving, never written into a file that
// cannot be opened again.
#include <gtest/gtest.h>

#include <string>

#include "common/error_codes.h"
#include "design/input_file.h"
#include "test_util.h"

namespace nuvra {
namespace {

TEST(InputFileBondStress, TextsThatWouldNotReadBackAreRefused) {
    struct Case {
        std::string toa;
        bool stored;
    };
    const Case cases[] = {
        {"1.5", true},   {"0.75", true},   {"1", true},    {"", false},     {" ", false},
        {" 1.5", false}, {"1.5\t", false}, {"1,5", false}, {"1\"5", false}, {"1.5\r\n", false},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        DesignData d;
        d.objInpZairyo.Toa = c.toa;
        const std::string path = dir.file("d.nvr");
        FileResult saved = SaveInputFile(d, path);
        EXPECT_EQ(saved.ok, c.stored) << "\"" << c.toa << "\"";
        if (!saved.ok) {
            EXPECT_EQ(saved.errorCode, kErrUnstorableChar) << "\"" << c.toa << "\"";
            continue;
        }
        DesignData back;
        FileResult read = LoadInputFile(back, path);
        ASSERT_TRUE(read.ok) << read.detail;
        EXPECT_EQ(back, d) << "\"" << c.toa << "\"";
    }
}

// A file whose bond stress item is empty (",") reads, but saving it again is refused
// instead of writing an empty line that shifts every later item.
TEST(InputFileBondStress, AnEmptyItemReadFromAFileIsNotWrittenBack) {
    test::TempDir dir;
    DesignData d;
    std::string bytes;
    ASSERT_TRUE(encodeInputFile(d, bytes).ok);
    const std::string toaLine = "1.5\r\n";
    const std::size_t at = bytes.find("\r\n" + toaLine);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 2, toaLine.size(), ",\r\n");
    test::writeFile(dir.file("empty.nvr"), bytes);
    DesignData read;
    ASSERT_TRUE(LoadInputFile(read, dir.file("empty.nvr")).ok);
    EXPECT_EQ(read.objInpZairyo.Toa, "");
    FileResult saved = SaveInputFile(read, dir.file("again.nvr"));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorCode, kErrUnstorableChar);
}

}  // namespace
}  // namespace nuvra
