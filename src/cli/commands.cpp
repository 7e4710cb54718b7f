#include "cli/commands.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <system_error>

#include "calc/run/run_faults.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "common/interrupt_cleanup.h"
#include "design/describe.h"
#include "design/input_file.h"

namespace nuvra::cli {
namespace {

constexpr const char* kNewUsage = "usage: nuvra-cli new FILE.nvr [--force]";
constexpr const char* kConvertUsage = "usage: nuvra-cli convert IN.nvr OUT.nvr";
constexpr const char* kShowUsage = "usage: nuvra-cli show FILE.nvr";

// The cause of a file error in words, for the line under the desktop program's message.
std::string codeReason(std::int32_t code) {
    switch (code) {
        case kErrOverflowValue:
            return "数値が範囲を超えています";
        case kErrTypeMismatch:
            return "数値として読めない項目があります";
        case kErrBadFileName:
            return "ファイル名が正しくありません";
        case kErrFileNotFound:
            return "ファイルが見つかりません";
        case kErrDeviceIO:
            return "入出力エラーが発生しました";
        case kErrDiskFull:
            return "ディスクの空き容量が足りません";
        case kErrInputPastEnd:
            return "ファイルが途中で終わっています";
        case kErrPermissionDenied:
            return "書き込みが禁止されています";
        case kErrPathAccess:
            return "通常のファイルではないか、アクセスできません";
        case kErrPathNotFound:
            return "フォルダーが見つかりません";
        case kErrUnstorableChar:
            return "件名に二重引用符か改行が含まれています";
        case kErrNotCp932:
            return "シフトJISで表せない文字が含まれています";
        default:
            return "エラー " + std::to_string(code);
    }
}

// "item 5 (line 9): ..." of the reader becomes "項目 5（9 行目）".
std::string where(const std::string& detail) {
    std::smatch m;
    static const std::regex item(R"(item (\d+) \(line (\d+)\))");
    if (std::regex_search(detail, m, item))
        return "項目 " + m[1].str() + "（" + m[2].str() + " 行目）: ";
    return {};
}

bool hasDesignExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".nvr";
}

bool saveDesign(const DesignData& d, const std::string& path) {
    if (!hasDesignExtension(path)) {
        printError("設計ファイルの拡張子は .nvr にしてください: " + path);
        return false;
    }
    InterruptCleanup guard;
    guard.AddSweptFolder(FolderOf(path));
    FileResult r = SaveInputFile(d, path);
    if (r.ok) return true;
    printError(writeFailureMessage(r.errorCode));
    printError("（" + path + ": " + codeReason(r.errorCode) + "）");
    return false;
}

}  // namespace

void printError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

void printRunFailure(const calc::ResultStore& store, const std::string& consequence) {
    std::string text = "計算の途中でエラーが発生しました。" + consequence;
    for (const calc::RunFault& f : store.faults)
        text += "\n・" + calc::RunFaultText(f);
    printError(text);
}

void printArgumentError(const std::string& what, const std::string& usage) {
    std::fprintf(stderr, "nuvra-cli: %s\n%s\n", what.c_str(), usage.c_str());
}

bool checkReadableFile(const std::string& path, const std::string& what) {
    if (path.empty()) {
        printError(what + "の名前が空です。");
        return false;
    }
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            printError(what + "が見つかりません: " + path);
        else
            printError(what + " " + path + " を開けません（" + SystemReason(errno) + "）。");
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        printError(path + " はフォルダーです。" + what + "を指定してください。");
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        printError(path + " は通常のファイルではありません（デバイスやパイプは読みません）。");
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxWholeFileBytes) {
        printError(what + " " + path + " は大きすぎます。");
        return false;
    }
    return true;
}

bool openDesign(DesignData& d, const std::string& path) {
    if (!checkReadableFile(path, "設計ファイル")) return false;
    if (!hasDesignExtension(path)) {
        printError("設計ファイルの拡張子は .nvr です: " + path);
        return false;
    }
    OpenResult r = OpenInputFile(d, path);
    if (r.file.ok) return true;
    if (!r.versionMessage.empty()) printError(r.versionMessage);
    printError(readFailureMessage(r.file.errorCode));
    if (r.file.errorCode != 0)
        printError("（" + path + ": " + where(r.file.detail) + codeReason(r.file.errorCode) + "）");
    return false;
}

std::string programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

int cmdNew(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool force = false;
    for (const std::string& a : args) {
        if (a == "--force") {
            force = true;
        } else if (a.size() > 1 && a[0] == '-') {
            printArgumentError("不明なオプション \"" + a + "\" です。", kNewUsage);
            return kExitUnusable;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1) {
        printArgumentError(files.empty() ? "作成する設計ファイルが指定されていません。"
                                         : "設計ファイルは一つだけ指定してください。",
                           kNewUsage);
        return kExitUnusable;
    }
    std::error_code ec;
    if (!force && std::filesystem::symlink_status(files[0], ec).type() !=
                      std::filesystem::file_type::not_found) {
        printError(files[0] + " はすでにあります。上書きするときは --force を付けてください。");
        return kExitUnusable;
    }
    DesignData d;
    return saveDesign(d, files[0]) ? kExitOk : kExitUnusable;
}

int cmdConvert(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        printArgumentError("変換元と変換先の二つのファイルを指定してください。", kConvertUsage);
        return kExitUnusable;
    }
    DesignData d;
    if (!openDesign(d, args[0])) return kExitUnusable;
    return saveDesign(d, args[1]) ? kExitOk : kExitUnusable;
}

int cmdShow(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        printArgumentError("設計ファイルを一つ指定してください。", kShowUsage);
        return kExitUnusable;
    }
    DesignData d;
    if (!openDesign(d, args[0])) return kExitUnusable;
    std::fputs(describeDesign(d).c_str(), stdout);
    return kExitOk;
}

}  // namespace nuvra::cli
