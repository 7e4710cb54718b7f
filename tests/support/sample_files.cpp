#include "sample_files.h"

#include <filesystem>
#include <stdexcept>

#include "common/cp932.h"
#include "test_util.h"

namespace nuvra::render::test {

std::string fileBytes(const std::string& utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.compare(i, 4, "<FF>") == 0) {
            text += '\f';
            i += 3;
        } else if (utf8[i] == '\n') {
            text += "\r\n";
        } else {
            text += utf8[i];
        }
    }
    auto bytes = toCp932(text);
    if (!bytes)
        throw std::runtime_error("sample text not representable in CP932: " +
                                 firstUnmappable(text));
    return *bytes;
}

void writeTextFile(const std::string& path, const std::string& utf8) {
    nuvra::test::writeFile(path, fileBytes(utf8));
}

void writeSampleFiles(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(nuvra::test::sourcePath("tests/render/data"))) {
        std::string name = entry.path().filename().string();
        std::string target = name == "report.txt" ? "report.prn" : name;
        writeTextFile(dir + "/" + target, nuvra::test::readFile(entry.path().string()));
    }
}

}  // namespace nuvra::render::test
