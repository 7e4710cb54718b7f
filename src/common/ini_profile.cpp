#include "common/ini_profile.h"

#include <limits>
#include <optional>
#include <vector>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"

namespace nuvra {
namespace {

// One line of the file: its content [begin, end) and where the next line starts.
struct RawLine {
    std::size_t begin, end, next;
};

std::vector<RawLine> splitLines(const std::string& bytes) {
    std::vector<RawLine> lines;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t begin = i;
        while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        std::size_t end = i;
        if (i < bytes.size()) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            ++i;
        }
        lines.push_back({begin, end, i});
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names are compared on UTF-8, where every byte of a non-ASCII character is >= 0x80, so
// folding ASCII letters never touches part of a double-byte character.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // value, trimmed and unquoted
};

ParsedLine parseLine(std::string_view raw) {
    ParsedLine p;
    // A damaged byte spoils only its own character; the line keeps its kind.
    std::string text = fromCp932Lossy(raw);
    std::string_view t = trim(text);
    if (t.empty() || t.front() == ';') return p;
    if (t.front() == '[') {
        t.remove_prefix(1);
        std::size_t close = t.find(']');
        p.kind = LineKind::Section;
        p.name = trim(t.substr(0, close));
        return p;
    }
    p.kind = LineKind::Entry;
    std::size_t eq = t.find('=');
    p.name = trim(t.substr(0, eq));
    if (eq != std::string_view::npos) {
        std::string_view v = trim(t.substr(eq + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
            v.remove_prefix(1);
            v.remove_suffix(1);
        }
        p.value = v;
    }
    return p;
}

// Where a key stands in the file: the first section of the name and the first key of
// the name within it.
struct Lookup {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t keyLine = 0;        // index of the key's line
    std::size_t lastInSection = 0;  // header or last entry line of the section
    std::string keyName;            // the key as the file spells it
    std::string value;
};

Lookup find(const std::string& bytes, const std::vector<RawLine>& lines, std::string_view section,
            std::string_view key) {
    Lookup r;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ParsedLine p = parseLine(
            std::string_view(bytes).substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (p.kind == LineKind::Section) {
            if (inSection) break;  // the first matching section ended
            if (sameName(p.name, section)) {
                inSection = r.sectionFound = true;
                r.lastInSection = i;
            }
        } else if (p.kind == LineKind::Entry && inSection) {
            r.lastInSection = i;
            if (!r.keyFound && sameName(p.name, key)) {
                r.keyFound = true;
                r.keyLine = i;
                r.keyName = p.name;
                r.value = p.value;
            }
        }
    }
    return r;
}

std::optional<std::string> readValue(const std::string& iniPath, std::string_view section,
                                     std::string_view key) {
    try {
        std::string bytes;
        if (readWholeFile(iniPath, bytes) != 0) return std::nullopt;
        std::vector<RawLine> lines = splitLines(bytes);
        Lookup r = find(bytes, lines, trim(section), trim(key));
        if (!r.keyFound) return std::nullopt;
        return r.value;
    } catch (...) {
        return std::nullopt;
    }
}

bool storable(std::string_view s) {
    return s.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

std::int32_t CPrivateProfile::GetValueLong(const std::string& iniPath, std::string_view section,
                                           std::string_view key) {
    std::optional<std::string> v = readValue(iniPath, section, key);
    if (!v) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < v->size() && ((*v)[i] == '+' || (*v)[i] == '-')) negative = (*v)[i++] == '-';
    std::int64_t n = 0;
    bool digits = false;
    for (; i < v->size() && (*v)[i] >= '0' && (*v)[i] <= '9'; ++i) {
        digits = true;
        n = n * 10 + ((*v)[i] - '0');
        if (n > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return 0;
    }
    if (!digits) return 0;
    if (negative) n = -n;
    if (n > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(n);
}

std::string CPrivateProfile::GetValueString(const std::string& iniPath, std::string_view section,
                                            std::string_view key) {
    std::optional<std::string> v = readValue(iniPath, section, key);
    if (!v) return {};
    std::size_t pos = 0;
    for (std::size_t chars = 0; pos < v->size() && chars < kMaxValueChars; ++chars)
        pos += utf8CharLength(*v, pos);
    v->resize(pos);
    return *v;
}

bool CPrivateProfile::SetValueString(const std::string& iniPath, std::string_view section,
                                     std::string_view key, std::string_view value) {
    try {
        section = trim(section);
        key = trim(key);
        if (key.empty() || !storable(section) || !storable(key) || !storable(value) ||
            section.find(']') != std::string_view::npos ||
            key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';')
            return false;

        std::string bytes;
        std::int32_t rc = readWholeFile(iniPath, bytes);
        if (rc == kErrFileNotFound) {
            bytes.clear();
        } else if (rc != 0) {
            return false;  // never replace a file we could not read
        }
        std::vector<RawLine> lines = splitLines(bytes);
        Lookup r = find(bytes, lines, section, key);

        auto entry = toCp932(std::string(r.keyFound ? r.keyName : std::string(key)) + "=" +
                             std::string(value));
        if (!entry) return false;

        std::string out;
        if (r.keyFound) {
            const RawLine& l = lines[r.keyLine];
            out = bytes.substr(0, l.begin) + *entry + bytes.substr(l.end);
        } else if (r.sectionFound) {
            const RawLine& l = lines[r.lastInSection];
            std::string head = bytes.substr(0, l.next);
            if (l.next == l.end) head += "\r\n";  // the last line had no line end
            out = head + *entry + "\r\n" + bytes.substr(l.next);
        } else {
            auto header = toCp932("[" + std::string(section) + "]");
            if (!header) return false;
            out = bytes;
            if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
            if (!out.empty()) out += "\r\n";  // a blank line between sections
            out += *header + "\r\n" + *entry + "\r\n";
        }
        return writeFileAtomically(iniPath, out) == 0;
    } catch (...) {
        return false;
    }
}

}  // namespace nuvra
