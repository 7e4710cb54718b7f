#include "report/report_generation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <unistd.h>
#include <cerrno>

#include "common/file_util.h"

namespace nuvra::report {
namespace {

// Below this magnitude the uplift force counts as none.
constexpr double kNoUplift = 0.001;

double upliftForce(const calc::ResultStore& r) {
    return r.objUkiagari ? std::fabs(r.objUkiagari->U) : 0.0;
}

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

std::string ChapterFailureMessage(const std::string& caption) {
    return "･『" + caption + "』の印刷ﾌｧｲﾙ生成ｴﾗｰ";
}

std::string ReportGeneration::StableFileName(const std::vector<ChapterRow>& rows, int index) {
    if (index >= 1 && index <= static_cast<int>(rows.size()))
        return twoDigits(index) + "-" + rows[static_cast<std::size_t>(index - 1)].FileName + ".prn";
    if (index == static_cast<int>(rows.size()) + 1) return "combined.prn";
    return "extra-" + twoDigits(index) + ".prn";
}

ReportGeneration::ReportGeneration(GenerationOptions options, std::vector<ChapterRow> rows)
    : options_(std::move(options)),
      rows_(std::move(rows)),
      writer_({options_.AppFolder + "/Nuvra.FMT",
               options_.SettingsIniPath.empty() ? options_.AppFolder + "/Nuvra.INI"
                                                : options_.SettingsIniPath,
               options_.OutputFolder}),
      figures_(options_.AppFolder, options_.OutputFolder) {
    if (options_.StableNames) {
        writer_.SetPrintFileNamer([this](int i) { return StableFileName(rows_, i); });
        figures_.SetFigureFileNamer([](int i) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "fig-%03d.fig", i);
            return std::string(buf);
        });
    }
}

ReportGeneration::~ReportGeneration() {
    writer_.DiscardUnfinishedPrintFiles();
    figures_.DiscardUnfinishedFigureFiles();
    if (!keep_) DeleteFiles();
}

void ReportGeneration::DeleteFiles() {
    writer_.DeletePrintFiles();
    figures_.DeleteFigureFiles();
    generated_ = false;
    paths_.clear();
}

bool ReportGeneration::rowApplies(RowCondition c, const calc::ResultStore& results) const {
    switch (c) {
        case RowCondition::Uplift:
            return upliftForce(results) > kNoUplift;
        case RowCondition::Footing:
            return results.blnFooting;
        case RowCondition::Always:
            break;
    }
    return true;
}

GenerationResult ReportGeneration::Generate(const DesignData& design,
                                            const calc::ResultStore& results) {
    if (!keep_) DeleteFiles();
    writer_.StartGeneration();
    figures_.StartGeneration();
    return run(design, results);
}

GenerationResult ReportGeneration::Generate(const DesignData& design,
                                            const calc::ResultStore& results,
                                            const NumberingSettings& numbering) {
    if (!keep_) DeleteFiles();
    writer_.StartGeneration(numbering);
    figures_.StartGeneration();
    return run(design, results);
}

GenerationResult ReportGeneration::run(const DesignData& design, const calc::ResultStore& results) {
    GenerationResult result;
    paths_.clear();
    ChapterContext ctx{writer_, figures_, design, results};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ChapterRow& row = rows_[i];
        const int fileIndex = writer_.PrintFileCount() + 1;
        // A file that cannot be created leaves the current path empty, so every writer
        // of the row fails on opening it and the row reports its failure.
        writer_.SetCurrentPrintFile(writer_.NewPrintFile());
        std::string cause = writer_.LastFileError();
        const bool created = cause.empty();
        const int figuresFailed = figures_.FailedFigureFileCount();
        if (created && rowApplies(row.Condition, results)) {
            for (const ChapterWriter& w : row.Writers) {
                if (w && w(ctx)) continue;
                if (!cause.empty()) continue;
                cause = w ? writer_.LastChapterError() : std::string();
                if (cause.empty()) cause = "章を書き出せませんでした";
            }
            // A report without one of its figures is not a complete report.
            if (cause.empty() && figures_.FailedFigureFileCount() > figuresFailed)
                cause = "図を作成できません（" + figures_.LastFigureError() + "）";
        }
        if (created) {
            if (cause.empty()) {
                try {
                    writer_.CommitPrintFile(fileIndex);
                } catch (const std::exception& e) {
                    cause = e.what();
                }
            }
            if (!cause.empty()) writer_.DiscardPrintFile(fileIndex);
            // A failed kept chapter has no file; a temporary one keeps what was written,
            // for the print window to show.
            const bool kept = options_.StableNames;
            paths_.push_back(cause.empty() || !kept ? writer_.PrintFile(fileIndex) : std::string());
        } else {
            paths_.emplace_back();
        }
        if (!cause.empty()) {
            result.Ok = false;
            result.Message += "\n" + ChapterFailureMessage(row.Caption);
            result.FailedRows.push_back(static_cast<int>(i) + 1);
            result.Causes.push_back(cause);
        }
    }
    combinedIndex_ = writer_.PrintFileCount() + 1;
    writer_.SetCurrentPrintFile(writer_.NewPrintFile());
    combinedError_ = writer_.LastFileError();
    paths_.push_back(combinedError_.empty() ? writer_.PrintFileFinalPath(combinedIndex_)
                                            : std::string());

    enabled_.assign(rows_.size(), true);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].Condition == RowCondition::Uplift && upliftForce(results) < kNoUplift)
            enabled_[i] = false;
        if (rows_[i].Condition == RowCondition::Footing && !results.blnFooting) enabled_[i] = false;
    }
    generated_ = true;
    return result;
}

bool ReportGeneration::ChapterEnabled(int index) const {
    if (!generated_ || index < 0 || index >= RowCount()) return false;
    return enabled_[static_cast<std::size_t>(index)];
}

std::vector<int> ReportGeneration::DefaultChoice() const {
    std::vector<int> chosen;
    for (int i = 0; i < RowCount(); ++i)
        if (ChapterEnabled(i)) chosen.push_back(i);
    return chosen;
}

const std::string& ReportGeneration::ChapterFile(int index) const {
    static const std::string none;
    if (index < 0 || static_cast<std::size_t>(index) >= paths_.size()) return none;
    return paths_[static_cast<std::size_t>(index)];
}

const std::string& ReportGeneration::CombinedFile() const {
    return ChapterFile(RowCount());
}

void ReportGeneration::DropCombined() {
    if (generated_ && combinedIndex_ >= 1 && combinedIndex_ <= writer_.PrintFileCount())
        writer_.DiscardPrintFile(combinedIndex_);
}

std::string ReportGeneration::Combine(const std::vector<int>& chosen) {
    combineError_.clear();
    if (!generated_) return {};
    if (CombinedFile().empty()) {
        combineError_ = combinedError_;
        return {};
    }
    std::vector<int> rows;
    for (int i : chosen)
        if (i >= 0 && i < RowCount()) rows.push_back(i);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return {};

    // Joined aside and put in place only when complete: a reader never sees a part.
    const std::string& combined = CombinedFile();
    writer_.SetCurrentPrintFile(combined);
    std::string scratch;
    int fd = CreateScratchFile(FolderOf(combined), "combined.", scratch);
    if (fd < 0) {
        combineError_ =
            "印刷ファイル " + combined + " を作成できません（" + SystemReason(errno) + "）";
        return {};
    }
    ::close(fd);
    bool first = true;
    for (int i : rows) {
        const std::string& chapter = ChapterFile(i);
        if (chapter.empty()) {
            combineError_ =
                "･『" + rows_[static_cast<std::size_t>(i)].Caption + "』の印刷ファイルがありません";
            break;
        }
        if (!first && !AppendBytes(scratch, "\f")) {
            combineError_ =
                "印刷ファイル " + combined + " に書き込めません（" + SystemReason(errno) + "）";
            break;
        }
        first = false;
        if (!AppendFile(scratch, chapter)) {
            const int err = errno;
            combineError_ = "印刷ファイル " + chapter + " を " + combined + " に結合できません（" +
                            SystemReason(err) + "）";
            break;
        }
    }
    if (!combineError_.empty()) {
        ::unlink(scratch.c_str());
        return {};
    }
    try {
        return writer_.InstallPrintFile(combinedIndex_, scratch);
    } catch (const std::exception& e) {
        combineError_ = e.what();
        return {};
    }
}

}  // namespace nuvra::report
