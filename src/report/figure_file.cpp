// Figure files and figure layout files: extents, writing, reading back, layout.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/cp932.h"
#include "common/error_codes.h"
#include "common/file_util.h"
#include "common/line_reader.h"
#include "common/number_format.h"
#include "report/figure_model.h"
#include "report/report_error.h"
#include "report/report_writer.h"

namespace nuvra::report {
namespace {

constexpr const char* kEol = "\r\n";

// Blanks up to the start of the next 14-column zone; a full zone when the text ends
// exactly on a boundary.
std::string toNextZone(std::size_t column) {
    return std::string(14 - column % 14, ' ');
}

std::string twoInZones(double a, double b) {
    std::string s = inputFileNumber(a);
    s += toNextZone(s.size());
    return s + inputFileNumber(b);
}

std::string fmt(double v, const char* pattern) {
    return formatPicture(v, pattern);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw ReportError("図のファイル " + path + " を開けません（" + SystemReason(errno) + "）");
    int err = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) err = errno;
    if (std::fclose(f) != 0 && err == 0) err = errno;
    if (err != 0)
        throw ReportFileError("図のファイル " + path + " に書き込めません（" + SystemReason(err) +
                              "）");
}

std::string toBytes(const std::string& utf8, const char* what) {
    std::optional<std::string> b = toCp932(utf8);
    if (!b)
        throw ReportError(std::string(what) + " holds \"" + firstUnmappable(utf8) +
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

std::string FigureModel::FigureFileBytes(std::string_view firstLine, std::string_view title) const {
    const char* I = "###0";   // element indexes
    const char* P = "####0";  // point references, styles, integers
    const char* R = "###0.000000";
    const char* S = ", ";
    std::string out;
    auto line = [&out](const std::string& s) { out += s + kEol; };
    line(std::string(firstLine));
    line(std::string(title));

    FigExtents e = ComputeExtents();
    std::string ext =
        fmt(e.width, "###0.00") + S + fmt(e.height, "###0.00") + S + fmt(e.minX, "###0.00") + S;
    ext += toNextZone(ext.size());
    ext += fmt(e.minY, "###0.00") + S + fmt(e.maxX, "###0.00") + S + fmt(e.maxY, "###0.00");
    line(ext);

    line("座標情報");
    for (int i = 1; i <= FigPointCount(); ++i) {
        const FigPoint& p = points_[static_cast<std::size_t>(i - 1)];
        line(fmt(i, I) + S + fmt(p.x, R) + S + fmt(p.y, R));
    }
    line("END");
    if (!rects_.empty()) {
        line("矩形情報");
        for (int i = 1; i <= FigRectCount(); ++i) {
            std::string s = fmt(i, I);
            for (int v : rects_[static_cast<std::size_t>(i - 1)].values)
                s += S + fmt(v, P);
            line(s);
        }
        line("END");
    }
    if (!lines_.empty()) {
        line("線分情報");
        for (int i = 1; i <= FigLineCount(); ++i) {
            const FigLine& l = lines_[static_cast<std::size_t>(i - 1)];
            line(fmt(i, I) + S + fmt(l.from, P) + S + fmt(l.to, P) + S + fmt(l.style, P));
        }
        line("END");
    }
    if (!circles_.empty()) {
        line("円情報");
        for (int i = 1; i <= FigCircleCount(); ++i) {
            const FigCircle& c = circles_[static_cast<std::size_t>(i - 1)];
            line(fmt(i, I) + S + fmt(c.center, P) + S + fmt(c.radius, R) + S + fmt(c.style, P));
        }
        line("END");
    }
    if (!arcs_.empty()) {
        line("円弧情報");
        for (int i = 1; i <= FigArcCount(); ++i) {
            const FigArc& a = arcs_[static_cast<std::size_t>(i - 1)];
            std::string s = fmt(i, I);
            for (double v : a.values)
                s += S + fmt(v, R);
            line(s + S + fmt(a.style, P));
        }
        line("END");
    }
    if (!fills_.empty()) {
        line("塗潰情報");
        for (int i = 1; i <= FigFillCount(); ++i) {
            const FigFill& f = fills_[static_cast<std::size_t>(i - 1)];
            line(fmt(i, I) + S + fmt(f.a, I) + S + fmt(f.b, I) + S + f.text);
        }
        line("END");
    }
    if (!arrows_.empty()) {
        line("矢印(1)");
        for (int i = 1; i <= FigArrowCount(); ++i) {
            const FigArrow& a = arrows_[static_cast<std::size_t>(i - 1)];
            line(fmt(i, I) + S + fmt(a.point, P) + S + fmt(a.dir, P) + S + fmt(a.style, P));
        }
        line("END");
    }
    if (!texts_.empty()) {
        line("文字情報");
        for (const FigText& t : texts_) {
            line(t.text);
            line(fmt(t.x, R) + S + fmt(t.y, R) + S + fmt(t.style, "##0") + S + fmt(t.dir, "##0"));
        }
        line("END");
    }
    return toBytes(out, "the figure file");
}

void FigureModel::WriteFigureFile(const std::string& path, std::string_view firstLine,
                                  std::string_view title) const {
    writeFile(path, FigureFileBytes(firstLine, title));
}

FigExtents ReadFigureExtents(const std::string& figurePath) {
    LineReader in;
    if (std::int32_t rc = in.open(figurePath); rc != 0)
        throw ReportError("cannot open the figure file " + figurePath + ": " + fileErrorText(rc));
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!in.readLine(line))
            throw ReportError("figure file " + figurePath + " has no extents line");
    double v[6];
    std::size_t pos = 0;
    for (int i = 0; i < 6; ++i) {
        std::size_t comma = line.find(',', pos);
        std::string_view field = std::string_view(line).substr(
            pos, comma == std::string::npos ? std::string::npos : comma - pos);
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        auto r = std::from_chars(field.data(), field.data() + field.size(), v[i]);
        if (field.empty() || r.ec != std::errc() || r.ptr != field.data() + field.size())
            throw ReportError("figure file " + figurePath + ": bad extents line");
        if (comma == std::string::npos && i < 5)
            throw ReportError("figure file " + figurePath + ": bad extents line");
        pos = comma == std::string::npos ? line.size() : comma + 1;
    }
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

void FigureModel::ReadSubFigureExtents() {
    for (SubFigure& s : subFigures_)
        s.extents = ReadFigureExtents(s.file);
}

void FigureModel::WriteFigureLayout(const std::string& path, std::string_view title,
                                    double pageWidth, double pageHeight) const {
    for (double v : {pageWidth, pageHeight})
        if (!std::isfinite(v)) throw ReportError("a page area size that is not finite");
    for (const SubFigure& s : subFigures_)
        if (!std::isfinite(s.offsetX) || !std::isfinite(s.offsetY))
            throw ReportError("a sub-figure offset that is not finite");
    std::string out = std::string(title) + kEol + twoInZones(pageWidth, pageHeight) + kEol;
    for (const SubFigure& s : subFigures_)
        out += FileReference(s.file, path) + kEol + twoInZones(s.offsetX, s.offsetY) + kEol;
    out += std::string("END") + kEol;
    writeFile(path, toBytes(out, "the figure layout file"));
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

}  // namespace nuvra::report
