// A figure layout and its figure files drawn as SVG, without the viewer: for looking
// at a figure on its own and for checks outside the report.
#pragma once

#include <string>
#include <vector>

#include "formats/figure_walker.h"
#include "formats/style_files.h"

namespace nuvra::figures {

/// Draws the layout file at `layoutPath` with the style tables as the viewer does: mm
/// on the page area, y upward turned into SVG's downward y; lines with their widths
/// (tenths of a mm, 0 the thinnest line) and dash patterns, filled arrow heads 2 mm
/// long, circles, arcs, and texts in their direction sized to their text width. The
/// picture covers the page area (framed in light grey) and whatever of the figures
/// lies outside it. Throws formats::FormatError when a file cannot be read or refers to
/// a point, line style or text style that does not exist. `tap` (when given) receives
/// every element drawn, as the SVG does.
std::string LayoutToSvg(const std::string& layoutPath, const formats::StyleTables& styles,
                        formats::FigureSink* tap = nullptr);

/// The same with the style tables read from LINE_PRN.DEF and STR_PRN.DEF in appFolder.
std::string LayoutToSvg(const std::string& layoutPath, const std::string& appFolder);

}  // namespace nuvra::figures
