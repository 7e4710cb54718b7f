#include "chapter_rig.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "common/cp932.h"
#include "report/field_fill.h"

namespace nuvra::report::test {
namespace {

std::string installed(const std::string& name) {
    return std::string(NUVRA_BINARY_DIR) + "/bin/" + name;
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

std::string toUtf8(const std::string& cp932) {
    std::optional<std::string> s = fromCp932(cp932);
    if (!s) throw std::runtime_error("bytes that are not CP932");
    return *s;
}

std::string crlfCp932(const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n') text += '\r';
        text += c;
    }
    std::optional<std::string> b = toCp932(text);
    if (!b) throw std::runtime_error("text that CP932 cannot hold");
    return *b;
}

// The fields of a template text (UTF-8) in their order on the line, as UTF-8.
std::vector<std::string> fieldsOf(const std::string& text) {
    std::string bytes = *toCp932(text);
    std::vector<std::pair<std::size_t, std::string>> fields;
    for (const NumberField& f : ScanNumberFields(bytes))
        fields.emplace_back(f.pos, bytes.substr(f.pos, f.width));
    for (const TextField& f : ScanTextFields(bytes))
        fields.emplace_back(f.pos, bytes.substr(f.pos, f.width));
    std::sort(fields.begin(), fields.end());
    std::vector<std::string> out;
    for (auto& [pos, b] : fields)
        out.push_back(toUtf8(b));
    return out;
}

std::vector<std::string> splitBlanks(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

}  // namespace

std::vector<std::string> InstalledTemplateLines() {
    return splitLines(toUtf8(nuvra::test::readFile(installed("Nuvra.FMT"))));
}

std::string MarkerTemplate(const std::vector<std::string>& drop) {
    std::string out;
    std::string block;
    bool skip = false;
    for (const std::string& line : InstalledTemplateLines()) {
        if (block.empty()) {
            if (line.empty() || line[0] == '\'') continue;
            block = line;
            skip = std::find(drop.begin(), drop.end(), block) != drop.end();
            if (!skip) out += line + "\n";
            continue;
        }
        if (line == "End") {
            if (!skip) out += "End\n";
            block.clear();
            continue;
        }
        if (skip || line.empty() || line[0] == '\'') continue;
        // Columns 1-5 are ASCII: number, separator, level.
        std::string head = line.substr(0, 5);
        std::string text = line.size() > 5 ? line.substr(5) : "";
        std::string number = head.substr(0, 3);
        number.erase(0, number.find_first_not_of(' '));
        std::string marker = head + block + ":" + number;
        for (const std::string& f : fieldsOf(text))
            marker += " " + f;
        out += marker + "\n";
    }
    return out;
}

std::vector<TraceLine> ReadTrace(const std::string& printFile) {
    std::vector<TraceLine> trace;
    for (std::string line : splitLines(nuvra::test::readFile(printFile))) {
        while (!line.empty() && line[0] == '\f') {
            trace.push_back({"FF", {}});
            line.erase(0, 1);
        }
        std::string text = toUtf8(line);
        std::size_t lead = text.find_first_not_of(' ');
        if (lead == std::string::npos) {
            trace.push_back({"", {}});
            continue;
        }
        text.erase(0, lead);
        if (text.rfind("?R1", 0) == 0 || text.rfind("?R2", 0) == 0) text.erase(0, 3);
        if (text.rfind("?FG;000;000;", 0) == 0) {
            // Body lines start 2 columns in; an indented reference 4 further.
            trace.push_back({lead >= 6 ? "FG4" : "FG", {text.substr(12)}});
            continue;
        }
        std::vector<std::string> words = splitBlanks(text);
        TraceLine t{words.front(), {}};
        t.values.assign(words.begin() + 1, words.end());
        trace.push_back(t);
    }
    return trace;
}

std::vector<std::string> Tags(const std::vector<TraceLine>& trace) {
    std::vector<std::string> tags;
    for (const TraceLine& t : trace)
        tags.push_back(t.tag);
    return tags;
}

std::vector<TraceLine> LinesTagged(const std::vector<TraceLine>& trace, const std::string& tag) {
    std::vector<TraceLine> out;
    for (const TraceLine& t : trace)
        if (t.tag == tag) out.push_back(t);
    return out;
}

Seq& Seq::F(int from, int to) {
    if (to < from) to = from;
    for (int k = from; k <= to; ++k)
        tags_.push_back(block_ + ":" + std::to_string(k));
    return *this;
}

Seq& Seq::B(int n) {
    for (int i = 0; i < n; ++i)
        tags_.push_back("");
    return *this;
}

Seq& Seq::FF() {
    tags_.push_back("FF");
    return *this;
}

Seq& Seq::FG(bool indent) {
    tags_.push_back(indent ? "FG4" : "FG");
    return *this;
}

Seq& Seq::Add(const Seq& other) {
    tags_.insert(tags_.end(), other.tags_.begin(), other.tags_.end());
    return *this;
}

ChapterRig::ChapterRig(const std::string& templateText, bool styles)
    : writer_({dir_.file("Nuvra.FMT"), dir_.file("Nuvra.INI"), dir_.file("tmp")}),
      figures_(dir_.path(), dir_.file("tmp")) {
    std::filesystem::create_directory(dir_.file("tmp"));
    nuvra::test::writeFile(dir_.file("Nuvra.FMT"),
                           crlfCp932(templateText.empty() ? MarkerTemplate() : templateText));
    if (styles)
        for (const char* f : {"LINE_PRN.DEF", "STR_PRN.DEF"})
            std::filesystem::copy_file(installed(f), dir_.file(f));
    writer_.StartGeneration(NumberingSettings{});
    figures_.StartGeneration();
}

bool ChapterRig::Run(bool (*writer)(const ChapterContext&), const Design& design) {
    printFile_ = writer_.NewPrintFile();
    writer_.SetCurrentPrintFile(printFile_);
    return writer({writer_, figures_, design.d, design.r});
}

}  // namespace nuvra::report::test
