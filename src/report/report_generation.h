// One report generation: every chapter print file with its figures, and the combined
// print file of the chapters the user chooses.
//
//   ReportGeneration gen(options);                  // the print window opens
//   GenerationResult r = gen.Generate(design, results);
//   if (!r.Message.empty()) show r.Message;          // one line per failed chapter file
//   gen.ChapterEnabled(i)                            // check box i (0-7) may be ticked
//   std::string path = gen.Combine({0, 4});          // chapters 1 and 5, for the viewer
//   ...                                              // the print window closes:
//   gen.~ReportGeneration()                          // every print and figure file deleted
//
// Generation runs the chapter table row by row: before each row a new print file becomes
// the current one, and the row's chapter writers append to it. A row whose condition does
// not hold (flotation without uplift, footings without footings) keeps its empty file. A
// ninth file follows the chapters; it becomes the combined print file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc/run/result_store.h"
#include "design/records.h"
#include "figures/figure_model.h"
#include "report/chapters/chapter_context.h"
#include "report/report_writer.h"

namespace nuvra::report {

/// The figures' model, under the name callers of the generation know it by.
using figures::FigureModel;

using ChapterWriter = std::function<bool(const ChapterContext&)>;

/// When a row of the chapter table is generated.
enum class RowCondition {
    Always,
    Uplift,   ///< |uplift force of the flotation check| above 0.001
    Footing,  ///< the channel has footings
};

/// One chapter print file: its check-box caption (which also names it in the failure
/// message), a short ASCII name for kept files, when it is generated and its writers in
/// order.
struct ChapterRow {
    std::string Caption;
    std::string FileName;
    RowCondition Condition = RowCondition::Always;
    std::vector<ChapterWriter> Writers;
};

/// The eight chapter files of the calculation report with their writers.
std::vector<ChapterRow> StandardChapterRows();

/// "･『<caption>』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
std::string ChapterFailureMessage(const std::string& caption);

struct GenerationOptions {
    /// Holds Nuvra.FMT, LINE_PRN.DEF and STR_PRN.DEF (and Nuvra.INI by default).
    std::string AppFolder;
    /// The numbering settings; empty: AppFolder + "/Nuvra.INI".
    std::string SettingsIniPath;
    /// Where the print and figure files go; empty: the system's temporary folder.
    std::string OutputFolder;
    /// Kept names instead of unique temporary ones: the chapter files "NN-<FileName>.prn",
    /// the combined file "combined.prn", figure files "fig-NNN.fig".
    bool StableNames = false;
};

struct GenerationResult {
    /// Every writer of every generated row succeeded.
    bool Ok = true;
    /// For each failed row a line feed and its failure message; empty when Ok.
    std::string Message;
    /// 1-based numbers of the rows that failed.
    std::vector<int> FailedRows;
    /// For each failed row, what went wrong (the file and the cause).
    std::vector<std::string> Causes;
};

class ReportGeneration {
  public:
    /// The name of kept print file `index` (1 to rows + 1): "NN-<name>.prn", and
    /// "combined.prn" for the file after the chapters.
    static std::string StableFileName(const std::vector<ChapterRow>& rows, int index);

    explicit ReportGeneration(GenerationOptions options,
                              std::vector<ChapterRow> rows = StandardChapterRows());
    /// Deletes every print and figure file of the generation, unless KeepFiles was called.
    ~ReportGeneration();
    ReportGeneration(const ReportGeneration&) = delete;
    ReportGeneration& operator=(const ReportGeneration&) = delete;

    /// Generates every chapter file (files of an earlier Generate are deleted first);
    /// numbering settings from the settings file, or those given.
    GenerationResult Generate(const DesignData& design, const calc::ResultStore& results);
    GenerationResult Generate(const DesignData& design, const calc::ResultStore& results,
                              const NumberingSettings& numbering);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const ChapterRow& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    /// Whether check box `index` (0-based row) may be ticked: the flotation row unless
    /// the uplift force is below 0.001 in magnitude, the footing row only with footings.
    /// Valid after Generate.
    bool ChapterEnabled(int index) const;
    /// The rows a print without a choice takes: every enabled one.
    std::vector<int> DefaultChoice() const;

    /// Print file of row `index` (0-based; empty when it could not be created); index
    /// RowCount() is the combined file.
    const std::string& ChapterFile(int index) const;
    const std::string& CombinedFile() const;

    /// Joins the chosen chapter files (0-based row indexes, taken in ascending order,
    /// repeats ignored) into the combined file, a form feed before every chapter after
    /// the first, and returns its path. The file is joined aside and replaces the
    /// combined file only when complete. Empty when nothing valid was chosen, Generate
    /// has not run, a chosen kept chapter failed, or the combined file cannot be written
    /// (CombineError then says why; an earlier combined file is left as it was).
    std::string Combine(const std::vector<int>& chosen);
    const std::string& CombineError() const { return combineError_; }
    /// No combined file this time: a kept combined file of an earlier run is removed, so
    /// that it does not pass for this run's.
    void DropCombined();

    /// Leave the files on disk when this object goes.
    void KeepFiles() { keep_ = true; }
    void DeleteFiles();

    ReportWriter& Writer() { return writer_; }
    figures::FigureModel& Figures() { return figures_; }

  private:
    GenerationResult run(const DesignData& design, const calc::ResultStore& results);
    bool rowApplies(RowCondition c, const calc::ResultStore& results) const;

    GenerationOptions options_;
    std::vector<ChapterRow> rows_;
    ReportWriter writer_;
    figures::FigureModel figures_;
    std::vector<std::string> paths_;  ///< print file of each row, then the combined file
    std::vector<bool> enabled_;
    bool generated_ = false;
    bool keep_ = false;
    int combinedIndex_ = 0;      ///< print file number of the combined file
    std::string combinedError_;  ///< why the combined file could not be created
    std::string combineError_;   ///< why the last Combine failed
};

}  // namespace nuvra::report
