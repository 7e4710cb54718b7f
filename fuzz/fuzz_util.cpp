#include "fuzz_util.h"

#include <stdlib.h>  // mkdtemp
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace nuvra::fuzz {
namespace {

std::string makeScratch() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string tmpl = (base / "nuvra-fuzz-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) Fail("cannot create a scratch folder", tmpl);
    static std::string removeAtExit;
    removeAtExit = tmpl;
    std::atexit([] {
        std::error_code e;
        std::filesystem::remove_all(removeAtExit, e);
    });
    return tmpl;
}

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = makeScratch();
    return folder;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    std::string path = ScratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) Fail("cannot write the scratch file", path);
    return path;
}

std::string AppFolder() {
    const char* env = std::getenv("NUVRA_FUZZ_APP_FOLDER");
    return env && *env ? env : NUVRA_FUZZ_APP_FOLDER;
}

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz property broken: %s\n%s\n", what, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace nuvra::fuzz
