#include "figures/figure_model.h"

#include <cmath>
#include <exception>

#include "calc/common/arith.h"
#include "common/cp932.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

template <class T>
int push(std::vector<T>& v, T item, int capacity, const char* what) {
    if (static_cast<int>(v.size()) >= capacity)
        throw formats::FormatError(std::string("more than ") + std::to_string(capacity) + " " +
                                   what + "s in one figure");
    v.push_back(std::move(item));
    return static_cast<int>(v.size());
}

void checkFinite(double v, const char* what) {
    if (!std::isfinite(v))
        throw formats::FormatError(std::string("a ") + what + " that is not finite");
}

}  // namespace

FigureModel::FigureModel(std::string appFolder, std::string tempFolder)
    : appFolder_(std::move(appFolder)), files_(std::move(tempFolder)) {}

void FigureModel::checkIndex(int count, int i, const char* what) {
    if (i < 1 || i > count)
        throw formats::FormatError(std::string("no ") + what + " " + std::to_string(i) +
                                   " (there are " + std::to_string(count) + ")");
}

// --- Protocol ---------------------------------------------------------------------

std::string FigureModel::BuildFigure(const std::function<std::string(FigureModel&)>& builder) {
    lastError_.clear();
    try {
        Begin();
        return builder(*this);
    } catch (const formats::FormatFileError& e) {
        lastError_ = e.what();
        ++failedFigureFiles_;
    } catch (const std::exception& e) {
        lastError_ = e.what();
    } catch (const calc::ArithmeticFault& f) {
        lastError_ = "arithmetic fault " + std::to_string(f.code);
    } catch (...) {
        lastError_ = "unexpected failure";
    }
    if (lastError_.empty()) lastError_ = "failure";
    files_.DiscardScratch();
    return {};
}

void FigureModel::Begin() {
    LoadLineStyles(appFolder_ + "/LINE_PRN.DEF");
    LoadTextStyles(appFolder_ + "/STR_PRN.DEF");
    ClearElements();
    subFigures_.clear();
    State = DrawingState{};
}

void FigureModel::ClearElements() {
    points_.clear();
    lines_.clear();
    circles_.clear();
    arcs_.clear();
    arrows_.clear();
    texts_.clear();
    rects_.clear();
    fills_.clear();
}

std::string FigureModel::WriteSubFigure(std::string_view firstLine, std::string_view title) {
    if (SubFigureCount() >= kMaxSubFigures)
        throw formats::FormatError("more than " + std::to_string(kMaxSubFigures) + " sub-figures");
    // A kept figure file is written aside and takes its name only when complete.
    std::string path = NewFigureFile();
    WriteFigureFile(path, firstLine, title);
    path = files_.Commit(files_.Count());
    AddSubFigure(path);
    return path;
}

std::string FigureModel::LayoutCentred(std::string_view title, double pageWidth,
                                       double pageHeight) {
    std::string path = NewFigureFile();
    LayoutFigurePage(path, title, pageWidth, pageHeight);
    return files_.Commit(files_.Count());
}

std::string FigureModel::LayoutAsPlaced(std::string_view title, double pageWidth,
                                        double pageHeight) {
    std::string path = NewFigureFile();
    WriteFigureLayout(path, title, pageWidth, pageHeight);
    return files_.Commit(files_.Count());
}

// --- Styles -------------------------------------------------------------------------

double FigureModel::TextHeight(int style) const {
    checkIndex(static_cast<int>(textStyles_.size()), style, "text style");
    return formats::TwipsToMm(textStyles_[static_cast<std::size_t>(style - 1)].Height);
}

double FigureModel::TextWidth(int style, std::string_view text) const {
    double h = TextHeight(style);
    std::optional<std::size_t> bytes = cp932Length(text);
    if (!bytes)
        throw formats::FormatError("figure text holds \"" + firstUnmappable(text) +
                                   "\", which code page 932 cannot hold");
    double n = static_cast<double>(utf8Length(text));
    double f = static_cast<double>(*bytes) - n;
    return f * h + (n - f) * h / 2;
}

// --- Elements -----------------------------------------------------------------------

int FigureModel::AddPoint(double x, double y) {
    checkFinite(x, "point coordinate");
    checkFinite(y, "point coordinate");
    return push(points_, FigPoint{x, y}, kMaxPoints, "point");
}

int FigureModel::AddLine(int from, int to, int style) {
    checkIndex(FigPointCount(), from, "point");
    checkIndex(FigPointCount(), to, "point");
    return push(lines_, FigLine{from, to, style}, kMaxLines, "segment");
}

int FigureModel::AddCircle(int center, double radius, int style) {
    checkIndex(FigPointCount(), center, "point");
    checkFinite(radius, "circle radius");
    return push(circles_, FigCircle{center, radius, style}, kMaxCircles, "circle");
}

int FigureModel::AddArc(const std::array<double, 5>& values, int style) {
    for (double v : values)
        checkFinite(v, "arc value");
    return push(arcs_, FigArc{values, style}, kMaxArcs, "arc");
}

int FigureModel::AddArrow(int point, int dir, int style) {
    checkIndex(FigPointCount(), point, "point");
    if (dir != kArrowUp && dir != kArrowRight && dir != kArrowDown && dir != kArrowLeft)
        throw formats::FormatError("arrow direction " + std::to_string(dir) +
                                   " is not 1, 3, 5 or 7");
    return push(arrows_, FigArrow{point, dir, style}, kMaxArrows, "arrow");
}

int FigureModel::AddText(std::string text, int style, int dir, double x, double y) {
    if (dir != kTextUpward && dir != kTextHorizontal)
        throw formats::FormatError("text direction " + std::to_string(dir) + " is not 1 or 3");
    if (text.find_first_of("\r\n") != std::string::npos)
        throw formats::FormatError("a figure text cannot hold a line break");
    if (!cp932Length(text))
        throw formats::FormatError("figure text holds \"" + firstUnmappable(text) +
                                   "\", which code page 932 cannot hold");
    checkFinite(x, "text position");
    checkFinite(y, "text position");
    return push(texts_, FigText{std::move(text), style, dir, x, y}, kMaxTexts, "text");
}

int FigureModel::AddRect(const std::array<int, 4>& values) {
    return push(rects_, FigRect{values}, kMaxRects, "rectangle");
}

int FigureModel::AddFill(int a, int b, std::string text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw formats::FormatError("a fill text cannot hold a line break");
    fills_.push_back(FigFill{a, b, std::move(text)});
    return FigFillCount();
}

int FigureModel::AddSubFigure(std::string file) {
    return push(subFigures_, SubFigure{std::move(file), 0, 0, {}}, kMaxSubFigures, "sub-figure");
}

// --- Drawing operations ------------------------------------------------------------

void FigureModel::addDimension(int a, int b, double base, int row, std::string_view text,
                               std::string_view option, bool horizontal, bool outward) {
    const FigPoint pa = Point(a), pb = Point(b);
    const double g = State.DimExtGap, t = State.DimTextGap;
    const double shift = (row - 1) * State.DimRowPitch;
    // Above and right lie outward (+), below and left inward (−).
    const double d = outward ? base + shift : base - shift;
    const double og = outward ? g : -g;
    const int k = FigPointCount();
    if (horizontal) {
        AddPoint(pa.x, pa.y + og);
        AddPoint(pa.x, d);
        AddPoint(pa.x, d + og);
        AddPoint(pb.x, pb.y + og);
        AddPoint(pb.x, d);
        AddPoint(pb.x, d + og);
    } else {
        AddPoint(pa.x + og, pa.y);
        AddPoint(d, pa.y);
        AddPoint(d + og, pa.y);
        AddPoint(pb.x + og, pb.y);
        AddPoint(d, pb.y);
        AddPoint(d + og, pb.y);
    }
    auto on = [&option](std::size_t i) { return i < option.size() && option[i] == '1'; };
    const int ls = State.CurLineStyle;
    if (on(0)) AddLine(k + 1, k + 3, ls);
    if (on(1)) AddLine(k + 4, k + 6, ls);
    if (on(2)) AddLine(k + 2, k + 5, ls);
    if (on(3)) AddArrow(k + 2, horizontal ? kArrowLeft : kArrowDown, ls);
    if (on(4)) AddArrow(k + 5, horizontal ? kArrowRight : kArrowUp, ls);
    const bool outer = option.size() > 5 && option[5] == 'U';
    const int ts = State.CurTextStyle;
    const double w = TextWidth(ts, text), h = TextHeight(ts);
    if (horizontal) {
        double x = pa.x + ((pb.x - pa.x) - w) / 2;
        double y = outer ? d + t : d - t - h;
        AddText(std::string(text), ts, kTextHorizontal, x, y);
    } else {
        double y = pa.y + ((pb.y - pa.y) - w) / 2;
        double x = outer ? d - t : d + t + h;
        AddText(std::string(text), ts, kTextUpward, x, y);
    }
}

void FigureModel::AddDimensionAbove(int a, int b, double base, int row, std::string_view text,
                                    std::string_view option) {
    addDimension(a, b, base, row, text, option, true, true);
}

void FigureModel::AddDimensionBelow(int a, int b, double base, int row, std::string_view text,
                                    std::string_view option) {
    addDimension(a, b, base, row, text, option, true, false);
}

void FigureModel::AddDimensionLeft(int a, int b, double base, int row, std::string_view text,
                                   std::string_view option) {
    addDimension(a, b, base, row, text, option, false, false);
}

void FigureModel::AddDimensionRight(int a, int b, double base, int row, std::string_view text,
                                    std::string_view option) {
    addDimension(a, b, base, row, text, option, false, true);
}

void FigureModel::AddWaterLevelMark(double x, double y) {
    int p1 = AddPoint(x, y);
    int p2 = AddPoint(x - 1, y + 2);
    int p3 = AddPoint(x + 1, y + 2);
    AddLine(p1, p2, 1);
    AddLine(p2, p3, 1);
    AddLine(p3, p1, 1);
}

void FigureModel::AddWaterLevelLines(double x, double y) {
    const double half[] = {5, 2, 0.5};
    for (int i = 0; i < 3; ++i) {
        double yi = y - (i + 1);
        int l = AddPoint(x - half[i], yi);
        int r = AddPoint(x + half[i], yi);
        AddLine(l, r, 1);
    }
}

void FigureModel::AddGroundHatch(double x, double y, int count) {
    for (int i = 1; i <= count; ++i) {
        const double bx = x + (i - 1) * 4;
        const int p = FigPointCount();
        AddPoint(bx, y);
        AddPoint(bx + 2, y + 3);
        AddPoint(bx + 1, y);
        AddPoint(bx + 3, y + 3);
        AddPoint(bx + 2, y);
        AddPoint(bx + 2.5, y + 0.8);
        AddPoint(bx + 3.1, y + 1.6);
        AddPoint(bx + 4, y + 3);
        AddPoint(bx + 3.4, y + 0.9);
        AddPoint(bx + 2.9, y + 1.7);
        AddPoint(bx + 2.3, y + 2.6);
        AddLine(p + 1, p + 2, 1);
        AddLine(p + 3, p + 4, 1);
        AddLine(p + 5, p + 8, 1);
        AddLine(p + 5, p + 9, 1);
        AddLine(p + 6, p + 10, 1);
        AddLine(p + 7, p + 11, 1);
    }
}

void FigureModel::AddLoadArrows(int point, double height, double length, int side, double pitch) {
    if (!(pitch > 0) || !std::isfinite(pitch))
        throw formats::FormatError("load arrows need a positive pitch");
    const FigPoint p = Point(point);
    const double yt = p.y + height;
    const bool right = side > 0;
    const double end = right ? p.x + length : p.x - length;
    int s = AddPoint(p.x, yt);
    int e = AddPoint(end, yt);
    AddLine(s, e, 1);
    // Repeated addition, tested after each move: the first arrow always stands at x0.
    double x = p.x;
    do {
        int top = AddPoint(x, yt);
        int tip = AddPoint(x, p.y);
        AddLine(top, tip, 1);
        AddArrow(tip, kArrowDown, 1);
        x = right ? x + pitch : x - pitch;
    } while (right ? x < end : x > end);
}

}  // namespace nuvra::figures
