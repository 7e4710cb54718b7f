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

constexpr std::string_view kLineEnd = formats::kPrintLineEnd;

// A control byte inside a line would end the line or the page early (CR, LF, form feed)
// or make the viewer refuse the whole file (NUL); it can come from a damaged template
// or a title read from a file. CP932 never uses these bytes inside a double-byte
// character, so each becomes a blank and the line keeps its columns.
std::string printable(std::string bytes) {
    for (char& c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return bytes;
}

// A margin in blanks; held to 0-255 whatever the numbering state holds.
std::string marginBlanks(std::int32_t n) {
    return std::string(static_cast<std::size_t>(std::clamp(n, 0, 255)), ' ');
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
    if (file_) return;
    if (currentPrintFile_.empty()) throw ReportError("no current print file");
    file_ = std::fopen(currentPrintFile_.c_str(), "ab");
    if (!file_)
        throw ReportError("印刷ファイル " + currentPrintFile_ + " を開けません（" +
                          SystemReason(errno) + "）");
}

void ReportWriter::ClosePrintFile() {
    if (!file_) return;
    std::FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0) throw writeError(errno);
}

ReportError ReportWriter::writeError(int err) const {
    return ReportError("印刷ファイル " + currentPrintFile_ + " に書き込めません（" +
                       SystemReason(err) + "）");
}

void ReportWriter::closeQuietly() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void ReportWriter::writeBytes(std::string_view bytes) {
    if (!file_) throw ReportError("the print file is not open");
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) throw writeError(errno);
}

FormatBlock ReportWriter::ReadFormatBlock(std::string_view name, int capacity) const {
    return report::ReadFormatBlock(paths_.FormatFilePath, name, capacity);
}

void ReportWriter::PrintLinePrefix(int level) {
    if (level < 0 || level > 5)
        throw ReportError("line level " + std::to_string(level) + " outside 0 to 5");
    std::string number;
    if (Numbering.NumberingMethod != 0 && level != 0) number = Numbering.HeadingNumber(level);
    std::string prefix;
    if (level == 0) {
        if (Numbering.LastHeadingLevel < 1 || Numbering.LastHeadingLevel > 5)
            throw ReportError("last heading level outside 1 to 5");
        auto last = static_cast<std::size_t>(Numbering.LastHeadingLevel);
        prefix = marginBlanks(Numbering.HeadingMargin[last]) + "  ";
    } else {
        prefix = marginBlanks(Numbering.HeadingMargin[static_cast<std::size_t>(level)]);
        if (level == 1) prefix += formats::kChapterMark;
        if (level == 2) prefix += formats::kSectionMark;
        prefix += toBytes(number, "a heading number");
    }
    writeBytes(prefix);
    ++PageLineCount;
}

void ReportWriter::PrintFixedLine(int level, std::string_view text) {
    std::string bytes = printable(toBytes(text, "a template line"));
    PrintLinePrefix(level);
    writeBytes(bytes);
    writeBytes(kLineEnd);
}

void ReportWriter::PrintFixedLine(const FormatBlock& block, int line) {
    PrintFixedLine(block.Level(line), block.Text(line));
}

void ReportWriter::PrintFormatLine(int level, std::string_view templateText,
                                   const FieldValues& values) {
    std::string bytes = printable(FillTemplate(templateText, values.Numbers(), values.Texts()));
    PrintLinePrefix(level);
    writeBytes(bytes);
    writeBytes(kLineEnd);
}

void ReportWriter::PrintFormatLine(const FormatBlock& block, int line, const FieldValues& values) {
    PrintFormatLine(block.Level(line), block.Text(line), values);
}

void ReportWriter::PrintBlankLines(int n) {
    for (int i = 0; i < n; ++i) {
        writeBytes(kLineEnd);
        ++PageLineCount;
    }
}

void ReportWriter::PrintPageBreak() {
    writeBytes(std::string_view(&formats::kPageBreak, 1));
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
    PrintLinePrefix(0);
    if (indent) writeBytes("    ");
    writeBytes(formats::kFigureMark);
    writeBytes(formats::kFigureFields);
    writeBytes(path);
    writeBytes(kLineEnd);
}

void ReportWriter::AppendPageBreak() {
    if (currentPrintFile_.empty()) return;
    if (std::FILE* f = std::fopen(currentPrintFile_.c_str(), "ab")) {
        std::fputc(formats::kPageBreak, f);
        std::fclose(f);
    }
}

}  // namespace nuvra::report
