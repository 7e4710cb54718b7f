// A figure file: the primitives of one drawing in millimetres on the paper, y upward.
//
// Lines 1 and 2 are a label and the title, line 3 the extents (width, height, minimum
// x and y, maximum x and y); then sections, each a title line, one line per element
// and "END". Element fields are joined by ", "; a text takes two lines (the text, then
// x, y, style, direction). Points are numbered 1, 2, ... in order and the other
// elements refer to them by number.
//
// Text contents are kept as their CP932 bytes: widths are counted in bytes.
//
// Elements that the writers define only by their field counts are read as follows:
//   rectangle  corner point, opposite corner point, line style, fill (0 outline only,
//              anything else also filled light grey)
//   arc        centre x, centre y, radius, start angle, end angle (degrees, counter-
//              clockwise from +x), line style
//   fill       first point, last point (the polygon through the points between them),
//              colour name or #RRGGBB (empty for light grey)
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvra::formats {

struct FigPoint {
    double x = 0, y = 0;
};
struct FigSegment {
    int from = 0, to = 0, style = 1;
};
struct FigCircle {
    int center = 0;
    double radius = 0;
    int style = 1;
};
struct FigArc {
    double cx = 0, cy = 0, radius = 0, startDeg = 0, endDeg = 0;
    int style = 1;
};
struct FigArrow {
    int point = 0, direction = 1, style = 1;  ///< direction 1 up, 3 right, 5 down, 7 left
};
struct FigText {
    std::string bytes;  ///< CP932, as in the file: the widths are counted in bytes
    double x = 0, y = 0;
    int style = 1, direction = 3;  ///< 3 horizontal, 1 turned a quarter left (reads upward)
};
struct FigRect {
    int cornerA = 0, cornerB = 0, style = 1, fill = 0;
};
struct FigFill {
    int first = 0, last = 0;
    std::string color;
};

/// Width, height, minimum x, minimum y, maximum x, maximum y (mm): line 3.
struct FigureExtents {
    double width = 0, height = 0, minX = 0, minY = 0, maxX = 0, maxY = 0;
};

struct FigureFile {
    std::string label;  ///< line 1 (UTF-8)
    std::string title;  ///< line 2 (UTF-8)
    double width = 0, height = 0, minX = 0, minY = 0, maxX = 0, maxY = 0;
    FigureExtents extents() const { return {width, height, minX, minY, maxX, maxY}; }
    void setExtents(const FigureExtents& e) {
        width = e.width, height = e.height, minX = e.minX, minY = e.minY, maxX = e.maxX,
        maxY = e.maxY;
    }
    std::vector<FigPoint> points;
    std::vector<FigRect> rects;
    std::vector<FigSegment> segments;
    std::vector<FigCircle> circles;
    std::vector<FigArc> arcs;
    std::vector<FigFill> fills;
    std::vector<FigArrow> arrows;
    std::vector<FigText> texts;
    /// Point `n` (from 1); valid only for numbers checked by the parser.
    const FigPoint& point(int n) const { return points[static_cast<std::size_t>(n - 1)]; }
};

/// Parses a figure file given as its CP932 bytes. On a malformed file returns false and
/// says where and what in `error` (Japanese, with the line number).
bool parseFigureFile(std::string_view bytes, FigureFile& figure, std::string& error);

/// Reads and parses; `error` names the file.
bool readFigureFile(const std::string& path, FigureFile& figure, std::string& error);

/// The strict reading of the core: the same parse, a faulty file throws FormatError.
FigureFile ReadFigureFile(const std::string& path);

/// The six extents from line 3 alone (what the writer needs to place a figure). Throws
/// FormatError.
FigureExtents ReadFigureExtents(const std::string& path);

/// The file's bytes: CP932, CR LF, numbers in the writer's pictures, the sections in
/// file order and each left out when it holds nothing (the points always written).
/// Throws FormatError for a label, title or fill colour that code page 932 cannot hold.
std::string FigureFileBytes(const FigureFile& figure);

}  // namespace nuvra::formats
