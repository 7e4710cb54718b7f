// Keeping the texts of a figure apart.
//
// The figure files place every text where its dimension line or its part puts it, and
// on a small section two of them can land on one spot: a dimension value on another,
// two labels of one part, two values of a short pressure segment. Whoever draws a
// figure (the viewer, the SVG export) takes the texts of one layout in their order and
// moves a text that would cover one drawn before it: first along its own direction
// (along its dimension line, beside its point), then by whole text heights across it,
// to the nearest spot that is free. A text moved so far that its box no longer holds
// the middle of its place gets a short leader from there to where it is drawn. The figure files
// themselves stay as written.
#pragma once

#include <string>
#include <vector>

#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/style_files.h"

namespace nuvra::formats {

/// A text's box on the layout's area, in mm with y upward, as the figure file gives it:
/// direction 3 (horizontal) covers x … x + w, y … y + h; direction 1 (reading upward)
/// covers x − h … x, y … y + w. w is the text's width, h its character height.
struct LabelBox {
    double x = 0, y = 0, w = 0, h = 0;
    int direction = 3;
};

struct LabelMove {
    double dx = 0, dy = 0;  ///< added to the text's reference point
    bool leader = false;    ///< the text's box left the middle of its place: draw a leader
    /// The leader, from the middle of the box it had to the nearest point of the box
    /// it got (meaningful when `leader` is set).
    double fromX = 0, fromY = 0, toX = 0, toY = 0;
};

/// A drawn line of the layout, on its area (mm, y upward).
struct LabelLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

/// Where each text of a layout is drawn; one move per box, in the same order. A text
/// also leaves a line that runs through it (an outline across a part's number) when a
/// spot free of texts and lines lies near; otherwise it only keeps clear of texts.
std::vector<LabelMove> placeLabels(const std::vector<LabelBox>& boxes,
                                   const std::vector<LabelLine>& lines = {});

/// Pairs of texts whose boxes overlap (by more than a hair in both directions), with
/// the moves applied when given.
int countOverlaps(const std::vector<LabelBox>& boxes,
                  const std::vector<LabelMove>* moves = nullptr);

/// Texts that a line runs through (more than a hair inside the box), with the moves
/// applied when given.
int countCrossedTexts(const std::vector<LabelBox>& boxes, const std::vector<LabelLine>& lines,
                      const std::vector<LabelMove>* moves = nullptr);

/// The texts of a layout with every elevation ("+2.95", "-0.450": a sign, digits, a
/// point and decimals) given the same number of decimals: the most any of them has. An
/// elevation with fewer takes the digits of one with more that rounds to it (the same
/// level, written more precisely elsewhere in the figure); one without such a partner
/// is left as it is, since its further digits are not known. Other texts stay.
std::vector<std::string> harmonizeElevations(const std::vector<std::string>& texts);

/// The texts of a layout as they are drawn: each text (CP932, elevations harmonised)
/// and its box on the layout's area, in the order of the figures and of their texts.
struct LayoutTexts {
    std::vector<std::string> shown;
    std::vector<LabelBox> boxes;
    std::vector<LabelLine> lines;    ///< the visible segments of the layout
    std::vector<std::size_t> first;  ///< per figure of the layout, the index of its first text
};

/// A text's width as the figure files count it: a full-width character is one
/// character height `em` wide, a half-width one half of it.
double LabelWidth(const std::string& utf8, double em);
/// The same for a text given as its CP932 bytes.
double LabelWidthCp932(std::string_view bytes, double em);

/// `figures` pairs with layout.figures by index; nullptr for a figure that cannot be
/// drawn. A text style that does not exist throws FormatError when `strict`, else the
/// built-in style stands in. Segments in an invisible line style (pen 5) are no lines.
LayoutTexts CollectLayoutTexts(const FigureLayout& layout,
                               const std::vector<const FigureFile*>& figures,
                               const StyleTables& styles, bool strict);
/// Every figure drawable, strict.
LayoutTexts CollectLayoutTexts(const FigureLayout& layout, const std::vector<FigureFile>& figures,
                               const StyleTables& styles);

}  // namespace nuvra::formats
