#include "figures/figure_export.h"

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

std::string readBytes(const std::string& path) {
    std::string bytes;
    if (std::int32_t rc = readWholeFile(path, bytes); rc != 0)
        throw formats::FormatError("cannot read " + path + ": " + fileErrorText(rc));
    return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    if (std::int32_t rc = writeFileAtomically(path, bytes); rc != 0)
        throw formats::FormatError("cannot write " + path + ": " + fileErrorText(rc));
}

}  // namespace

std::vector<std::string> ExportFigureFiles(const std::string& layoutPath,
                                           const std::string& folder) {
    // The layout's lines as bytes, each with its CR LF: title, page area, then a path
    // line and an offset line per figure, then END.
    const std::string layout = readBytes(layoutPath);
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < layout.size();) {
        std::size_t eol = layout.find("\r\n", pos);
        if (eol == std::string::npos)
            throw formats::FormatError(layoutPath + ": a line without CR LF");
        lines.push_back(layout.substr(pos, eol - pos));
        pos = eol + 2;
    }
    std::vector<std::string> written = {folder + "/layout.txt"};
    std::string out;
    std::size_t i = 0;
    for (; i < lines.size() && i < 2; ++i)
        out += lines[i] + "\r\n";
    int n = 0;
    for (; i < lines.size() && lines[i] != "END"; i += 2) {
        if (i + 1 >= lines.size())
            throw formats::FormatError(layoutPath + ": a figure without offsets");
        std::optional<std::string> source = fromCp932(lines[i]);
        if (!source) throw formats::FormatError(layoutPath + ": a figure path that is not CP932");
        const std::string target = folder + "/figure-" + std::to_string(++n) + ".txt";
        std::optional<std::string> targetBytes = toCp932(target);
        if (!targetBytes) throw formats::FormatError(target + " cannot be written in CP932");
        writeBytes(target, readBytes(*source));
        written.push_back(target);
        out += *targetBytes + "\r\n" + lines[i + 1] + "\r\n";
    }
    if (i >= lines.size() || i < 2) throw formats::FormatError(layoutPath + ": no END line");
    out += "END\r\n";
    writeBytes(written.front(), out);
    return written;
}

}  // namespace nuvra::figures
