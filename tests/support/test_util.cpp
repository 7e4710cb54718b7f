#include "test_util.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace nuvra::test {

TempDir::TempDir() {
    std::string tmpl = std::filesystem::temp_directory_path().string() + "/nuvra-test-XXXXXX";
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string sourcePath(const std::string& rel) {
    return std::string(NUVRA_SOURCE_DIR) + "/" + rel;
}

std::string vectorsDir() {
    for (const char* rel : {"tests/vectors", "../shared/vectors"}) {
        std::string p = sourcePath(rel);
        if (std::filesystem::exists(p + "/vec-01.nvr")) return p;
    }
    return {};
}

}  // namespace nuvra::test
