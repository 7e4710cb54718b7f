// Test rig for the chapter writers: a folder with a template file, the style files and a
// temporary folder, a writer and a figure model on it, and a reader that turns a print
// file back into the sequence of template lines it was written from.
//
// The marker template keeps every block, line number, level and field of the installed
// template but replaces the wording by "<block>:<line>", followed by the line's fields in
// their order. A printed line then reads, for example,
//   "外力の計算_1:10  ①    0.300   2.000  2    1.200  24.5    29.40"
// so a test can check which template lines were printed, in which order, with which
// values, without depending on the wording.
#pragma once

#include <string>
#include <vector>

#include "calc/run/calc_run.h"
#include "calc/run/result_store.h"
#include "design/records.h"
#include "figures/figure_model.h"
#include "report/chapters/chapter_context.h"
#include "report/report_writer.h"
#include "test_util.h"

namespace nuvra::report::test {

/// The installed template file (build/bin/Nuvra.FMT) as UTF-8 lines.
std::vector<std::string> InstalledTemplateLines();

/// The marker template of the installed one (UTF-8, LF), without the blocks in `drop`.
std::string MarkerTemplate(const std::vector<std::string>& drop = {});

/// One printed line: "FF" for a form feed, "" for a blank line, "FG" for a figure
/// reference ("FG4" when indented four more columns), else the marker tag "block:line".
/// `values` holds the rest of a marker line split at blanks (or the figure path).
struct TraceLine {
    std::string tag;
    std::vector<std::string> values;
};

/// Reads a print file written with numbering off and margins 0.
std::vector<TraceLine> ReadTrace(const std::string& printFile);
std::vector<std::string> Tags(const std::vector<TraceLine>& trace);

/// Builds an expected tag sequence: F("外力の計算_1", 5, 9) adds lines 5 to 9.
class Seq {
  public:
    explicit Seq(std::string block = {}) : block_(std::move(block)) {}
    Seq& In(std::string block) {
        block_ = std::move(block);
        return *this;
    }
    Seq& F(int from, int to = 0);
    Seq& B(int n = 1);
    Seq& FF();
    Seq& FG(bool indent = false);
    Seq& Add(const Seq& other);
    const std::vector<std::string>& Tags() const { return tags_; }

  private:
    std::string block_;
    std::vector<std::string> tags_;
};

/// A design whose defaults are confirmed, changed by the caller, and its calculation.
struct Design {
    DesignData d;
    calc::ResultStore r;
    bool ok = false;
    void Run() { ok = calc::RunCalculation(d, r); }
};

/// A folder set up as application folder (template, style files) with a writer and a
/// figure model that write into its "tmp" folder. Numbering is off, margins 0.
class ChapterRig {
  public:
    /// `templateText` UTF-8 with LF (written as CP932 with CR LF); empty: the marker
    /// template. `styles`: copy the installed style files (figures fail without them).
    explicit ChapterRig(const std::string& templateText = {}, bool styles = true);

    /// Runs one chapter writer on a fresh print file; returns its result.
    bool Run(bool (*writer)(const ChapterContext&), const Design& design);
    /// The print file of the last Run.
    const std::string& PrintFile() const { return printFile_; }
    std::vector<TraceLine> Trace() const { return ReadTrace(printFile_); }
    std::string TmpFolder() const { return dir_.file("tmp"); }

    ReportWriter& Writer() { return writer_; }
    figures::FigureModel& Figures() { return figures_; }

  private:
    nuvra::test::TempDir dir_;
    ReportWriter writer_;
    figures::FigureModel figures_;
    std::string printFile_;
};

/// The trace's lines with a given tag.
std::vector<TraceLine> LinesTagged(const std::vector<TraceLine>& trace, const std::string& tag);

}  // namespace nuvra::report::test
