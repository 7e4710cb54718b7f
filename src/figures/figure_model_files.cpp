// Figure files and figure layout files: extents, writing, reading back, layout.
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/cp932.h"
#include "common/file_util.h"
#include "figures/figure_model.h"
#include "formats/figure_layout.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw formats::FormatError("図のファイル " + path + " を開けません（" +
                                   SystemReason(errno) + "）");
    int err = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) err = errno;
    if (std::fclose(f) != 0 && err == 0) err = errno;
    if (err != 0)
        throw formats::FormatFileError("図のファイル " + path + " に書き込めません（" +
                                       SystemReason(err) + "）");
}

std::string toBytes(const std::string& utf8, const char* what) {
    std::optional<std::string> b = toCp932(utf8);
    if (!b)
        throw formats::FormatError(std::string(what) + " holds \"" + firstUnmappable(utf8) +
                                   "\", which code page 932 cannot hold");
    return *b;
}

}  // namespace

FigExtents FigureModel::ComputeExtents() const {
    FigExtents e;
    if (!points_.empty()) {
        e.minX = e.maxX = points_[0].x;
        e.minY = e.maxY = points_[0].y;
    }
    auto widen = [&e](double x, double y) {
        e.minX = std::min(e.minX, x);
        e.maxX = std::max(e.maxX, x);
        e.minY = std::min(e.minY, y);
        e.maxY = std::max(e.maxY, y);
    };
    for (const FigPoint& p : points_)
        widen(p.x, p.y);
    for (const FigText& t : texts_) {
        double w = TextWidth(t.style, t.text), h = TextHeight(t.style);
        if (t.dir == kTextUpward) {
            widen(t.x - h, t.y);
            widen(t.x, t.y + w);
        } else {
            widen(t.x, t.y);
            widen(t.x + w, t.y + h);
        }
    }
    e.width = e.maxX - e.minX;
    e.height = e.maxY - e.minY;
    return e;
}

formats::FigureFile FigureModel::ToFigureFile(std::string_view firstLine,
                                              std::string_view title) const {
    formats::FigureFile f;
    f.label = std::string(firstLine);
    f.title = std::string(title);
    f.setExtents(ComputeExtents());
    for (const FigPoint& p : points_)
        f.points.push_back({p.x, p.y});
    for (const FigRect& r : rects_)
        f.rects.push_back({r.values[0], r.values[1], r.values[2], r.values[3]});
    for (const FigLine& l : lines_)
        f.segments.push_back({l.from, l.to, l.style});
    for (const FigCircle& c : circles_)
        f.circles.push_back({c.center, c.radius, c.style});
    for (const FigArc& a : arcs_)
        f.arcs.push_back(
            {a.values[0], a.values[1], a.values[2], a.values[3], a.values[4], a.style});
    for (const FigFill& fl : fills_)
        f.fills.push_back({fl.a, fl.b, fl.text});
    for (const FigArrow& a : arrows_)
        f.arrows.push_back({a.point, a.dir, a.style});
    for (const FigText& t : texts_)
        f.texts.push_back({toBytes(t.text, "the figure file"), t.x, t.y, t.style, t.dir});
    return f;
}

std::string FigureModel::FigureFileBytes(std::string_view firstLine, std::string_view title) const {
    return formats::FigureFileBytes(ToFigureFile(firstLine, title));
}

void FigureModel::WriteFigureFile(const std::string& path, std::string_view firstLine,
                                  std::string_view title) const {
    writeFile(path, FigureFileBytes(firstLine, title));
}

void FigureModel::ReadSubFigureExtents() {
    for (SubFigure& s : subFigures_)
        s.extents = formats::ReadFigureExtents(s.file);
}

void FigureModel::WriteFigureLayout(const std::string& path, std::string_view title,
                                    double pageWidth, double pageHeight) const {
    formats::FigureLayout layout;
    layout.title = std::string(title);
    layout.width = pageWidth;
    layout.height = pageHeight;
    for (const SubFigure& s : subFigures_)
        layout.figures.push_back({formats::FileReference(s.file, path), s.offsetX, s.offsetY});
    writeFile(path, formats::FigureLayoutBytes(layout));
}

void FigureModel::LayoutFigurePage(const std::string& layoutPath, std::string_view title,
                                   double pageWidth, double pageHeight) {
    ReadSubFigureExtents();
    if (!subFigures_.empty()) {
        SubFigure& s = subFigures_.front();
        s.offsetX = (pageWidth - s.extents.width) / 2 - s.extents.minX;
        s.offsetY = (pageHeight - s.extents.height) / 2 - s.extents.minY;
    }
    WriteFigureLayout(layoutPath, title, pageWidth, pageHeight);
}

}  // namespace nuvra::figures
