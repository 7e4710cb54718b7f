#include "figures/figure_export.h"

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "formats/figure_layout.h"
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
    // The layout as it was written, each figure copied byte for byte under its new name
    // and the layout written again pointing at the copies.
    formats::FigureLayout layout = formats::ReadFigureLayout(layoutPath);
    std::vector<std::string> written = {folder + "/layout.txt"};
    int n = 0;
    for (formats::SubFigureRef& figure : layout.figures) {
        const std::string target = folder + "/figure-" + std::to_string(++n) + ".txt";
        if (!toCp932(target)) throw formats::FormatError(target + " cannot be written in CP932");
        writeBytes(target, readBytes(figure.path));
        written.push_back(target);
        figure.path = target;
    }
    writeBytes(written.front(), formats::FigureLayoutBytes(layout));
    return written;
}

}  // namespace nuvra::figures
