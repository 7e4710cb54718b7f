// The figure model: vector figures of the report, built in millimetres on the paper
// (y upward) and written as figure files that the viewer draws.
//
// One FigureModel serves one report generation: it owns the registry of figure files,
// the style tables, the element lists of the figure being built, the drawing state and
// the sub-figures of the current layout. A figure builder runs under BuildFigure, which
// loads the style tables, clears the model and turns every error into an empty result:
//
//   std::string MakeSomeFigure(FigureModel& fm, double pageW, double pageH) {
//       return fm.BuildFigure([&](FigureModel& m) {
//           m.State.DimRowPitch = 7.5;                       // where the figure differs
//           int a = m.AddPoint(0, 0), b = m.AddPoint(40, 0);
//           m.AddLine(a, b, 2);
//           m.AddDimensionBelow(a, b, -15, 1, "2000", "11111U");
//           m.WriteSubFigure("nuvra", "形状図");
//           return m.LayoutCentred("形状図", pageW, pageH);  // the layout file's path
//       });
//   }
//
// Every operation throws formats::FormatError on failure (a list full, an index that names no
// element, a style row that does not exist, a text outside CP932, a file error).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/figure_file.h"
#include "formats/style_files.h"
#include "formats/temp_file_registry.h"

namespace nuvra::figures {

struct FigPoint {
    double x, y;
};
struct FigLine {
    int from, to, style;
};
struct FigCircle {
    int center;
    double radius;
    int style;
};
struct FigArc {
    std::array<double, 5> values;
    int style;
};
struct FigArrow {
    int point, dir, style;
};
struct FigText {
    std::string text;  ///< UTF-8
    int style, dir;
    double x, y;
};
struct FigRect {
    std::array<int, 4> values;
};
struct FigFill {
    int a, b;
    std::string text;
};

/// Arrow directions (the tip is at the arrow's point).
enum ArrowDir : int { kArrowUp = 1, kArrowRight = 3, kArrowDown = 5, kArrowLeft = 7 };
/// Text directions: 3 horizontal, reference point at the box's lower left; 1 turned a
/// quarter turn counter-clockwise, box from the point upward by the width and to the
/// left by the height.
enum TextDir : int { kTextUpward = 1, kTextHorizontal = 3 };

/// Drawing state and layout constants; the defaults are those of the shape figure.
struct DrawingState {
    int CurLineStyle = 1;      ///< style of segments and arrows of dimensions
    int CurTextStyle = 2;      ///< style of dimension texts
    double DimOffset1 = 10.0;  ///< first distance between drawing and a dimension row
    double DimRowPitch = 7.5;  ///< distance between dimension rows
    double DimOffset2 = 15.0;  ///< second distance between drawing and a dimension row
    double DimExtGap = 1.0;    ///< gap at the measured point and overshoot of extension lines
    double DimTextGap = 1.0;   ///< gap between a dimension line and its text
};

/// width, height, minimum x, minimum y, maximum x, maximum y (mm).
using FigExtents = formats::FigureExtents;

struct SubFigure {
    std::string file;  ///< its figure file
    double offsetX = 0, offsetY = 0;
    FigExtents extents;  ///< as read back from the figure file
};

class FigureModel {
  public:
    static constexpr int kMaxPoints = 600, kMaxLines = 600, kMaxCircles = 100, kMaxArcs = 100,
                         kMaxArrows = 500, kMaxTexts = 500, kMaxRects = 2, kMaxSubFigures = 10;

    /// appFolder holds LINE_PRN.DEF and STR_PRN.DEF; figure files go to tempFolder
    /// (empty: the system's temporary folder).
    explicit FigureModel(std::string appFolder, std::string tempFolder = {});

    // --- Generation and the figure-file registry ----------------------------------

    /// Forgets the registered figure files (without deleting them).
    void StartGeneration() {
        files_.Reset();
        failedFigureFiles_ = 0;
    }
    /// Creates a new empty "~MT…" file in the temporary folder and registers it; throws
    /// formats::FormatError when it cannot, or when 100 files are registered already.
    std::string NewFigureFile() { return files_.Create(); }
    int FigureFileCount() const { return files_.Count(); }
    const std::string& FigureFile(int i) const { return files_.Path(i); }
    void DeleteFigureFiles() { files_.DeleteAll(); }
    /// Names later figure files by `namer` instead of unique "~MT" names (see
    /// formats::TempFileRegistry::SetNamer).
    void SetFigureFileNamer(formats::TempFileRegistry::Namer namer) {
        files_.SetNamer(std::move(namer));
    }

    // --- The figure builder protocol ---------------------------------------------

    /// Runs a figure builder after Begin(); returns what the builder returns (the path
    /// of its layout file), or the empty text when anything threw. Never throws.
    std::string BuildFigure(const std::function<std::string(FigureModel&)>& builder);
    /// Why the last BuildFigure failed (empty after a success).
    const std::string& LastFigureError() const { return lastError_; }
    /// Figures of this generation lost because a figure file could not be written (a
    /// figure its builder cannot draw is left out of its chapter, which still succeeds).
    int FailedFigureFileCount() const { return failedFigureFiles_; }
    /// Removes the scratch files of named figure files that were never completed.
    void DiscardUnfinishedFigureFiles() { files_.DiscardScratch(); }

    /// Protocol steps 2-4: style tables loaded from the application folder, the element
    /// lists and the sub-figure list emptied, the drawing state set to its defaults.
    void Begin();
    /// Empties the element lists only (a further sub-figure of the same layout).
    void ClearElements();
    /// Adds a sub-figure on a new figure file and writes the model to it; returns the path.
    std::string WriteSubFigure(std::string_view firstLine, std::string_view title);
    /// A new figure file as layout, sub-figure 1 centred on the page area (LayoutFigurePage).
    std::string LayoutCentred(std::string_view title, double pageWidth, double pageHeight);
    /// A new figure file as layout, with the offsets the builder set (WriteFigureLayout).
    std::string LayoutAsPlaced(std::string_view title, double pageWidth, double pageHeight);

    // --- Style tables ------------------------------------------------------------

    void LoadLineStyles(const std::string& path) { lineStyles_ = formats::ReadLineStyles(path); }
    void LoadTextStyles(const std::string& path) { textStyles_ = formats::ReadTextStyles(path); }
    const std::vector<formats::LineStyle>& LineStyles() const { return lineStyles_; }
    const std::vector<formats::TextStyle>& TextStyles() const { return textStyles_; }
    /// Character height of text style `style` (a row from 1) in mm.
    double TextHeight(int style) const;
    /// f × h + (n − f) × h ÷ 2 with h the style's height, n the characters of the text
    /// and f its full-width characters (CP932 bytes − characters).
    double TextWidth(int style, std::string_view text) const;

    DrawingState State;

    // --- Elements (indexes from 1; each Add returns the new element's index) -------

    int AddPoint(double x, double y);
    int AddLine(int from, int to, int style);
    int AddCircle(int center, double radius, int style);
    int AddArc(const std::array<double, 5>& values, int style);
    int AddArrow(int point, int dir, int style);
    int AddText(std::string text, int style, int dir, double x, double y);
    int AddRect(const std::array<int, 4>& values);
    int AddFill(int a, int b, std::string text);

    int FigPointCount() const { return static_cast<int>(points_.size()); }
    int FigLineCount() const { return static_cast<int>(lines_.size()); }
    int FigCircleCount() const { return static_cast<int>(circles_.size()); }
    int FigArcCount() const { return static_cast<int>(arcs_.size()); }
    int FigArrowCount() const { return static_cast<int>(arrows_.size()); }
    int FigTextCount() const { return static_cast<int>(texts_.size()); }
    int FigRectCount() const { return static_cast<int>(rects_.size()); }
    int FigFillCount() const { return static_cast<int>(fills_.size()); }

    const FigPoint& Point(int i) const { return at(points_, i, "point"); }
    const FigLine& Line(int i) const { return at(lines_, i, "segment"); }
    const FigArrow& Arrow(int i) const { return at(arrows_, i, "arrow"); }
    const FigText& Text(int i) const { return at(texts_, i, "text"); }
    const FigCircle& Circle(int i) const { return at(circles_, i, "circle"); }

    // --- Drawing operations --------------------------------------------------------

    /// Dimension between points a and b: six points, then as the option code's
    /// characters say ("1" = draw): 1 extension line at a, 2 at b, 3 the dimension line,
    /// 4 and 5 its arrows; 6 "U" puts the text on the outer side, else the inner side.
    /// The text is always added. row 1 stands at `base`, each further row DimRowPitch out.
    void AddDimensionAbove(int a, int b, double base, int row, std::string_view text,
                           std::string_view option);
    void AddDimensionBelow(int a, int b, double base, int row, std::string_view text,
                           std::string_view option);
    void AddDimensionLeft(int a, int b, double base, int row, std::string_view text,
                          std::string_view option);
    void AddDimensionRight(int a, int b, double base, int row, std::string_view text,
                           std::string_view option);
    /// The water-level triangle with its tip at (x, y): 3 points, 3 segments.
    void AddWaterLevelMark(double x, double y);
    /// The three short lines under the water-level symbol: 6 points, 3 segments.
    void AddWaterLevelLines(double x, double y);
    /// `count` ground hatch marks of 4 mm each from (x, y): 11 points, 6 segments each.
    void AddGroundHatch(double x, double y, int count);
    /// A distributed load on `point`: a line `height` above it running `length` to the
    /// right (side > 0) or left, with downward arrows from x0 every `pitch`, none at the
    /// line's end. A pitch that is not positive is an error.
    void AddLoadArrows(int point, double height, double length, int side, double pitch);

    // --- Files ---------------------------------------------------------------------

    /// Bounding box of every point and every text's box; starts at point 1 (at (0, 0)
    /// without points).
    FigExtents ComputeExtents() const;
    /// The elements as the figure file holds them (texts in CP932; throws formats::FormatError
    /// for a text that code page 932 cannot hold).
    formats::FigureFile ToFigureFile(std::string_view firstLine, std::string_view title) const;
    /// The figure file's bytes (CP932, CR LF) and writing them to `path`.
    std::string FigureFileBytes(std::string_view firstLine, std::string_view title) const;
    void WriteFigureFile(const std::string& path, std::string_view firstLine,
                         std::string_view title) const;

    int AddSubFigure(std::string file);
    int SubFigureCount() const { return static_cast<int>(subFigures_.size()); }
    SubFigure& SubFig(int i) { return at(subFigures_, i, "sub-figure"); }
    const SubFigure& SubFig(int i) const { return at(subFigures_, i, "sub-figure"); }
    /// Reads the extents of every sub-figure back from line 3 of its figure file.
    void ReadSubFigureExtents();
    void WriteFigureLayout(const std::string& path, std::string_view title, double pageWidth,
                           double pageHeight) const;
    /// Reads back the extents, centres sub-figure 1 on the page area (the others keep
    /// their offsets) and writes the layout file.
    void LayoutFigurePage(const std::string& layoutPath, std::string_view title, double pageWidth,
                          double pageHeight);

  private:
    template <class T>
    static T& at(std::vector<T>& v, int i, const char* what) {
        checkIndex(static_cast<int>(v.size()), i, what);
        return v[static_cast<std::size_t>(i - 1)];
    }
    template <class T>
    static const T& at(const std::vector<T>& v, int i, const char* what) {
        checkIndex(static_cast<int>(v.size()), i, what);
        return v[static_cast<std::size_t>(i - 1)];
    }
    static void checkIndex(int count, int i, const char* what);
    void addDimension(int a, int b, double base, int row, std::string_view text,
                      std::string_view option, bool horizontal, bool outward);

    std::string appFolder_;
    formats::TempFileRegistry files_;
    std::string lastError_;
    int failedFigureFiles_ = 0;
    std::vector<formats::LineStyle> lineStyles_;
    std::vector<formats::TextStyle> textStyles_;
    std::vector<FigPoint> points_;
    std::vector<FigLine> lines_;
    std::vector<FigCircle> circles_;
    std::vector<FigArc> arcs_;
    std::vector<FigArrow> arrows_;
    std::vector<FigText> texts_;
    std::vector<FigRect> rects_;
    std::vector<FigFill> fills_;
    std::vector<SubFigure> subFigures_;
};

}  // namespace nuvra::figures
