// The report template file (Nuvra.FMT): blocks read by name, and their lines printed with
// numbers and texts filled in. A block either fails with a ReportError or gives lines
// that fill to valid CP932 of exactly the template's byte length, and the print file
// keeps its lines: CR LF line ends, page breaks only between lines.
//
// Input: the first bytes choose the block capacity and the field values, the rest is the
// template file. The blocks tried are the file's first line and every line after "End".
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/file_util.h"
#include "fuzz_util.h"
#include "report/field_fill.h"
#include "report/field_values.h"
#include "report/format_block.h"
#include "report/report_error.h"
#include "report/report_writer.h"

namespace {

using nuvra::report::FieldValues;
using nuvra::report::FormatBlock;

const double kNumbers[] = {0.0,
                           -0.0,
                           1.0,
                           -1.0,
                           0.5,
                           -2.5,
                           0.005,
                           0.0049999,
                           99.995,
                           -99.995,
                           1234.5,
                           1e15,
                           -1e15,
                           1e-5,
                           123456789,
                           1e300,
                           -1e-300,
                           5e-324,
                           1.7976931348623157e308,
                           999999.5,
                           0.045,
                           2147483647.5};

const char* const kTexts[] = {"",
                              "a",
                              "側壁",
                              "ﾃﾞｰﾀ",
                              "&text&",
                              "#,##0.00",
                              "!",
                              "底版（下側）",
                              "①②③",
                              "         ",
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
                              "\\",
                              "≒∵∫",
                              "ab\r\ncd",
                              "\f",
                              "\x01x"};

std::vector<std::string> blockNames(const std::string& file) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    bool take = true;
    while (pos < file.size() && names.size() < 8) {
        std::size_t end = file.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = file.size();
        std::string line = nuvra::fromCp932Lossy(std::string_view(file).substr(pos, end - pos));
        if (take && !line.empty()) names.push_back(line);
        take = line == "End";
        pos = end + 1;
        if (end < file.size() && file[end] == '\r' && pos < file.size() && file[pos] == '\n') ++pos;
    }
    return names;
}

void checkFill(const std::string& text, const FieldValues& v) {
    std::optional<std::string> tmpl = nuvra::toCp932(text);
    std::string line;
    try {
        line = nuvra::report::FillTemplate(text, v.Numbers(), v.Texts());
    } catch (const nuvra::report::ReportError&) {
        return;
    }
    if (!tmpl) nuvra::fuzz::Fail("a template line outside CP932 was filled", text);
    if (line.size() != tmpl->size()) nuvra::fuzz::Fail("a filled line changed its length", text);
    if (!nuvra::fromCp932(line)) nuvra::fuzz::Fail("a filled line is not CP932", text);
}

// The print file: CP932 lines ended by CR LF, form feeds only where a line starts, no
// other control bytes.
void checkPrintFile(const std::string& bytes) {
    if (!nuvra::fromCp932(bytes)) nuvra::fuzz::Fail("the print file is not CP932");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const bool lineStart = i == 0 || bytes[i - 1] == '\n' || bytes[i - 1] == '\f';
        if (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            nuvra::fuzz::Fail("the print file holds a bare CR");
        if (c == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            nuvra::fuzz::Fail("the print file holds a bare LF");
        if (c == '\f' && !lineStart) nuvra::fuzz::Fail("a page break inside a printed line");
        if ((c < 0x20 && c != '\r' && c != '\n' && c != '\f') || c == 0x7F)
            nuvra::fuzz::Fail("a control byte in the print file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int capacity = in.ConsumeIntegralInRange<int>(-2, 300);
    const int numberCount = in.ConsumeIntegralInRange<int>(0, 25);
    const int textCount = in.ConsumeIntegralInRange<int>(0, 25);
    FieldValues values(numberCount, textCount);
    for (int i = 1; i <= numberCount; ++i)
        values.n(i) =
            in.ConsumeBool() ? in.PickValueInArray(kNumbers) : in.ConsumeFloatingPoint<double>();
    for (int i = 1; i <= textCount; ++i)
        values.t(i) = in.PickValueInArray(kTexts);
    const std::string file = in.ConsumeRemainingBytesAsString();

    nuvra::report::ReportPaths paths;
    paths.FormatFilePath = nuvra::fuzz::WriteScratchFile("Nuvra.FMT", file);
    paths.SettingsIniPath = nuvra::fuzz::AppFolder() + "/Nuvra.INI";
    paths.TempFolder = nuvra::fuzz::ScratchFolder();
    nuvra::report::ReportWriter writer(paths);
    nuvra::report::NumberingSettings numbering;
    numbering.Method = 3;
    numbering.Style = {0, 1, 2, 6, 8, 0};
    numbering.Margin = {0, 0, 2, 4, 6, 0};
    writer.StartGeneration(numbering);
    const std::string printFile = nuvra::fuzz::WriteScratchFile("chapter.prn", {});
    writer.SetCurrentPrintFile(printFile);

    for (const std::string& name : blockNames(file)) {
        writer.RunChapter([&](nuvra::report::ReportWriter& w) {
            FormatBlock b = w.ReadFormatBlock(name, capacity);
            for (int k = 1; k <= b.Capacity(); ++k) {
                if (!b.Has(k)) continue;
                checkFill(b.Text(k), values);
                try {
                    w.PrintFormatLine(b, k, values);
                } catch (const nuvra::report::ReportError&) {
                }
            }
            w.NewPageIfNeeded(10, 1);
        });
    }
    std::string printed;
    nuvra::readWholeFile(printFile, printed);
    checkPrintFile(printed);
    return 0;
}
