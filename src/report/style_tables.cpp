#include "report/style_tables.h"

#include <charconv>
#include <optional>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/line_reader.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitRecord(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        std::string field;
        std::size_t comma;
        if (i < line.size() && line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) close = line.size();
            field = line.substr(i + 1, close - i - 1);
            comma = line.find(',', close);  // anything between the quote and the comma drops
        } else {
            comma = line.find(',', i);
            field =
                trimBlanks(line.substr(i, comma == std::string_view::npos ? line.npos : comma - i));
        }
        fields.push_back(std::move(field));
        if (comma == std::string_view::npos) break;
        i = comma + 1;
    }
    return fields;
}

std::vector<std::vector<std::string>> readTable(const std::string& path, int rows,
                                                std::size_t fieldCount) {
    LineReader in;
    if (std::int32_t rc = in.open(path); rc != 0)
        throw ReportError("cannot open the style file " + path + ": " + fileErrorText(rc));
    std::string raw;
    if (!in.readLine(raw)) throw ReportError("style file " + path + " is empty");
    std::vector<std::vector<std::string>> records;
    while (in.readLine(raw)) {
        std::optional<std::string> line = fromCp932(raw);
        if (!line) throw ReportError("style file " + path + " holds bytes that are not CP932");
        if (trimBlanks(*line).empty()) continue;
        std::vector<std::string> fields = splitRecord(*line);
        if (fields[0] == "END") return records;
        if (static_cast<int>(records.size()) >= rows)
            throw ReportError("style file " + path + " has more than " + std::to_string(rows) +
                              " records");
        if (fields.size() < fieldCount)
            throw ReportError("style file " + path + ": a record has fewer than " +
                              std::to_string(fieldCount) + " fields");
        records.push_back(std::move(fields));
    }
    throw ReportError("style file " + path + " has no END record");
}

std::int32_t integerField(const std::string& s, const std::string& path) {
    std::int32_t v = 0;
    const char* first = s.data();
    if (!s.empty() && s[0] == '+') ++first;
    auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || first == s.data() + s.size())
        throw ReportError("style file " + path + ": \"" + s + "\" is not an integer");
    return v;
}

}  // namespace

std::vector<LineStyle> ReadLineStyles(const std::string& path) {
    std::vector<LineStyle> out;
    for (const auto& f : readTable(path, kLineStyleRows, 4))
        out.push_back({f[0], integerField(f[1], path), integerField(f[2], path), f[3]});
    return out;
}

std::vector<TextStyle> ReadTextStyles(const std::string& path) {
    std::vector<TextStyle> out;
    for (const auto& f : readTable(path, kTextStyleRows, 8))
        out.push_back({f[0], integerField(f[1], path), f[2], integerField(f[3], path),
                       integerField(f[4], path), integerField(f[5], path), integerField(f[6], path),
                       f[7]});
    return out;
}

}  // namespace nuvra::report
