#include "report/report_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>

#include "calc/common/arith.h"
#include "common/cp932.h"
#include "common/file_util.h"
#include "formats/figure_layout.h"
#include "formats/print_file.h"
#include "report/field_fill.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

std::string toBytes(std::string_view utf8, const char* what) {
    std::optional<std::string> b = toCp932(utf8);
    if (!b)
        throw ReportError(std::string(what) + " holds \"" + firstUnmappable(utf8) +
                          "\", which code page 932 cannot hold");
    return *b;
}

// A margin in blanks; held to 0-255 whatever the numbering state holds.
std::size_t marginBlanks(std::int32_t n) {
    return static_cast<std::size_t>(std::clamp(n, 0, 255));
}

}  // namespace

ReportPaths ReportPaths::ForApplicationFolder(const std::string& appFolder,
                                              std::string tempFolder) {
    return {appFolder + "/Nuvra.FMT", appFolder + "/Nuvra.INI", std::move(tempFolder)};
}

ReportWriter::ReportWriter(ReportPaths paths)
    : paths_(std::move(paths)), files_(paths_.TempFolder) {}

ReportWriter::~ReportWriter() {
    closeQuietly();
}

void ReportWriter::StartGeneration() {
    StartGeneration(NumberingSettings::Load(paths_.SettingsIniPath));
}

void ReportWriter::StartGeneration(const NumberingSettings& settings) {
    files_.Reset();
    Numbering.Start(settings);
}

std::string ReportWriter::NewPrintFile() {
    lastFileError_.clear();
    try {
        return files_.Create();
    } catch (const std::exception& e) {
        lastFileError_ = e.what();
        return {};
    }
}

bool ReportWriter::RunChapter(const std::function<void(ReportWriter&)>& chapter) {
    lastChapterError_.clear();
    LinesPerPage = kChapterLinesPerPage;
    PageLineCount = 0;
    try {
        OpenPrintFile();
        chapter(*this);
        ClosePrintFile();
        return true;
    } catch (const std::exception& e) {
        lastChapterError_ = e.what();
    } catch (const calc::ArithmeticFault& f) {
        lastChapterError_ = "arithmetic fault " + std::to_string(f.code);
    } catch (...) {
        lastChapterError_ = "unexpected failure";
    }
    if (lastChapterError_.empty()) lastChapterError_ = "failure";
    closeQuietly();
    return false;
}

void ReportWriter::OpenPrintFile() {
    if (file_.isOpen()) return;
    if (currentPrintFile_.empty()) throw ReportError("no current print file");
    file_.open(currentPrintFile_);
}

void ReportWriter::ClosePrintFile() {
    file_.close();
}

void ReportWriter::closeQuietly() {
    file_.closeQuietly();
}

FormatBlock ReportWriter::ReadFormatBlock(std::string_view name, int capacity) const {
    return report::ReadFormatBlock(paths_.FormatFilePath, name, capacity);
}

ReportWriter::LineStart ReportWriter::lineStart(int level) {
    if (level < 0 || level > 5)
        throw ReportError("line level " + std::to_string(level) + " outside 0 to 5");
    std::string number;
    if (Numbering.NumberingMethod != 0 && level != 0) number = Numbering.HeadingNumber(level);
    if (level == 0) {
        if (Numbering.LastHeadingLevel < 1 || Numbering.LastHeadingLevel > 5)
            throw ReportError("last heading level outside 1 to 5");
        auto last = static_cast<std::size_t>(Numbering.LastHeadingLevel);
        // Body lines stand two blanks in from the last heading.
        return {marginBlanks(Numbering.HeadingMargin[last]) + 2, formats::LineKind::Body, {}};
    }
    formats::LineKind kind = level == 1   ? formats::LineKind::Heading1
                             : level == 2 ? formats::LineKind::Heading2
                                          : formats::LineKind::Body;
    return {marginBlanks(Numbering.HeadingMargin[static_cast<std::size_t>(level)]), kind,
            toBytes(number, "a heading number")};
}

void ReportWriter::printLine(int level, const std::string& bytes) {
    LineStart start = lineStart(level);
    file_.line(start.margin, start.kind, start.number + bytes);
    ++PageLineCount;
}

void ReportWriter::PrintFixedLine(int level, std::string_view text) {
    printLine(level, toBytes(text, "a template line"));
}

void ReportWriter::PrintFixedLine(const FormatBlock& block, int line) {
    PrintFixedLine(block.Level(line), block.Text(line));
}

void ReportWriter::PrintFormatLine(int level, std::string_view templateText,
                                   const FieldValues& values) {
    printLine(level, FillTemplate(templateText, values.Numbers(), values.Texts()));
}

void ReportWriter::PrintFormatLine(const FormatBlock& block, int line, const FieldValues& values) {
    PrintFormatLine(block.Level(line), block.Text(line), values);
}

void ReportWriter::PrintBlankLines(int n) {
    for (int i = 0; i < n; ++i) {
        file_.blankLine();
        ++PageLineCount;
    }
}

void ReportWriter::PrintPageBreak() {
    file_.pageBreak();
    PageLineCount = 0;
}

void ReportWriter::NewPageIfNeeded(int need, int blanks) {
    if (LinesPerPage - PageLineCount < need)
        PrintPageBreak();
    else
        PrintBlankLines(blanks);
}

void ReportWriter::PrintFigureReference(const std::string& layoutPath, bool indent) {
    std::string path =
        toBytes(formats::FileReference(layoutPath, currentPrintFile_), "a figure path");
    LineStart start = lineStart(0);
    file_.figure(start.margin + (indent ? 4 : 0), path);
    ++PageLineCount;
}

void ReportWriter::AppendPageBreak() {
    if (currentPrintFile_.empty()) return;
    formats::PrintFileWriter::appendPageBreak(currentPrintFile_);
}

}  // namespace nuvra::report
