#include "render/verdict_marks.h"

#include <cctype>

#include "formats/cp932_chars.h"

namespace nuvra::render {
namespace {

bool alnumAt(std::string_view s, std::size_t i) {
    return i < s.size() && std::isalnum(static_cast<unsigned char>(s[i]));
}

}  // namespace

std::vector<int> failedVerdictColumns(std::string_view line) {
    constexpr std::string_view kWord = "OUT";
    std::vector<int> columns;
    bool previousAlnum = false;
    int column = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        const formats::Cp932Char c = formats::cp932CharAt(line, pos);
        if (c.bytes == 1 && !previousAlnum && line.substr(pos, kWord.size()) == kWord &&
            !alnumAt(line, pos + kWord.size())) {
            columns.push_back(column);
            pos += kWord.size();
            column += static_cast<int>(kWord.size());
            previousAlnum = true;
            continue;
        }
        previousAlnum = c.bytes == 1 && alnumAt(line, pos);
        pos += c.bytes;
        column += c.columns();
    }
    return columns;
}

}  // namespace nuvra::render
