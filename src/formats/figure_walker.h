// One walk over the elements of a figure file, for every way of drawing it.
//
// drawFigure visits the elements in one fixed order (fills, rectangles, segments,
// circles, arcs, arrows, texts), resolves their points and styles and hands each to a
// sink in the layout's area coordinates (mm, y upward: the figure's coordinates plus
// its offset in the layout). A sink only maps and paints; the SVG export and the
// viewer's painter are two sinks, so they draw the same elements by the same rules.
#pragma once

#include <string>
#include <vector>

#include "formats/figure_file.h"
#include "formats/label_placement.h"
#include "formats/style_files.h"

namespace nuvra::formats {

class FigureSink {
  public:
    virtual ~FigureSink() = default;
    /// A polygon filled without an outline; `colour` as written (empty: light grey).
    virtual void fill(const std::vector<FigPoint>& polygon, const std::string& colour) = 0;
    /// A rectangle between two corners, outlined in its style (no outline when the
    /// style is invisible) and filled light grey when `filled`.
    virtual void rect(FigPoint a, FigPoint b, const LineStyle& style, bool filled) = 0;
    /// The visible elements: invisible styles (pen 5) never reach a sink.
    virtual void line(FigPoint a, FigPoint b, const LineStyle& style) = 0;
    virtual void circle(FigPoint centre, double radius, const LineStyle& style) = 0;
    /// Counter-clockwise from startDeg through spanDeg (0 < spanDeg <= 360).
    virtual void arc(FigPoint centre, double radius, double startDeg, double spanDeg,
                     const LineStyle& style) = 0;
    /// A filled head with its tip at `tip`, pointing along the unit vector (dx, dy).
    virtual void arrow(FigPoint tip, double dx, double dy, const LineStyle& style) = 0;
    /// A text (CP932) whose box has its lower-left corner at `ref` before turning;
    /// direction 3 reads to the right, 1 upward.
    virtual void text(FigPoint ref, const std::string& bytes, const TextStyle& style,
                      int direction) = 0;
};

struct FigureWalk {
    double offsetX = 0, offsetY = 0;  ///< the figure's place in its layout
    /// One move per text of the figure (from placeLabels), or none.
    const LabelMove* moves = nullptr;
    /// One text to draw per text of the figure (elevations harmonised), or the file's.
    const std::string* shown = nullptr;
    /// A style or point that does not exist throws FormatError; otherwise the built-in
    /// style stands in and an element on a missing point is left out.
    bool strict = false;
    /// Receives every call the sink receives, after it (a recorder, in tests).
    FigureSink* tap = nullptr;
};

/// The unit vector of an arrow direction: 1 up, then clockwise in eighths (3 right,
/// 5 down, 7 left, the even codes between them); y upward. False for another code.
bool arrowVector(int direction, double& dx, double& dy);

void drawFigure(const FigureFile& figure, const StyleTables& styles, FigureSink& sink,
                const FigureWalk& walk = {});

}  // namespace nuvra::formats
