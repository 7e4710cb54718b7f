#include "formats/style_files.h"

#include <charconv>
#include <optional>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "formats/cp932_chars.h"
#include "formats/format_error.h"
#include "formats/messages.h"
#include "formats/text_fields.h"

namespace nuvra::formats {
namespace {

const LineStyle kDefaultLine{};
const TextStyle kDefaultText{};

std::optional<long> parseInteger(std::string_view s) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    long v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

// The records of a strict table, each with at least fieldCount fields.
std::vector<std::vector<std::string>> readTable(const std::string& path, int rows,
                                                std::size_t fieldCount) {
    std::string bytes;
    if (std::int32_t rc = readWholeFile(path, bytes); rc != 0)
        throw FormatError("cannot open the style file " + path + ": " + fileErrorText(rc));
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty()) throw FormatError("style file " + path + " is empty");
    std::vector<std::vector<std::string>> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 is the header
        std::optional<std::string> line = fromCp932(lines[i]);
        if (!line) throw FormatError("style file " + path + " holds bytes that are not CP932");
        if (trimBlanks(*line).empty()) continue;
        std::vector<std::string> fields = splitStyleRecord(*line);
        if (fields[0] == "END") return records;
        if (static_cast<int>(records.size()) >= rows)
            throw FormatError("style file " + path + " has more than " + std::to_string(rows) +
                              " records");
        if (fields.size() < fieldCount)
            throw FormatError("style file " + path + ": a record has fewer than " +
                              std::to_string(fieldCount) + " fields");
        records.push_back(std::move(fields));
    }
    throw FormatError("style file " + path + " has no END record");
}

std::int32_t integerField(const std::string& s, const std::string& path) {
    std::int32_t v = 0;
    const char* first = s.data();
    if (!s.empty() && s[0] == '+') ++first;
    auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || first == s.data() + s.size())
        throw FormatError("style file " + path + ": \"" + s + "\" is not an integer");
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
        out.push_back({f[0], integerField(f[1], path), f[2],
                       static_cast<double>(integerField(f[3], path)), integerField(f[4], path),
                       integerField(f[5], path), integerField(f[6], path), f[7]});
    return out;
}

std::vector<std::string> splitStyleRecord(std::string_view line) {
    std::vector<std::string> fields;
    std::string field;
    bool inQuotes = false;
    bool quoted = false;  // the field had quotes; what follows the closing one is dropped
    for (char c : line) {
        if (inQuotes) {
            if (c == '"')
                inQuotes = false;
            else
                field += c;
            continue;
        }
        if (c == ',') {
            fields.push_back(quoted ? field : std::string(trimBlanks(field)));
            field.clear();
            quoted = false;
            continue;
        }
        if (quoted) continue;
        if (c == '"' && trimBlanks(field).empty()) {
            field.clear();  // blanks before the opening quote are not part of the text
            inQuotes = quoted = true;
            continue;
        }
        field += c;
    }
    fields.push_back(quoted ? field : std::string(trimBlanks(field)));
    return fields;
}

std::vector<std::vector<std::string>> readStyleRecords(std::string_view bytes) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string_view> lines = splitLines(bytes);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 1 is the header
        if (trimBlanks(lines[i]).empty()) continue;
        std::vector<std::string> fields = splitStyleRecord(cp932ToUtf8(lines[i]));
        if (!fields.empty() && fields.front() == "END") break;
        records.push_back(std::move(fields));
    }
    return records;
}

void StyleTables::load(const std::string& folder) {
    loadLineStyles(folder + "/LINE_PRN.DEF");
    loadTextStyles(folder + "/STR_PRN.DEF");
}

void StyleTables::loadLineStyles(const std::string& path) {
    std::string bytes;
    if (std::int32_t err = readWholeFile(path, bytes); err != 0) {
        lines_.clear();
        problems_.push_back(fileNameOf(path) + " を読めません（" + fileProblemText(err) +
                            "）。図の線は既定の細い実線で描きます。");
        return;
    }
    setLineStyles(bytes, fileNameOf(path));
}

void StyleTables::loadTextStyles(const std::string& path) {
    std::string bytes;
    if (std::int32_t err = readWholeFile(path, bytes); err != 0) {
        texts_.clear();
        problems_.push_back(fileNameOf(path) + " を読めません（" + fileProblemText(err) +
                            "）。図の文字は既定の大きさで描きます。");
        return;
    }
    setTextStyles(bytes, fileNameOf(path));
}

void StyleTables::setLineStyles(std::string_view bytes, const std::string& fileName) {
    lines_.clear();
    int row = 0;
    for (const auto& f : readStyleRecords(bytes)) {
        ++row;
        LineStyle s;
        auto width = f.size() > 1 ? parseInteger(f[1]) : std::nullopt;
        auto pen = f.size() > 2 ? parseInteger(f[2]) : std::nullopt;
        if (!width || !pen || *width < 0 || *pen < 0 || *pen > 5) {
            problems_.push_back(fileName + " の " + std::to_string(row) +
                                " 番目の線種の形式が正しくありません。既定の線で描きます。");
        } else {
            if (!f.empty()) s.Key = f[0];
            // A pen wider than 2 mm is a typing error, not a drawing.
            s.Width = static_cast<std::int32_t>(std::min(*width, 20L));
            s.PenStyle = static_cast<std::int32_t>(*pen);
            if (f.size() > 3) s.Colour = f[3];
        }
        lines_.push_back(s);
    }
}

void StyleTables::setTextStyles(std::string_view bytes, const std::string& fileName) {
    texts_.clear();
    int row = 0;
    for (const auto& f : readStyleRecords(bytes)) {
        ++row;
        TextStyle s;
        auto height = f.size() > 3 ? parseInteger(f[3]) : std::nullopt;
        if (!height || *height <= 0 || *height > 14400) {
            problems_.push_back(fileName + " の " + std::to_string(row) +
                                " 番目の文字種の形式が正しくありません。既定の大きさで描きます。");
        } else {
            if (!f.empty()) s.Key = f[0];
            s.Height = static_cast<double>(*height);
            auto weight = f.size() > 4 ? parseInteger(f[4]) : std::nullopt;
            s.Weight = weight && *weight >= 600 ? 700 : 400;
            auto italic = f.size() > 5 ? parseInteger(f[5]) : std::nullopt;
            auto underline = f.size() > 6 ? parseInteger(f[6]) : std::nullopt;
            s.Italic = italic && *italic != 0 ? 1 : 0;
            s.Underline = underline && *underline != 0 ? 1 : 0;
            if (f.size() > 7) s.Colour = f[7];
        }
        texts_.push_back(s);
    }
}

const LineStyle& StyleTables::line(int index) const {
    return hasLine(index) ? lines_[static_cast<std::size_t>(index - 1)] : kDefaultLine;
}

const TextStyle& StyleTables::text(int index) const {
    return hasText(index) ? texts_[static_cast<std::size_t>(index - 1)] : kDefaultText;
}

}  // namespace nuvra::formats
