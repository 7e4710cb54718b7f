#include "cli/report_command.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "calc/loads/calc_run.h"
#include "cli/commands.h"
#include "common/file_util.h"
#include "design/input_file.h"
#include "report/report_generation.h"

namespace nuvra::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitChapterFailed = 1;
constexpr int kExitFailure = 2;

constexpr const char* kUsage =
    "usage: nuvra-cli report FILE (-o DIR | --pdf OUT.pdf | both) [--chapters 1,2,5] [--ini FILE]\n"
    "       chapters by file number: 1 設計条件, 2 外力の計算, 3 浮上に対する検討,\n"
    "       4 基礎地盤支持力の検討, 5 たて壁の設計, 6 底版の設計, 7 フーチングの設計,\n"
    "       8 たて壁鉄筋の段落としの検討, 9 照査結果一覧";

struct Request {
    std::string file, folder, ini, pdf;
    std::vector<int> chapters;  // 0-based rows; empty: the default choice
    bool chaptersGiven = false;
};

// "1,2,5" -> rows 0, 1, 4; every number must be a chapter file 1-9.
bool parseChapters(const std::string& list, std::vector<int>& rows) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        long v = std::strtol(item.c_str(), &end, 10);
        if (item.empty() || *end != '\0' || v < 1 ||
            v > static_cast<long>(report::StandardChapterRows().size()))
            return false;
        rows.push_back(static_cast<int>(v) - 1);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !rows.empty();
}

bool parse(const std::vector<std::string>& args, Request& r) {
    int files = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o") {
            if (!hasValue || !r.folder.empty()) return false;
            r.folder = args[++i];
        } else if (a == "--pdf") {
            if (!hasValue || !r.pdf.empty()) return false;
            r.pdf = args[++i];
        } else if (a == "--ini") {
            if (!hasValue || !r.ini.empty()) return false;
            r.ini = args[++i];
        } else if (a == "--chapters") {
            if (!hasValue || r.chaptersGiven || !parseChapters(args[++i], r.chapters)) return false;
            r.chaptersGiven = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return false;
        } else {
            r.file = a;
            ++files;
        }
    }
    return files == 1 && (!r.folder.empty() || !r.pdf.empty());
}

extern "C" char** environ;

// Renders the combined print file with the viewer beside this program
// ("ospex --pdf OUT FILE"), started with an argument vector and waited for.
int renderPdf(const std::string& combined, const std::string& pdf) {
    const std::string viewer = programFolder() + "/ospex";
    std::error_code ec;
    if (!std::filesystem::exists(viewer, ec)) {
        printError("PDF を作成するビューア (" + viewer + ") が見つかりません。");
        return kExitFailure;
    }
    std::vector<std::string> argv = {viewer, "--pdf", pdf, combined};
    std::vector<char*> cargv;
    for (std::string& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);
    pid_t pid;
    if (::posix_spawn(&pid, viewer.c_str(), nullptr, nullptr, cargv.data(), environ) != 0) {
        printError("PDF を作成するビューアを起動できませんでした。");
        return kExitFailure;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return kExitFailure;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        printError("PDF を作成できませんでした。");
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int cmdReport(const std::vector<std::string>& args) {
    Request r;
    if (!parse(args, r)) {
        printError(kUsage);
        return kExitFailure;
    }
    DesignData d;
    if (!openDesign(d, r.file)) return kExitFailure;
    calc::ResultStore store;
    if (!calc::RunCalculation(d, store)) {
        // The report is written from a complete calculation only.
        printError("計算の途中でエラーが発生しました。計算書は作成しません。");
        return kExitFailure;
    }
    // Print and layout files name the files they refer to by their full paths.
    // A PDF-only run writes them into a scratch folder that goes with it.
    ScratchFolder scratch("nuvra-report-");
    if (r.folder.empty()) {
        if (scratch.path().empty()) {
            printError("作業用フォルダを作成できませんでした。");
            return kExitFailure;
        }
        r.folder = scratch.path();
    }
    std::error_code ec;
    std::filesystem::create_directories(r.folder, ec);
    std::filesystem::path folder = std::filesystem::weakly_canonical(r.folder, ec);
    if (ec) folder = std::filesystem::absolute(r.folder, ec);

    report::GenerationOptions options;
    options.AppFolder = programFolder();
    options.SettingsIniPath = r.ini;
    options.OutputFolder = folder.string();
    options.StableNames = true;
    report::ReportGeneration gen(options);
    gen.KeepFiles();
    report::GenerationResult result = gen.Generate(d, store);

    const std::vector<int> chosen = r.chaptersGiven ? r.chapters : gen.DefaultChoice();
    const std::string combined = gen.Combine(chosen);
    if (!r.pdf.empty()) {
        if (combined.empty()) {
            printError("印刷項目はひとつ以上選択して下さい。");
            return kExitFailure;
        }
        if (!result.Ok) std::fprintf(stderr, "%s\n", result.Message.c_str());
        const int rendered = renderPdf(combined, r.pdf);
        if (rendered != kExitOk) return rendered;
        return result.Ok ? kExitOk : kExitChapterFailed;
    }
    for (int i = 0; i < gen.RowCount(); ++i)
        if (!gen.ChapterFile(i).empty()) std::printf("%s\n", gen.ChapterFile(i).c_str());
    for (int i = 1; i <= gen.Figures().FigureFileCount(); ++i)
        std::printf("%s\n", gen.Figures().FigureFile(i).c_str());
    if (!combined.empty()) {
        std::string rows;
        for (int i : chosen)
            rows += (rows.empty() ? "" : ",") + std::to_string(i + 1);
        std::printf("%s (%s)\n", combined.c_str(), rows.c_str());
    }
    if (!result.Ok) {
        std::fprintf(stderr, "%s\n", result.Message.c_str());
        return kExitChapterFailed;
    }
    return kExitOk;
}

}  // namespace nuvra::cli
