#include "report/field_fill.h"

#include <algorithm>
#include <cmath>

#include "common/cp932.h"
#include "common/number_format.h"
#include "report/report_error.h"

namespace nuvra::report {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isPatternByte(char c) {
    return c == '#' || c == ',' || c == '.' || c == '0';
}

std::string toBytes(std::string_view utf8, const char* what) {
    std::optional<std::string> b = toCp932(utf8);
    if (!b)
        throw ReportError(std::string(what) + " holds \"" + firstUnmappable(utf8) +
                          "\", which code page 932 cannot hold");
    return *b;
}

}  // namespace

std::vector<NumberField> ScanNumberFields(std::string_view s) {
    std::vector<NumberField> out;
    std::size_t from = 0;
    while (out.size() < kMaxFields) {
        std::size_t hash = s.find('#', from);
        if (hash == npos) break;
        // A "+" or "\" right before the first "#" opens the field; any later "+#" or
        // "\#" lies further right and cannot come first.
        std::size_t start = hash;
        if (hash > from && (s[hash - 1] == '+' || s[hash - 1] == '\\')) start = hash - 1;
        std::size_t end = start + 1;
        while (end < s.size() && isPatternByte(s[end]))
            ++end;
        out.push_back({start, end - start, std::string(s.substr(start, end - start))});
        from = end;
    }
    return out;
}

std::vector<TextField> ScanTextFields(std::string_view s) {
    std::vector<TextField> out;
    std::size_t from = 0;
    while (out.size() < kMaxFields) {
        std::size_t amp = s.find('&', from);
        std::size_t bang = s.find('!', from);
        if (amp == npos && bang == npos) break;
        if (amp != npos) {
            // A "!" before this "&" is not a field: it stays in the line.
            std::size_t close = s.find('&', amp + 1);
            std::size_t end = close == npos ? s.size() : close + 1;
            bool right = amp + 1 < s.size() && s[amp + 1] == '>';
            out.push_back({amp, end - amp, right});
            from = end;
        } else {
            out.push_back({bang, 1, true});
            from = bang + 1;
        }
    }
    return out;
}

std::string FormatTextForField(std::string_view text, std::size_t width, bool right) {
    std::size_t n = utf8Length(text);
    if (n >= width) return std::string(text);
    std::string pad(width - n, ' ');
    return right ? pad + std::string(text) : std::string(text) + pad;
}

void PlaceValue(std::string& line, std::size_t pos, std::size_t width, std::string_view value) {
    if (pos >= line.size()) return;
    std::size_t n = std::min({width, value.size(), line.size() - pos});
    line.replace(pos, n, value.substr(0, n));
    std::size_t i = 0;
    while (i < n)
        i += isCp932LeadByte(static_cast<unsigned char>(value[i])) ? 2 : 1;
    if (i > n) line[pos + n - 1] = ' ';  // the cut split a double-byte character
}

std::string FillTemplate(std::string_view templateText, std::span<const double> numbers,
                         std::span<const std::string> texts) {
    const std::string original = toBytes(templateText, "a template line");
    std::string line = original;
    std::vector<NumberField> nf = ScanNumberFields(original);
    for (std::size_t i = 0; i < nf.size(); ++i) {
        if (i >= numbers.size())
            throw ReportError("template line has number field " + std::to_string(i + 1) +
                              " but the number array ends at " + std::to_string(numbers.size()));
        if (!std::isfinite(numbers[i]))
            throw ReportError("number " + std::to_string(i + 1) + " is not finite");
        PlaceValue(line, nf[i].pos, nf[i].width, formatField(numbers[i], nf[i].pattern));
    }
    std::vector<TextField> tf = ScanTextFields(original);
    for (std::size_t i = 0; i < tf.size(); ++i) {
        if (i >= texts.size())
            throw ReportError("template line has text field " + std::to_string(i + 1) +
                              " but the text array ends at " + std::to_string(texts.size()));
        std::string filled = FormatTextForField(texts[i], tf[i].width, tf[i].right);
        PlaceValue(line, tf[i].pos, tf[i].width, toBytes(filled, "a text value"));
    }
    return line;
}

}  // namespace nuvra::report
