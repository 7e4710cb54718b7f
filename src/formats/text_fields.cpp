#include "formats/text_fields.h"

#include <charconv>
#include <cmath>

namespace nuvra::formats {

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(pos));
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<double> parseNumber(std::string_view s) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    double v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long> parseWhole(std::string_view s) {
    auto v = parseNumber(s);
    if (!v || std::fabs(*v) > 1e9 || *v != std::floor(*v)) return std::nullopt;
    return static_cast<long>(*v);
}

std::vector<std::string_view> splitCommas(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        std::size_t comma = line.find(',', pos);
        if (comma == std::string_view::npos) {
            fields.push_back(trimBlanks(line.substr(pos)));
            break;
        }
        fields.push_back(trimBlanks(line.substr(pos, comma - pos)));
        pos = comma + 1;
    }
    return fields;
}

std::vector<std::string_view> splitBlanks(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t' || line[pos] == ','))
            ++pos;
        std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != ',')
            ++pos;
        if (pos > start) fields.push_back(line.substr(start, pos - start));
    }
    return fields;
}

}  // namespace nuvra::formats
