#include "report/format_block.h"

#include <cmath>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/line_reader.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

// Splits a decoded line into its characters (UTF-8 pieces).
std::vector<std::string_view> characters(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = utf8CharLength(s, i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// The number at the start of the line-number columns: blanks, an optional sign,
// digits with an optional fraction; rounded half to even. No number gives 0.
long lineNumber(std::string_view cols) {
    std::size_t i = 0;
    while (i < cols.size() && cols[i] == ' ')
        ++i;
    std::string num;
    if (i < cols.size() && (cols[i] == '+' || cols[i] == '-')) num += cols[i++];
    bool digits = false;
    while (i < cols.size() && ((cols[i] >= '0' && cols[i] <= '9') || cols[i] == '.')) {
        if (cols[i] != '.') digits = true;
        num += cols[i++];
    }
    if (!digits) return 0;
    return std::lround(std::nearbyint(std::strtod(num.c_str(), nullptr)));
}

}  // namespace

FormatBlock::FormatBlock(std::string name, int capacity)
    : name_(std::move(name)), lines_(static_cast<std::size_t>(capacity > 0 ? capacity : 0)) {}

void FormatBlock::Set(int k, std::int32_t level, std::string text) {
    if (k < 1 || k > Capacity())
        throw ReportError("template block \"" + name_ + "\": line number " + std::to_string(k) +
                          " outside 1 to " + std::to_string(Capacity()));
    lines_[static_cast<std::size_t>(k - 1)] = Line{level, std::move(text)};
    ++count_;
}

bool FormatBlock::Has(int k) const {
    return k >= 1 && k <= Capacity() && lines_[static_cast<std::size_t>(k - 1)].has_value();
}

const FormatBlock::Line& FormatBlock::line(int k) const {
    if (!Has(k))
        throw ReportError("template block \"" + name_ + "\" has no line " + std::to_string(k));
    return *lines_[static_cast<std::size_t>(k - 1)];
}

std::int32_t FormatBlock::Level(int k) const {
    return line(k).level;
}
const std::string& FormatBlock::Text(int k) const {
    return line(k).text;
}

FormatBlock ReadFormatBlock(const std::string& path, std::string_view name, int capacity) {
    LineReader in;
    if (std::int32_t rc = in.open(path); rc != 0)
        throw ReportError("cannot open the template file " + path + ": " + fileErrorText(rc));
    FormatBlock block{std::string(name), capacity};
    std::string raw;
    bool found = false;
    while (!found && in.readLine(raw))
        found = fromCp932Lossy(raw) == name;
    if (!found)
        throw ReportError("template block \"" + std::string(name) + "\" not found in " + path);
    while (true) {
        if (!in.readLine(raw))
            throw ReportError("template block \"" + std::string(name) + "\" has no End");
        std::optional<std::string> text = fromCp932(raw);
        if (!text)
            throw ReportError("template block \"" + std::string(name) +
                              "\" holds bytes that are not CP932");
        if (*text == "End") break;
        if (!text->empty() && (*text)[0] == '\'') continue;
        std::vector<std::string_view> ch = characters(*text);
        std::string cols;
        for (std::size_t i = 0; i < 3 && i < ch.size(); ++i)
            cols += ch[i];
        long k = lineNumber(cols);
        std::int32_t level = 0;
        if (ch.size() >= 5 && ch[4].size() == 1 && ch[4][0] >= '0' && ch[4][0] <= '9')
            level = ch[4][0] - '0';
        std::string body;
        for (std::size_t i = 5; i < ch.size(); ++i)
            body += ch[i];
        if (k < 1 || k > capacity)
            throw ReportError("template block \"" + std::string(name) + "\": line number " +
                              std::to_string(k) + " outside 1 to " + std::to_string(capacity));
        block.Set(static_cast<int>(k), level, std::move(body));
    }
    if (in.failed()) throw ReportError("cannot read the template file " + path);
    return block;
}

}  // namespace nuvra::report
