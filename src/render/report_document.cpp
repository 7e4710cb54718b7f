#include "render/report_document.h"

#include <algorithm>
#include <cmath>

#include "formats/cp932_chars.h"
#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "render/page_flow.h"

namespace nuvra::render {
namespace {

constexpr int kNoteRows = 4;
// The design's title stands on a line "件名：..." at the start of the report.
constexpr const char* kTitleLabel = "件名：";
constexpr long kTitleSearchLines = 200;

std::string trimmed(std::string text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(text[start]))
        ++start;
    text.erase(0, start);
    // A full-width blank at either end, as a title field pads with them.
    const std::string wide = "\u3000";
    while (text.size() >= wide.size() &&
           text.compare(text.size() - wide.size(), wide.size(), wide) == 0)
        text.erase(text.size() - wide.size());
    while (text.compare(0, wide.size(), wide) == 0)
        text.erase(0, wide.size());
    return text;
}
constexpr double kNoteWidthMm = 120.0;

std::size_t elementsOf(const formats::FigureFile& f) {
    return f.points.size() + f.rects.size() + f.segments.size() + f.circles.size() + f.arcs.size() +
           f.fills.size() + f.arrows.size() + f.texts.size();
}

}  // namespace

ReportDocument::ReportDocument() = default;
ReportDocument::~ReportDocument() = default;
ReportDocument::ReportDocument(ReportDocument&&) noexcept = default;
ReportDocument& ReportDocument::operator=(ReportDocument&&) noexcept = default;

bool ReportDocument::open(const std::string& printFile, const RenderOptions& options,
                          std::string& error) {
    path_ = printFile;
    folder_ = formats::folderOf(printFile);
    starts_.clear();
    headings_.clear();
    title_.clear();
    areas_.clear();
    keptElements_ = 0;
    reader_.reset();
    warnings_.clear();
    warningCount_ = 0;

    const std::string appFolder = options.appFolder.empty() ? "." : options.appFolder;
    std::string ini = appFolder + "/Nuvra.INI";
    geometry_ = geometryFromSettings(ini);
    if (options.marginTopMm || options.marginLeftMm) {
        int top =
            options.marginTopMm ? *options.marginTopMm : static_cast<int>(geometry_.marginTopMm);
        int left =
            options.marginLeftMm ? *options.marginLeftMm : static_cast<int>(geometry_.marginLeftMm);
        geometry_ = PageGeometry::forMargins(top, left);
    }
    styles_ = formats::StyleTables{};
    styles_.load(appFolder);
    for (const auto& p : styles_.problems())
        warn(p);

    auto owned = std::make_unique<formats::PrintFileReader>();
    formats::PrintFileReader& reader = *owned;
    if (!reader.open(printFile, error)) return false;
    stamp_ = reader.stamp();
    PageFlow flow(PageGeometry::kRowsPerPage);
    formats::PrintLine line;
    while (true) {
        auto ev = reader.next(line);
        if (ev == formats::PrintFileReader::Event::End) break;
        if (ev == formats::PrintFileReader::Event::Failed) {
            error = "印刷ファイル " + printFile + " を表示できません: " + reader.error();
            starts_.clear();
            return false;
        }
        if (ev == formats::PrintFileReader::Event::PageBreak) {
            flow.pageBreak();
            continue;
        }
        if (line.kind == formats::LineKind::Blank) {
            flow.blankLine();
            continue;
        }
        int rows = 1;
        bool captioned = false;
        std::string problem = line.problem;
        std::string where = std::to_string(line.lineNumber) + " 行目: ";
        if (line.kind == formats::LineKind::Figure) {
            PlacedFigure f = figureFor(line);
            rows = f.box.rows;
            captioned = f.box.captionMm > 0;
            problem = f.problem;
            if (problem.empty())
                for (const auto& p : area(f.layoutPath).figureProblems)
                    warn(where + p);
        }
        if (!problem.empty()) warn(where + problem);
        Placement p = flow.place(rows);
        if (p.newPage) starts_.push_back({reader.eventOffset(), reader.eventLine(), p.row});
        if (captioned) flow.blankLine();
        noteOutline(line, p);
    }
    reader_ = std::move(owned);
    return true;
}

void ReportDocument::noteOutline(const formats::PrintLine& line, const Placement& p) {
    if ((line.kind == formats::LineKind::Heading1 || line.kind == formats::LineKind::Heading2) &&
        headings_.size() < kMaxHeadings) {
        std::string text = trimmed(formats::cp932ToUtf8(line.text));
        if (!text.empty())
            headings_.push_back(
                {line.kind == formats::LineKind::Heading1 ? 1 : 2, std::move(text), p.page, p.row});
    }
    if (title_.empty() && line.kind == formats::LineKind::Body &&
        line.lineNumber <= kTitleSearchLines) {
        std::string text = trimmed(formats::cp932ToUtf8(line.text));
        const std::string label = kTitleLabel;
        if (text.compare(0, label.size(), label) == 0) title_ = trimmed(text.substr(label.size()));
    }
}

void ReportDocument::warn(std::string message) {
    ++warningCount_;
    if (warnings_.size() < kMaxWarnings) warnings_.push_back(std::move(message));
}

const ReportDocument::FigureArea& ReportDocument::area(const std::string& layoutPath) const {
    auto it = areas_.find(layoutPath);
    if (it != areas_.end()) return it->second;
    FigureArea a;
    auto loaded = std::make_shared<LoadedFigure>();
    std::string error;
    if (!formats::readFigureLayout(layoutPath, loaded->layout, error)) {
        a.problem = error;
    } else {
        a.ok = true;
        a.width = loaded->layout.width;
        a.height = loaded->layout.height;
        a.title = loaded->layout.title;
        // The figure files are read now so that every problem is known up front, and
        // kept while they fit the budget.
        std::size_t elements = 0;
        for (const auto& sub : loaded->layout.figures) {
            formats::FigureFile fig;
            if (!formats::readFigureFile(sub.path, fig, error)) {
                a.figureProblems.push_back(error);
                loaded->errors.push_back(error);
            } else {
                loaded->errors.emplace_back();
            }
            elements += elementsOf(fig);
            loaded->files.push_back(std::move(fig));
        }
        if (keptElements_ + elements <= kKeptFigureElements) {
            keptElements_ += elements;
            a.loaded = std::move(loaded);
        }
    }
    return areas_.emplace(layoutPath, std::move(a)).first->second;
}

FigureBox ReportDocument::boxFor(const FigureArea& a, int column) const {
    const PageGeometry& g = geometry_;
    FigureBox b;
    double avail = g.textRightMm() - g.marginLeftMm;
    double textHeight = PageGeometry::kRowsPerPage * g.linePitchMm;
    if (a.ok) {
        b.width = a.width;
        b.height = a.height;
    } else {
        b.width = std::min(kNoteWidthMm, avail);
        b.height = kNoteRows * g.linePitchMm;
    }
    if (b.width > avail) b.scale = avail / b.width;
    if (b.height * b.scale > textHeight) b.scale = textHeight / b.height;
    b.width *= b.scale;
    b.height *= b.scale;
    b.x = g.columnXMm(column);
    if (b.x + b.width > g.textRightMm()) b.x = std::max(g.marginLeftMm, g.textRightMm() - b.width);
    // A figure's title stands in the row under it. That row is taken like a blank line:
    // it never pushes the figure or what follows onto a new page.
    if (a.ok && !a.title.empty()) b.captionMm = g.linePitchMm;
    b.rows = std::max(1, static_cast<int>(std::ceil(b.height / g.linePitchMm - 1e-6)));
    b.rows = std::min(b.rows, PageGeometry::kRowsPerPage);
    return b;
}

PlacedFigure ReportDocument::figureFor(const formats::PrintLine& line) const {
    PlacedFigure f;
    f.lineNumber = line.lineNumber;
    f.problem = line.problem;
    if (f.problem.empty()) {
        f.layoutPath = formats::resolveFilePath(line.figurePath, folder_);
        const FigureArea& a = area(f.layoutPath);
        f.problem = a.problem;
        f.box = boxFor(a, line.column);
        f.loaded = a.loaded;
    } else {
        f.box = boxFor(FigureArea{}, line.column);
    }
    return f;
}

bool ReportDocument::page(int index, Page& page, std::string& error) const {
    page = Page{};
    page.index = index;
    if (starts_.empty() && index == 0) return true;
    if (index < 0 || index >= static_cast<int>(starts_.size())) {
        error = "ページ " + std::to_string(index + 1) + " はありません";
        return false;
    }
    if (!reader_ || !(reader_->stamp() == stamp_)) {
        error =
            "印刷ファイル " + path_ + " は表示を始めたあとで書き換えられました。開き直してください";
        return false;
    }
    formats::PrintFileReader& reader = *reader_;
    const PageStart& s = starts_[static_cast<std::size_t>(index)];
    if (!reader.seek(s.offset, s.line)) {
        error = "印刷ファイル " + path_ + " を読み直せません";
        return false;
    }
    PageFlow flow(PageGeometry::kRowsPerPage);
    flow.resumePage(s.row);
    formats::PrintLine line;
    while (true) {
        auto ev = reader.next(line);
        if (ev == formats::PrintFileReader::Event::End) break;
        if (ev == formats::PrintFileReader::Event::Failed) {
            error = "印刷ファイル " + path_ + " を表示できません: " + reader.error();
            return false;
        }
        if (ev == formats::PrintFileReader::Event::PageBreak) {
            flow.pageBreak();
            continue;
        }
        if (line.kind == formats::LineKind::Blank) {
            flow.blankLine();
            continue;
        }
        if (line.kind == formats::LineKind::Figure) {
            PlacedFigure f = figureFor(line);
            Placement p = flow.place(f.box.rows);
            if (p.page > 0) break;
            f.row = p.row;
            f.box.y = geometry_.rowTopMm(p.row);
            if (f.box.captionMm > 0) flow.blankLine();
            page.figures.push_back(std::move(f));
            continue;
        }
        Placement p = flow.place(1);
        if (p.page > 0) break;
        page.lines.push_back({p.row, std::move(line)});
    }
    return true;
}

}  // namespace nuvra::render
