#include "cli/commands.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "design/describe.h"
#include "design/input_file.h"

namespace nuvra::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 2;

bool saveDesign(const DesignData& d, const std::string& path) {
    FileResult r = SaveInputFile(d, path);
    if (r.ok) return true;
    printError(writeFailureMessage(r.errorCode));
    if (!r.detail.empty()) std::fprintf(stderr, "(%s: %s)\n", path.c_str(), r.detail.c_str());
    return false;
}

}  // namespace

bool openDesign(DesignData& d, const std::string& path) {
    OpenResult r = OpenInputFile(d, path);
    if (r.file.ok) return true;
    if (!r.versionMessage.empty()) printError(r.versionMessage);
    printError(readFailureMessage(r.file.errorCode));
    if (!r.file.detail.empty())
        std::fprintf(stderr, "(%s: %s)\n", path.c_str(), r.file.detail.c_str());
    return false;
}

std::string programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

void printError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

int cmdNew(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        printError("usage: nuvra-cli new FILE");
        return kExitFailure;
    }
    DesignData d;
    return saveDesign(d, args[0]) ? kExitOk : kExitFailure;
}

int cmdConvert(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        printError("usage: nuvra-cli convert IN OUT");
        return kExitFailure;
    }
    DesignData d;
    if (!openDesign(d, args[0])) return kExitFailure;
    return saveDesign(d, args[1]) ? kExitOk : kExitFailure;
}

int cmdShow(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        printError("usage: nuvra-cli show FILE");
        return kExitFailure;
    }
    DesignData d;
    if (!openDesign(d, args[0])) return kExitFailure;
    std::fputs(describeDesign(d).c_str(), stdout);
    return kExitOk;
}

}  // namespace nuvra::cli
