#include "member_chapter_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "design/input_file.h"

namespace nuvra::report::test {

Design LoadDesign(const std::string& relPath) {
    Design x;
    OpenResult f = OpenInputFile(x.d, nuvra::test::sourcePath(relPath));
    EXPECT_TRUE(f.file.ok) << relPath << ": " << f.file.detail << f.versionMessage;
    x.Run();
    return x;
}

std::vector<std::string> AllDesignFiles() {
    std::vector<std::string> files;
    for (const char* dir : {"examples", "tests/vectors"})
        for (const auto& e : std::filesystem::directory_iterator(nuvra::test::sourcePath(dir)))
            if (e.path().extension() == ".nvr")
                files.push_back(std::string(dir) + "/" + e.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> V(std::initializer_list<const char*> values) {
    return {values.begin(), values.end()};
}

}  // namespace nuvra::report::test
