#include "render/report_document.h"

#include <algorithm>
#include <cmath>

#include "render/figure_file.h"
#include "render/figure_layout.h"
#include "render/page_flow.h"

namespace nuvra::render {
namespace {

constexpr int kNoteRows = 4;
constexpr double kNoteWidthMm = 120.0;

std::size_t elementsOf(const FigureFile& f) {
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
    folder_ = folderOf(printFile);
    starts_.clear();
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
    styles_ = StyleTables{};
    styles_.load(appFolder);
    for (const auto& p : styles_.problems())
        warn(p);

    auto owned = std::make_unique<PrintFileReader>();
    PrintFileReader& reader = *owned;
    if (!reader.open(printFile, error)) return false;
    stamp_ = reader.stamp();
    PageFlow flow(PageGeometry::kRowsPerPage);
    PrintLine line;
    while (true) {
        auto ev = reader.next(line);
        if (ev == PrintFileReader::Event::End) break;
        if (ev == PrintFileReader::Event::Failed) {
            error = "印刷ファイル " + printFile + " を表示できません: " + reader.error();
            starts_.clear();
            return false;
        }
        if (ev == PrintFileReader::Event::PageBreak) {
            flow.pageBreak();
            continue;
        }
        if (line.kind == LineKind::Blank) {
            flow.blankLine();
            continue;
        }
        int rows = 1;
        std::string problem = line.problem;
        std::string where = std::to_string(line.lineNumber) + " 行目: ";
        if (line.kind == LineKind::Figure) {
            PlacedFigure f = figureFor(line);
            rows = f.box.rows;
            problem = f.problem;
            if (problem.empty())
                for (const auto& p : area(f.layoutPath).figureProblems)
                    warn(where + p);
        }
        if (!problem.empty()) warn(where + problem);
        Placement p = flow.place(rows);
        if (p.newPage) starts_.push_back({reader.eventOffset(), reader.eventLine(), p.row});
    }
    reader_ = std::move(owned);
    return true;
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
    if (!readFigureLayout(layoutPath, loaded->layout, error)) {
        a.problem = error;
    } else {
        a.ok = true;
        a.width = loaded->layout.width;
        a.height = loaded->layout.height;
        // The figure files are read now so that every problem is known up front, and
        // kept while they fit the budget.
        std::size_t elements = 0;
        for (const auto& sub : loaded->layout.figures) {
            FigureFile fig;
            if (!readFigureFile(sub.path, fig, error)) {
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
    double avail = g.rightLimitMm() - g.marginLeftMm;
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
    if (b.x + b.width > g.rightLimitMm())
        b.x = std::max(g.marginLeftMm, g.rightLimitMm() - b.width);
    b.rows = std::max(1, static_cast<int>(std::ceil(b.height / g.linePitchMm - 1e-6)));
    b.rows = std::min(b.rows, PageGeometry::kRowsPerPage);
    return b;
}

PlacedFigure ReportDocument::figureFor(const PrintLine& line) const {
    PlacedFigure f;
    f.lineNumber = line.lineNumber;
    f.problem = line.problem;
    if (f.problem.empty()) {
        f.layoutPath = resolveFilePath(line.figurePath, folder_);
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
    PrintFileReader& reader = *reader_;
    const PageStart& s = starts_[static_cast<std::size_t>(index)];
    if (!reader.seek(s.offset, s.line)) {
        error = "印刷ファイル " + path_ + " を読み直せません";
        return false;
    }
    PageFlow flow(PageGeometry::kRowsPerPage);
    flow.resumePage(s.row);
    PrintLine line;
    while (true) {
        auto ev = reader.next(line);
        if (ev == PrintFileReader::Event::End) break;
        if (ev == PrintFileReader::Event::Failed) {
            error = "印刷ファイル " + path_ + " を表示できません: " + reader.error();
            return false;
        }
        if (ev == PrintFileReader::Event::PageBreak) {
            flow.pageBreak();
            continue;
        }
        if (line.kind == LineKind::Blank) {
            flow.blankLine();
            continue;
        }
        if (line.kind == LineKind::Figure) {
            PlacedFigure f = figureFor(line);
            Placement p = flow.place(f.box.rows);
            if (p.page > 0) break;
            f.row = p.row;
            f.box.y = geometry_.rowTopMm(p.row);
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
