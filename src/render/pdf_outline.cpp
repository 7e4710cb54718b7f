#include "render/pdf_outline.h"

#include "render/pdf_reader.h"
#include "render/report_document.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>

namespace nuvra::render {
namespace {

using namespace pdf;

// A PDF text string: UTF-16BE with its byte-order mark, in hex.
std::string pdfTextString(const std::string& utf8) {
    std::string out = "<FEFF";
    auto hex = [&out](unsigned v) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFFu);
        out += buf;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0xFFFD;
        std::size_t n = c < 0x80           ? 1
                        : (c >> 5) == 0x6  ? 2
                        : (c >> 4) == 0xE  ? 3
                        : (c >> 3) == 0x1E ? 4
                                           : 1;
        if (i + n > utf8.size()) n = 1;
        if (n == 1) {
            cp = c < 0x80 ? c : 0xFFFD;
        } else {
            cp = c & (0xFF >> (n + 1));
            for (std::size_t k = 1; k < n; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            hex(0xD800 + (cp >> 10));
            hex(0xDC00 + (cp & 0x3FF));
        } else {
            hex(cp);
        }
    }
    return out + ">";
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

struct Node {
    long obj = 0;
    int parent = -1;  // index into nodes, -1 the outline root
    std::vector<int> children;
    const OutlineEntry* entry = nullptr;
};

// The incremental update for the PDF in `src`; empty when there is nothing to add.
bool outlineUpdate(const ByteSource& src, const std::vector<OutlineEntry>& entries,
                   const std::string& author, std::string& update, std::string& error) {
    update.clear();
    if (entries.empty() && author.empty()) return true;
    PdfReader pdf(src);
    if (!pdf.readTrailer(error)) return false;
    std::string catalog;
    if (!pdf.object(pdf.root(), catalog, error)) return false;
    if (catalog.find("/Outlines") != std::string::npos) {
        error = "PDF にはすでにしおりがあります";
        return false;
    }
    std::vector<Ref> pages;
    std::vector<double> heights;
    if (!pdf.pages(pages, heights, error)) return false;

    // The tree: chapters at the top, sections under the chapter before them.
    std::vector<Node> nodes;
    std::vector<int> top;
    long next = pdf.size();
    const long rootObj = next++;
    int chapter = -1;
    for (const OutlineEntry& e : entries) {
        if (e.page < 0 || e.page >= static_cast<int>(pages.size())) continue;
        Node n;
        n.obj = next++;
        n.entry = &e;
        int index = static_cast<int>(nodes.size());
        if (e.level >= 2 && chapter >= 0) {
            n.parent = chapter;
            nodes[static_cast<std::size_t>(chapter)].children.push_back(index);
        } else {
            top.push_back(index);
            chapter = index;
        }
        nodes.push_back(n);
    }
    std::string info;
    if (!author.empty() && pdf.hasInfo()) {
        if (!pdf.object(pdf.info(), info, error)) return false;
        if (info.find("/Author") != std::string::npos) info.clear();
    }
    if (nodes.empty() && info.empty()) return true;

    std::string out;
    const std::size_t base = src.size();
    if (src.read(base - 1, 1) != "\n") out += '\n';
    std::map<long, long> written;  // object -> offset
    auto begin = [&](long obj, long gen) {
        written[obj] = static_cast<long>(base + out.size());
        out += std::to_string(obj) + " " + std::to_string(gen) + " obj\n";
    };
    auto ref = [](long obj) { return std::to_string(obj) + " 0 R"; };

    auto gen = [&](long obj) {
        if (obj == pdf.root().num) return pdf.root().gen;
        if (pdf.hasInfo() && obj == pdf.info().num) return pdf.info().gen;
        return 0L;
    };
    if (!info.empty()) {
        std::string dict = info.substr(0, info.size() - 2);
        begin(pdf.info().num, pdf.info().gen);
        out += dict + "\n/Author " + pdfTextString(author) + "\n>>\nendobj\n";
    }
    if (!nodes.empty()) {
        begin(rootObj, 0);
        out += "<<\n/Type /Outlines\n/First " +
               ref(nodes[static_cast<std::size_t>(top.front())].obj) + "\n/Last " +
               ref(nodes[static_cast<std::size_t>(top.back())].obj) + "\n/Count " +
               std::to_string(nodes.size()) + "\n>>\nendobj\n";
        auto siblingsOf = [&](const Node& n) -> const std::vector<int>& {
            return n.parent < 0 ? top : nodes[static_cast<std::size_t>(n.parent)].children;
        };
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const Node& n = nodes[i];
            const std::vector<int>& sib = siblingsOf(n);
            std::size_t at = 0;
            while (at < sib.size() && sib[at] != static_cast<int>(i))
                ++at;
            const auto page = static_cast<std::size_t>(n.entry->page);
            double y = heights[page] - n.entry->topMm * kPointsPerMm;
            begin(n.obj, 0);
            out += "<<\n/Title " + pdfTextString(n.entry->title) + "\n/Parent " +
                   ref(n.parent < 0 ? rootObj : nodes[static_cast<std::size_t>(n.parent)].obj) +
                   "\n";
            if (at > 0)
                out += "/Prev " + ref(nodes[static_cast<std::size_t>(sib[at - 1])].obj) + "\n";
            if (at + 1 < sib.size())
                out += "/Next " + ref(nodes[static_cast<std::size_t>(sib[at + 1])].obj) + "\n";
            if (!n.children.empty()) {
                out += "/First " + ref(nodes[static_cast<std::size_t>(n.children.front())].obj) +
                       "\n/Last " + ref(nodes[static_cast<std::size_t>(n.children.back())].obj) +
                       "\n/Count " + std::to_string(n.children.size()) + "\n";
            }
            out += "/Dest [" + std::to_string(pages[page].num) + " " +
                   std::to_string(pages[page].gen) + " R /XYZ null " + number(y) +
                   " null]\n>>\nendobj\n";
        }
        // The catalog again, now naming the outline and opening the reader's outline pane.
        std::string dict = catalog.substr(0, catalog.size() - 2);
        while (!dict.empty() && std::isspace(static_cast<unsigned char>(dict.back())))
            dict.pop_back();
        begin(pdf.root().num, pdf.root().gen);
        out += dict + "\n/Outlines " + ref(rootObj) + "\n/PageMode /UseOutlines\n>>\nendobj\n";
    }

    const long xref = static_cast<long>(base + out.size());
    out += "xref\n";
    for (auto it = written.begin(); it != written.end();) {
        auto run = it;
        long count = 0;
        while (run != written.end() && run->first == it->first + count) {
            ++run;
            ++count;
        }
        out += std::to_string(it->first) + " " + std::to_string(count) + "\n";
        for (; it != run; ++it) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010ld %05ld n\r\n", it->second, gen(it->first));
            out += entry;
        }
    }
    out += "trailer\n<<\n/Size " + std::to_string(nodes.empty() ? pdf.size() : next) + "\n/Root " +
           std::to_string(pdf.root().num) + " " + std::to_string(pdf.root().gen) + " R\n";
    if (pdf.hasInfo())
        out += "/Info " + std::to_string(pdf.info().num) + " " + std::to_string(pdf.info().gen) +
               " R\n";
    if (!pdf.id().empty()) out += pdf.id() + "\n";
    out += "/Prev " + std::to_string(pdf.xrefOffset()) + "\n>>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    update = std::move(out);
    return true;
}

}  // namespace

bool appendPdfOutline(std::string& bytes, const std::vector<OutlineEntry>& entries,
                      const std::string& author, std::string& error) {
    std::string update;
    if (!outlineUpdate(StringSource(bytes), entries, author, update, error)) return false;
    bytes += update;
    return true;
}

bool appendPdfOutlineToFile(const std::string& path, const std::vector<OutlineEntry>& entries,
                            const std::string& author, std::string& error) {
    std::string update;
    {
        FileSource src(path);
        if (!src.ok()) {
            error = path + " を読めません";
            return false;
        }
        if (!outlineUpdate(src, entries, author, update, error)) return false;
    }
    if (update.empty()) return true;
    // Only the update is written; the file's own bytes are not touched.
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(update.data(), static_cast<std::streamsize>(update.size()));
    out.flush();
    if (!out) {
        error = path + " に書き込めません";
        return false;
    }
    return true;
}

bool addDocumentOutline(const ReportDocument& doc, const std::string& pdfPath, std::string& error) {
    std::vector<OutlineEntry> entries;
    for (const Heading& h : doc.headings())
        entries.push_back({h.level, h.text, h.page, doc.geometry().rowTopMm(h.row)});
    return appendPdfOutlineToFile(pdfPath, entries, kPdfAuthor, error);
}

}  // namespace nuvra::render
