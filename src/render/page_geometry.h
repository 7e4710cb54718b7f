// Where things go on an A4 portrait page, in millimetres from the paper's top-left
// corner.
//
// A page holds 72 lines. A line has 90 half-width columns of 1.7 mm (a full-width
// character is 3.4 mm, about 9.6 pt, in the fixed-pitch report font); lines are 3.7 mm
// apart, so the 72 lines take 266.4 mm. The page
// number sits in a footer band of 12 mm at the bottom. A top margin too large for 72
// lines of 3.7 mm above the footer makes the lines closer (and the font smaller with
// them) rather than fewer; a left margin too large for 90 columns narrows the columns.
// Nothing is printed right of column 90: a longer line, or a table with one, is drawn
// at a narrower pitch (see PagePainter).
#pragma once

#include <string>

namespace nuvra::render {

struct PageGeometry {
    static constexpr double kPaperWidthMm = 210.0;
    static constexpr double kPaperHeightMm = 297.0;
    static constexpr int kRowsPerPage = 72;
    static constexpr int kColumns = 90;
    static constexpr double kNominalPitchMm = 3.7;
    static constexpr double kNominalEmMm = 3.4;
    static constexpr double kFooterBandMm = 12.0;
    static constexpr double kMinRightMarginMm = 5.0;
    static constexpr int kDefaultMarginTopMm = 15;
    static constexpr int kDefaultMarginLeftMm = 25;
    static constexpr int kMaxMarginMm = 60;

    double marginTopMm = kDefaultMarginTopMm;
    double marginLeftMm = kDefaultMarginLeftMm;
    double linePitchMm = kNominalPitchMm;
    double emMm = kNominalEmMm;  ///< full-width character size; half-width is half of it

    /// The layout for the given margins in whole millimetres. A margin of 0 or less is
    /// "not set" and takes the default; larger ones are capped at 60 mm.
    static PageGeometry forMargins(int topMm, int leftMm);

    double columnWidthMm() const { return emMm / 2.0; }
    double rowTopMm(int row) const { return marginTopMm + row * linePitchMm; }
    double columnXMm(double column) const { return marginLeftMm + column * columnWidthMm(); }
    /// The text area's bottom: below the last of the 72 lines.
    double textBottomMm() const { return rowTopMm(kRowsPerPage); }
    /// Right edge of the paper that nothing may pass.
    double rightLimitMm() const { return kPaperWidthMm - kMinRightMarginMm; }
    /// Right edge of the printable width: the end of column 90. Text and figures stay
    /// left of it, so the right margin is never printed on.
    double textRightMm() const { return columnXMm(kColumns); }
    /// Baseline of the page number.
    double footerBaselineMm() const { return kPaperHeightMm - kFooterBandMm / 2.0 + 1.0; }
};

/// Reads "Printer" "MarginTop(mm)" and "MarginLeft(mm)" from the settings file (a
/// missing file or key reads as 0, i.e. the default) and returns the layout.
PageGeometry geometryFromSettings(const std::string& iniPath);

}  // namespace nuvra::render
