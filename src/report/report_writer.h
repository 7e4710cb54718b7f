// The report writer: chapter print files, template lines, page breaks and heading numbers.
//
// One ReportWriter serves one report generation. It owns the registry of print files,
// the page state of the chapter being written and the heading numbering; nothing of it
// is global. A chapter print file is CP932 text with CR LF line ends for a fixed-pitch
// page (one byte, one column):
//
//   chapter heading   margin of level 1, "?R1", heading number, text
//   section heading   margin of level 2, "?R2", heading number, text
//   levels 3-5        margin of the level, heading number, text
//   body line         margin of the last numbered heading level + 2, text
//   page break        a form feed without a line end
//   figure reference  body indent, [4 blanks], "?FG;000;000;" + figure layout path
//
// A chapter writer is a function run under RunChapter, which opens the current print
// file for appending, turns every error into a false result and always closes the file:
//
//   bool WriteSomeChapter(ReportWriter& w, const DesignData& d) {
//       return w.RunChapter([&](ReportWriter& w) {
//           FormatBlock b = w.ReadFormatBlock("設計条件_1");
//           FieldValues v(8, 5);
//           w.PrintFixedLine(b, 1);          // heading from template line 1
//           w.PrintBlankLines(2);
//           v.t(1) = d.objInpJyoken.Title;
//           w.PrintFormatLine(b, 2, v);      // template line 2 with its fields filled
//           w.NewPageIfNeeded(12, 1);
//           w.PrintPageBreak();
//       });
//   }
//
// Every print operation throws ReportError on failure (missing template line, level
// outside 0-5, text outside CP932, file error); chapter code just lets it propagate.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "formats/print_file.h"
#include "formats/temp_file_registry.h"
#include "report/field_values.h"
#include "report/format_block.h"
#include "report/heading_numbering.h"
#include "report/report_error.h"

namespace nuvra::report {

struct ReportPaths {
    std::string FormatFilePath;   ///< the template file, application folder + "/Nuvra.FMT"
    std::string SettingsIniPath;  ///< the settings file, application folder + "/Nuvra.INI"
    std::string TempFolder;       ///< where print files go; empty: the system's temporary folder

    static ReportPaths ForApplicationFolder(const std::string& appFolder,
                                            std::string tempFolder = {});
};

class ReportWriter {
  public:
    static constexpr std::int32_t kChapterLinesPerPage = 72;

    explicit ReportWriter(ReportPaths paths);
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    const ReportPaths& Paths() const { return paths_; }

    // --- Generation and the print-file registry -----------------------------------

    /// Starts a report generation: forgets the registered print files (without deleting
    /// them), reads the numbering settings from the settings file and resets the
    /// heading counters of levels 1-4 and LastHeadingLevel.
    void StartGeneration();
    /// Same, with settings given directly.
    void StartGeneration(const NumberingSettings& settings);

    /// Creates a new empty print file "~MT…" in the temporary folder and registers it.
    /// Returns its path, or the empty text when it cannot be created or 100 files are
    /// registered already (a chapter then fails to open it; LastFileError says why).
    /// Does not make it current. A named print file (SetPrintFileNamer) is written
    /// aside and put under its name by CommitPrintFile.
    std::string NewPrintFile();
    /// Why the last NewPrintFile failed (empty after a success).
    const std::string& LastFileError() const { return lastFileError_; }
    /// Puts print file i under its name and returns that path; throws ReportError.
    std::string CommitPrintFile(int i) { return files_.Commit(i); }
    /// Puts the complete file `scratch` in place of print file i; throws ReportError.
    std::string InstallPrintFile(int i, const std::string& scratch) {
        return files_.Install(i, scratch);
    }
    /// Drops the unfinished named print file i (see formats::TempFileRegistry::Discard).
    void DiscardPrintFile(int i) { files_.Discard(i); }
    void DiscardUnfinishedPrintFiles() { files_.DiscardScratch(); }
    const std::string& PrintFileFinalPath(int i) const { return files_.FinalPath(i); }
    int PrintFileCount() const { return files_.Count(); }
    /// Print file i, 1 to PrintFileCount(); throws ReportError outside that range.
    const std::string& PrintFile(int i) const { return files_.Path(i); }
    /// Deletes every registered print file and empties the registry.
    void DeletePrintFiles() { files_.DeleteAll(); }
    /// Names later print files by `namer` instead of unique "~MT" names (see
    /// formats::TempFileRegistry::SetNamer).
    void SetPrintFileNamer(formats::TempFileRegistry::Namer namer) {
        files_.SetNamer(std::move(namer));
    }

    void SetCurrentPrintFile(std::string path) { currentPrintFile_ = std::move(path); }
    const std::string& CurrentPrintFile() const { return currentPrintFile_; }

    // --- The chapter writer protocol ---------------------------------------------

    /// Runs one chapter writer: LinesPerPage := 72, PageLineCount := 0, the current
    /// print file opened for appending, `chapter` run, the file closed. Returns false
    /// when anything failed (the chapter threw ReportError, an arithmetic fault or any
    /// other exception, or the file could not be opened, written or closed); what was
    /// written before the failure stays in the file. Never throws.
    bool RunChapter(const std::function<void(ReportWriter&)>& chapter);
    /// Why the last RunChapter failed (empty after a success). For logs and tests.
    const std::string& LastChapterError() const { return lastChapterError_; }

    /// Opens the current print file for appending (PageLineCount runs on) and closes
    /// it. RunChapter does both; a chapter needs them only to interleave other work.
    void OpenPrintFile();
    void ClosePrintFile();
    bool IsPrintFileOpen() const { return file_.isOpen(); }

    /// Reads a template block of the template file into fresh arrays with line numbers
    /// 1 to `capacity`. Throws ReportError (see ReadFormatBlock in format_block.h).
    FormatBlock ReadFormatBlock(std::string_view name, int capacity = 50) const;

    // --- Lines of the current print file (throw ReportError on failure) --------------

    /// A line of level 0-5: the margin, the heading marker and number (levels 1-5), the
    /// text unchanged (control bytes as blanks) and a line end; the line is counted.
    void PrintFixedLine(int level, std::string_view text);
    void PrintFixedLine(const FormatBlock& block, int line);
    /// The template with its fields filled from `values`, after the prefix, and a line end.
    void PrintFormatLine(int level, std::string_view templateText, const FieldValues& values);
    void PrintFormatLine(const FormatBlock& block, int line, const FieldValues& values);
    /// n empty lines (none for n <= 0).
    void PrintBlankLines(int n);
    /// A form feed without a line end; the page's line count starts again at 0.
    void PrintPageBreak();
    /// A page break when fewer than `need` lines are left on the page, otherwise
    /// `blanks` empty lines.
    void NewPageIfNeeded(int need, int blanks);
    /// A body-indented line "?FG;000;000;" + layout path, four blanks further in when
    /// `indent` is set.
    void PrintFigureReference(const std::string& layoutPath, bool indent);

    /// Appends a form feed to the current print file (used when joining chapters into
    /// the combined file). Opens and closes the file itself; errors are ignored.
    void AppendPageBreak();

    // --- State --------------------------------------------------------------------

    std::int32_t LinesPerPage = kChapterLinesPerPage;
    std::int32_t PageLineCount = 0;
    /// Lines left on the current page (LinesPerPage − PageLineCount), as tables measure it.
    std::int32_t LinesLeft() const { return LinesPerPage - PageLineCount; }
    HeadingNumbering Numbering;

    /// Heading number of level 1-5 (advances the counters); see HeadingNumbering.
    std::string HeadingNumber(int level) { return Numbering.HeadingNumber(level); }

  private:
    /// Where a line of `level` starts: its margin, its kind and its heading number
    /// (advancing the counters).
    struct LineStart {
        std::size_t margin;
        formats::LineKind kind;
        std::string number;
    };
    LineStart lineStart(int level);
    void printLine(int level, const std::string& bytes);
    void closeQuietly();

    ReportPaths paths_;
    formats::TempFileRegistry files_;
    std::string currentPrintFile_;
    formats::PrintFileWriter file_;
    std::string lastChapterError_;
    std::string lastFileError_;
};

}  // namespace nuvra::report
