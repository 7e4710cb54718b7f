// Reading back what the figure builders wrote: a figure layout file and its figure
// files, as the viewer reads them. Used to draw the figures outside the report (SVG)
// and to copy them out under stable names.
#pragma once

#include <string>
#include <vector>

#include "report/figure_model.h"

namespace nuvra::figures {

struct LayoutEntry {
    std::string path;  ///< the figure file
    double offsetX = 0, offsetY = 0;
};

struct LayoutFileContent {
    std::string title;
    double pageWidth = 0, pageHeight = 0;
    std::vector<LayoutEntry> figures;
};

struct FigureFileContent {
    std::string firstLine, title;
    report::FigExtents extents;
    std::vector<report::FigPoint> points;
    std::vector<report::FigLine> lines;
    std::vector<report::FigCircle> circles;
    std::vector<report::FigArc> arcs;
    std::vector<report::FigArrow> arrows;
    std::vector<report::FigText> texts;  ///< UTF-8
    std::vector<report::FigRect> rects;
    std::vector<report::FigFill> fills;
};

/// The lines of a CP932 file with CR LF (or CR, or LF) line ends, decoded to UTF-8.
/// Throws ReportError when the file cannot be read or is not CP932.
std::vector<std::string> ReadCp932Lines(const std::string& path);

/// Throws ReportError on a file that cannot be read or does not follow the format.
LayoutFileContent ReadLayoutFile(const std::string& path);
FigureFileContent ReadFigureFile(const std::string& path);

}  // namespace nuvra::figures
