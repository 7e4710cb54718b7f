#include "figures/figure_reader.h"

#include <charconv>
#include <sstream>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "report/report_error.h"

namespace nuvra::figures {
namespace {

using report::ReportError;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

double number(std::string_view field, const std::string& where) {
    field = trim(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    double v = 0;
    auto r = std::from_chars(field.data(), field.data() + field.size(), v);
    if (field.empty() || r.ec != std::errc() || r.ptr != field.data() + field.size())
        throw ReportError(where + ": \"" + std::string(field) + "\" is not a number");
    return v;
}

int integer(std::string_view field, const std::string& where) {
    const double v = number(field, where);
    if (v != static_cast<int>(v)) throw ReportError(where + ": not a whole number");
    return static_cast<int>(v);
}

// Comma-separated numbers; exactly `count` of them.
std::vector<double> numbers(const std::string& line, std::size_t count, const std::string& where) {
    std::vector<double> out;
    std::size_t pos = 0;
    while (true) {
        std::size_t comma = line.find(',', pos);
        out.push_back(number(std::string_view(line).substr(
                                 pos, comma == std::string::npos ? std::string::npos : comma - pos),
                             where));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    if (out.size() != count)
        throw ReportError(where + ": " + std::to_string(count) + " values expected");
    return out;
}

// Blank-separated numbers (the layout's zone-printed lines).
std::vector<double> words(const std::string& line, const std::string& where) {
    std::istringstream in(line);
    std::vector<double> out;
    std::string w;
    while (in >> w)
        out.push_back(number(w, where));
    return out;
}

}  // namespace

std::vector<std::string> ReadCp932Lines(const std::string& path) {
    std::string bytes;
    if (std::int32_t rc = readWholeFile(path, bytes); rc != 0)
        throw ReportError("cannot read " + path + ": " + fileErrorText(rc));
    std::optional<std::string> text = fromCp932(bytes);
    if (!text) throw ReportError(path + " is not CP932 text");
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < text->size(); ++i) {
        const char c = (*text)[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text->size() && (*text)[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

LayoutFileContent ReadLayoutFile(const std::string& path) {
    const std::vector<std::string> lines = ReadCp932Lines(path);
    LayoutFileContent out;
    if (lines.size() < 3) throw ReportError(path + ": too short for a figure layout");
    out.title = lines[0];
    std::vector<double> page = words(lines[1], path + " line 2");
    if (page.size() != 2) throw ReportError(path + " line 2: width and height expected");
    out.pageWidth = page[0];
    out.pageHeight = page[1];
    std::size_t i = 2;
    for (; i < lines.size() && lines[i] != "END"; i += 2) {
        if (i + 1 >= lines.size()) throw ReportError(path + ": a figure without offsets");
        std::vector<double> off = words(lines[i + 1], path + " line " + std::to_string(i + 2));
        if (off.size() != 2) throw ReportError(path + ": two offsets expected");
        out.figures.push_back({lines[i], off[0], off[1]});
    }
    if (i >= lines.size()) throw ReportError(path + ": no END line");
    return out;
}

FigureFileContent ReadFigureFile(const std::string& path) {
    const std::vector<std::string> lines = ReadCp932Lines(path);
    if (lines.size() < 3) throw ReportError(path + ": too short for a figure file");
    FigureFileContent f;
    f.firstLine = lines[0];
    f.title = lines[1];
    const std::vector<double> e = numbers(lines[2], 6, path + " line 3");
    f.extents = {e[0], e[1], e[2], e[3], e[4], e[5]};
    std::size_t i = 3;
    auto where = [&path, &i] { return path + " line " + std::to_string(i + 1); };
    while (i < lines.size()) {
        const std::string section = lines[i++];
        if (section.empty()) continue;
        auto body = [&](const std::string& line) -> void {
            const std::string w = where();
            if (section == "座標情報") {
                auto v = numbers(line, 3, w);
                f.points.push_back({v[1], v[2]});
            } else if (section == "矩形情報") {
                auto v = numbers(line, 5, w);
                f.rects.push_back({{static_cast<int>(v[1]), static_cast<int>(v[2]),
                                    static_cast<int>(v[3]), static_cast<int>(v[4])}});
            } else if (section == "線分情報") {
                auto v = numbers(line, 4, w);
                f.lines.push_back(
                    {static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])});
            } else if (section == "円情報") {
                auto v = numbers(line, 4, w);
                f.circles.push_back({static_cast<int>(v[1]), v[2], static_cast<int>(v[3])});
            } else if (section == "円弧情報") {
                auto v = numbers(line, 7, w);
                f.arcs.push_back({{v[1], v[2], v[3], v[4], v[5]}, static_cast<int>(v[6])});
            } else if (section == "矢印(1)") {
                auto v = numbers(line, 4, w);
                f.arrows.push_back(
                    {static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])});
            } else if (section == "塗潰情報") {
                std::size_t c1 = line.find(','), c2 = line.find(',', c1 + 1),
                            c3 = line.find(',', c2 + 1);
                if (c3 == std::string::npos) throw ReportError(w + ": a fill needs 4 fields");
                f.fills.push_back({integer(line.substr(c1 + 1, c2 - c1 - 1), w),
                                   integer(line.substr(c2 + 1, c3 - c2 - 1), w),
                                   std::string(trim(line.substr(c3 + 1)))});
            } else {
                throw ReportError(w + ": unknown section \"" + section + "\"");
            }
        };
        if (section == "文字情報") {
            while (i < lines.size() && lines[i] != "END") {
                if (i + 1 >= lines.size()) throw ReportError(where() + ": text without position");
                const std::string text = lines[i++];
                auto v = numbers(lines[i], 4, where());
                ++i;
                f.texts.push_back(
                    {text, static_cast<int>(v[2]), static_cast<int>(v[3]), v[0], v[1]});
            }
        } else {
            while (i < lines.size() && lines[i] != "END")
                body(lines[i++]);
        }
        if (i >= lines.size()) throw ReportError(path + ": section \"" + section + "\" has no END");
        ++i;  // END
    }
    return f;
}

}  // namespace nuvra::figures
