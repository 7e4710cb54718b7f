#include "cli/report_command.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "calc/run/calc_run.h"
#include "cli/commands.h"
#include "common/file_util.h"
#include "common/interrupt_cleanup.h"
#include "design/input_file.h"
#include "report/report_generation.h"

namespace nuvra::cli {
namespace {

constexpr const char* kUsage =
    "usage: nuvra-cli report FILE (-o DIR | --pdf OUT.pdf | both) [--chapters 1,2,5] [--ini FILE]\n"
    "                        [--force]\n"
    "       chapters by file number: 1 設計条件, 2 外力の計算, 3 浮上に対する検討,\n"
    "       4 基礎地盤支持力の検討, 5 たて壁の設計, 6 底版の設計, 7 フーチングの設計,\n"
    "       8 たて壁鉄筋の段落としの検討, 9 照査結果一覧";

constexpr const char* kLockName = ".nuvra-report.lock";

struct Request {
    std::string file, folder, ini, pdf;
    std::vector<int> chapters;  // 0-based rows; empty: the default choice
    bool chaptersGiven = false;
    bool force = false;
};

// "1,2,5" -> rows 0, 1, 4; every number must be a chapter file 1 to `count`.
bool parseChapters(const std::string& list, int count, std::vector<int>& rows) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        long v = std::strtol(item.c_str(), &end, 10);
        if (item.empty() || *end != '\0' || v < 1 || v > count) return false;
        rows.push_back(static_cast<int>(v) - 1);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !rows.empty();
}

// Empty when the arguments can be used, otherwise what is wrong with them.
std::string parse(const std::vector<std::string>& args, int chapterCount, Request& r) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto takeOnce = [&](std::string& into) -> std::string {
            if (!hasValue) return a + " の値がありません。";
            if (!into.empty()) return a + " が二度指定されています。";
            into = args[++i];
            if (into.empty()) return a + " の値が空です。";
            return {};
        };
        std::string error;
        if (a == "-o") {
            error = takeOnce(r.folder);
        } else if (a == "--pdf") {
            error = takeOnce(r.pdf);
        } else if (a == "--ini") {
            error = takeOnce(r.ini);
        } else if (a == "--force") {
            r.force = true;
        } else if (a == "--chapters") {
            if (!hasValue) return "--chapters の値がありません。";
            if (r.chaptersGiven) return "--chapters が二度指定されています。";
            if (!parseChapters(args[++i], chapterCount, r.chapters))
                return "--chapters \"" + args[i] + "\" は 1 から " + std::to_string(chapterCount) +
                       " までの章番号をコンマで区切って指定してください。";
            r.chaptersGiven = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return "不明なオプション \"" + a + "\" です。";
        } else {
            files.push_back(a);
        }
        if (!error.empty()) return error;
    }
    if (files.empty()) return "設計ファイルが指定されていません。";
    if (files.size() > 1) return "設計ファイルは一つだけ指定してください（\"" + files[1] + "\"）。";
    r.file = files[0];
    if (r.folder.empty() && r.pdf.empty()) return "-o DIR か --pdf OUT.pdf を指定してください。";
    return {};
}

// The records the desktop program wants confirmed before it offers printing.
std::string unconfirmedRecords(const DesignData& d) {
    std::string names;
    auto add = [&names](bool confirmed, const char* name) {
        if (!confirmed) names += (names.empty() ? "" : "、") + std::string(name);
    };
    add(d.objInpJyoken.InpFlg, "設計条件");
    add(d.objInpMorido.InpFlg, "盛土条件");
    add(d.objInpKiso.InpFlg, "基礎地盤条件");
    add(d.objInpKaburi.InpFlg, "鉄筋かぶり");
    add(d.objInpZairyo.InpFlg, "材料条件");
    return names;
}

// The output folder belongs to one report run at a time: an exclusive lock on a file in
// it, held for the whole run and released (also by the system when the process dies).
class FolderLock {
  public:
    // Empty when the folder is ours; otherwise the reason it is not.
    std::string Acquire(const std::string& folder) {
        path_ = folder + "/" + kLockName;
        for (int attempt = 0; attempt < 20; ++attempt) {
            if (CheckWriteTarget(path_, true) == ELOOP)
                return path_ + " がシンボリックリンクです。";
            fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (fd_ < 0)
                return "フォルダー " + folder + " に書き込めません（" + SystemReason(errno) +
                       "）。";
            if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
                const int err = errno;
                ::close(fd_);
                fd_ = -1;
                if (err == EWOULDBLOCK)
                    return "フォルダー " + folder +
                           " には別の nuvra-cli report "
                           "が計算書を作成中です。終わってから実行するか、別のフォルダーを指定して"
                           "ください。";
                return "フォルダー " + folder + " を使えません（" + SystemReason(err) + "）。";
            }
            // The previous owner may have removed the file between our open and our lock;
            // a lock on a removed file protects nothing, so take the new one.
            struct stat mine, there;
            if (::fstat(fd_, &mine) == 0 && ::lstat(path_.c_str(), &there) == 0 &&
                mine.st_ino == there.st_ino && mine.st_dev == there.st_dev)
                return {};
            ::close(fd_);
            fd_ = -1;
        }
        return "フォルダー " + folder + " をロックできません。";
    }
    ~FolderLock() {
        if (fd_ < 0) return;
        ::unlink(path_.c_str());  // while still holding the lock
        ::close(fd_);
    }

  private:
    std::string path_;
    int fd_ = -1;
};

extern "C" char** environ;

// Renders the combined print file with the viewer beside this program
// ("ospex --pdf OUT FILE"), started with an argument vector and waited for. The viewer
// gets the signals that stop this program, so that it removes its own scratch file.
int renderPdf(const std::string& combined, const std::string& pdf, InterruptCleanup& guard) {
    const std::string viewer = programFolder() + "/ospex";
    std::error_code ec;
    if (!std::filesystem::exists(viewer, ec)) {
        printError("PDF を作成するビューア (" + viewer + ") が見つかりません。");
        return kExitFailed;
    }
    std::vector<std::string> argv = {viewer, "--pdf", pdf, combined};
    std::vector<char*> cargv;
    for (std::string& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);
    posix_spawnattr_t attr;
    ::posix_spawnattr_init(&attr);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGHUP);
    ::posix_spawnattr_setsigmask(&attr, &none);
    ::posix_spawnattr_setsigdefault(&attr, &defaults);
    ::posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid;
    const int spawned = ::posix_spawn(&pid, viewer.c_str(), nullptr, &attr, cargv.data(), environ);
    ::posix_spawnattr_destroy(&attr);
    if (spawned != 0) {
        printError("PDF を作成するビューアを起動できませんでした（" + SystemReason(spawned) +
                   "）。");
        return kExitFailed;
    }
    guard.AddChild(pid);
    int status = 0;
    pid_t waited;
    while ((waited = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    guard.RemoveChild(pid);
    if (waited != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        printError("PDF ファイル " + pdf + " を作成できませんでした。");
        return WIFEXITED(status) && WEXITSTATUS(status) == 2 ? kExitUnusable : kExitFailed;
    }
    return kExitOk;
}

// The folder DIR of -o, made when missing and given as an absolute path (print and
// layout files name the files they refer to by full path).
std::string outputFolder(const std::string& given, std::string& error) {
    std::error_code ec;
    std::filesystem::path abs = std::filesystem::absolute(given, ec);
    if (ec) {
        error = "出力フォルダー " + given + " を使えません。";
        return {};
    }
    std::filesystem::create_directories(abs, ec);
    if (!std::filesystem::is_directory(abs)) {
        error = "出力フォルダー " + given + " を作成できません（" +
                SystemReason(ec ? ec.value() : ENOTDIR) + "）。";
        return {};
    }
    std::filesystem::path canon = std::filesystem::weakly_canonical(abs, ec);
    return (ec ? abs : canon).string();
}

}  // namespace

int cmdReport(const std::vector<std::string>& args) {
    InterruptCleanup guard;
    const std::vector<report::ChapterRow> rows = report::StandardChapterRows();
    const int chapterCount = static_cast<int>(rows.size());
    Request r;
    if (std::string error = parse(args, chapterCount, r); !error.empty()) {
        printArgumentError(error, kUsage);
        return kExitUnusable;
    }
    if (!r.ini.empty() && !checkReadableFile(r.ini, "設定ファイル")) return kExitUnusable;
    if (!r.pdf.empty()) {
        if (int err = CheckWriteTarget(r.pdf, false)) {
            printError("PDF ファイル " + r.pdf + " を書き込めません（" + SystemReason(err) +
                       "）。");
            return kExitUnusable;
        }
    }
    DesignData d;
    if (!openDesign(d, r.file)) return kExitUnusable;
    if (const std::string names = unconfirmedRecords(d); !names.empty() && !r.force) {
        printError("確定していない入力があります（" + names +
                   "）。デスクトップ版で確定するか、--force を付けて実行してください。");
        return kExitUnusable;
    }
    calc::ResultStore store;
    if (!calc::RunCalculation(d, store)) {
        // The report is written from a complete calculation only.
        printRunFailure(store, "計算書は作成しません。");
        return kExitFailed;
    }

    // A PDF-only run writes its files into a scratch folder that goes with it.
    std::optional<ScratchFolder> scratch;
    std::string folder;
    if (r.folder.empty()) {
        guard.MakePath([&scratch] {
            scratch.emplace("nuvra-report-");
            return scratch->path();
        });
        if (scratch->path().empty()) {
            printError("作業用フォルダーを作成できませんでした（" + SystemReason(errno) + "）。");
            return kExitFailed;
        }
        folder = scratch->path();
    } else {
        std::string error;
        folder = outputFolder(r.folder, error);
        if (folder.empty()) {
            printError(error);
            return kExitUnusable;
        }
        guard.AddSweptFolder(folder);
    }
    FolderLock lock;
    std::string busy;
    guard.MakePath([&] {
        busy = lock.Acquire(folder);
        return busy.empty() ? folder + "/" + kLockName : std::string();
    });
    if (!busy.empty()) {
        printError(busy);
        return kExitUnusable;
    }

    report::GenerationOptions options;
    options.AppFolder = programFolder();
    options.SettingsIniPath = r.ini;
    options.OutputFolder = folder;
    options.StableNames = true;
    report::ReportGeneration gen(options, rows);
    gen.KeepFiles();
    const report::GenerationResult result = gen.Generate(d, store);

    std::vector<int> chosen;
    for (int i : r.chaptersGiven ? r.chapters : gen.DefaultChoice())
        if (gen.ChapterEnabled(i)) chosen.push_back(i);
    for (std::size_t k = 0; k < result.FailedRows.size(); ++k) {
        const int row = result.FailedRows[k] - 1;
        printError(report::ChapterFailureMessage(gen.Row(row).Caption) + "（" + result.Causes[k] +
                   "）");
    }
    bool chosenFailed = false;
    for (int i : chosen)
        for (int failed : result.FailedRows)
            if (failed == i + 1) chosenFailed = true;

    std::string combined;
    if (chosen.empty()) {
        gen.DropCombined();
        printError(
            "選んだ章には印刷する内容がありません（浮上に対する検討は揚圧力がないとき、"
            "フーチングの設計はフーチングがないとき空です）。");
    } else if (chosenFailed) {
        gen.DropCombined();
        printError("作成できなかった章があるため、結合した印刷ファイルは作成しません。");
    } else {
        combined = gen.Combine(chosen);
        if (combined.empty()) printError(gen.CombineError());
    }

    if (!r.folder.empty()) {
        for (int i = 0; i < gen.RowCount(); ++i)
            if (!gen.ChapterFile(i).empty()) std::printf("%s\n", gen.ChapterFile(i).c_str());
        for (int i = 1; i <= gen.Figures().FigureFileCount(); ++i)
            std::printf("%s\n", gen.Figures().FigureFile(i).c_str());
        if (!combined.empty()) {
            std::string list;
            for (int i : chosen)
                list += (list.empty() ? "" : ",") + std::to_string(i + 1);
            std::printf("%s (%s)\n", combined.c_str(), list.c_str());
        }
    }
    if (combined.empty()) return chosen.empty() && result.Ok ? kExitUnusable : kExitFailed;
    if (!r.pdf.empty()) {
        if (int rendered = renderPdf(combined, r.pdf, guard); rendered != kExitOk) return rendered;
    }
    return result.Ok ? kExitOk : kExitFailed;
}

}  // namespace nuvra::cli
