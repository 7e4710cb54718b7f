// Reading the layout and figure files a print file names: whatever the path points at,
// the read ends, and never holds more than its limit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/error_codes.h"
#include "formats/file_read.h"
#include "test_util.h"

namespace nuvra::formats {
namespace {

struct Case {
    const char* name;
    std::string path;
    std::size_t limit;
    std::int32_t code;
    bool tooLarge;
    std::string bytes;
};

TEST(ReadLimitedFile, EndsAndStaysWithinItsLimitWhateverThePathNames) {
    test::TempDir dir;
    test::writeFile(dir.file("small.lay"), "abc\r\n");
    test::writeFile(dir.file("big.lay"), std::string(100, 'x'));
    ASSERT_EQ(::mkfifo(dir.file("pipe.lay").c_str(), 0600), 0);
    const Case cases[] = {
        {"a file within the limit", dir.file("small.lay"), 5, 0, false, "abc\r\n"},
        {"a file over the limit", dir.file("big.lay"), 99, kErrDeviceIO, true, ""},
        {"a missing file", dir.file("none.lay"), 99, kErrFileNotFound, false, ""},
        {"a folder", dir.path(), 99, kErrPathAccess, false, ""},
        {"an endless device", "/dev/zero", 1000, kErrPathAccess, false, ""},
        {"a pipe without a writer", dir.file("pipe.lay"), 1000, kErrPathAccess, false, ""},
    };
    for (const Case& c : cases) {
        std::string bytes = "left over";
        bool tooLarge = !c.tooLarge;
        EXPECT_EQ(formats::readLimitedFile(c.path, c.limit, bytes, tooLarge), c.code) << c.name;
        EXPECT_EQ(tooLarge, c.tooLarge) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
    }
}

}  // namespace
}  // namespace nuvra::formats
