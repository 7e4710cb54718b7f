#include "figures/svg_export.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

#include "common/cp932.h"
#include "figures/figure_reader.h"
#include "figures/label_placement.h"
#include "report/report_error.h"

namespace nuvra::figures {
namespace {

using report::ReportError;

constexpr double kArrowLength = 2.0;  // mm, as the viewer draws them
constexpr double kArrowHalfWidth = 0.55;
constexpr double kThinnestLine = 0.1;    // mm, for a line style of width 0
constexpr double kBaselineShare = 0.12;  // of the em below the baseline
constexpr double kMargin = 2.0;          // mm around the picture
constexpr double kLeaderWidth = 0.1;     // mm, the leader of a moved text

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A colour SVG understands: a plain name or #RRGGBB; anything else draws black.
std::string colour(const std::string& c) {
    if (c.empty()) return "black";
    for (char ch : c)
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '#') return "black";
    return c;
}

std::vector<double> dashes(int penStyle) {
    switch (penStyle) {
        case 1:
            return {3.0, 1.0};
        case 2:
            return {0.4, 0.8};
        case 3:
            return {3.0, 0.8, 0.4, 0.8};
        case 4:
            return {3.0, 0.8, 0.4, 0.8, 0.4, 0.8};
        default:
            return {};
    }
}

class Canvas {
  public:
    Canvas(const std::vector<report::LineStyle>& ls, const std::vector<report::TextStyle>& ts,
           double minX, double maxY)
        : lines_(ls), texts_(ts), minX_(minX), maxY_(maxY) {}

    double X(double x) const { return x - minX_; }
    double Y(double y) const { return maxY_ - y; }

    const report::LineStyle& lineStyle(int i) const {
        if (i < 1 || i > static_cast<int>(lines_.size()))
            throw ReportError("line style " + std::to_string(i) + " does not exist");
        return lines_[static_cast<std::size_t>(i - 1)];
    }
    const report::TextStyle& textStyle(int i) const {
        if (i < 1 || i > static_cast<int>(texts_.size()))
            throw ReportError("text style " + std::to_string(i) + " does not exist");
        return texts_[static_cast<std::size_t>(i - 1)];
    }
    // stroke attributes of a line style; empty for an invisible one
    std::string stroke(int style) const {
        const report::LineStyle& s = lineStyle(style);
        if (s.PenStyle == 5) return {};
        const double w = s.Width > 0 ? s.Width / 10.0 : kThinnestLine;
        std::string a =
            "fill=\"none\" stroke=\"" + colour(s.Colour) + "\" stroke-width=\"" + num(w) + "\"";
        std::vector<double> d = dashes(s.PenStyle);
        if (d.empty()) {
            a += " stroke-linecap=\"round\"";
        } else {
            a += " stroke-dasharray=\"";
            for (std::size_t i = 0; i < d.size(); ++i)
                a += (i ? " " : "") + num(d[i]);
            a += "\"";
        }
        return a;
    }

  private:
    const std::vector<report::LineStyle>& lines_;
    const std::vector<report::TextStyle>& texts_;
    double minX_, maxY_;
};

void drawFigure(std::string& out, const Canvas& cv, const FigureFileContent& f, double ox,
                double oy, const LabelMove* moves, const std::string* shown) {
    auto pt = [&](int n) {
        if (n < 1 || n > static_cast<int>(f.points.size()))
            throw ReportError("figure \"" + f.title + "\" has no point " + std::to_string(n));
        const report::FigPoint& p = f.points[static_cast<std::size_t>(n - 1)];
        return report::FigPoint{cv.X(p.x + ox), cv.Y(p.y + oy)};
    };
    out += "<g data-title=\"" + escape(f.title) + "\">\n";
    for (const report::FigFill& fl : f.fills) {
        std::string poly;
        for (int n = fl.a; n <= fl.b; ++n) {
            report::FigPoint p = pt(n);
            poly += num(p.x) + "," + num(p.y) + " ";
        }
        out += "<polygon points=\"" + poly + "\" fill=\"" +
               (fl.text.empty() ? std::string("#c8c8c8") : colour(fl.text)) + "\"/>\n";
    }
    for (const report::FigRect& r : f.rects) {
        std::string st = cv.stroke(r.values[2]);
        report::FigPoint a = pt(r.values[0]), b = pt(r.values[1]);
        std::string fill = r.values[3] != 0 ? "#dcdcdc" : "none";
        if (st.empty())
            st = "stroke=\"none\"";
        else
            st.replace(st.find("fill=\"none\""), 11, "fill=\"" + fill + "\"");
        out += "<rect x=\"" + num(std::min(a.x, b.x)) + "\" y=\"" + num(std::min(a.y, b.y)) +
               "\" width=\"" + num(std::fabs(a.x - b.x)) + "\" height=\"" +
               num(std::fabs(a.y - b.y)) + "\" " + st + "/>\n";
    }
    for (const report::FigLine& l : f.lines) {
        const std::string st = cv.stroke(l.style);
        const report::FigPoint a = pt(l.from), b = pt(l.to);
        if (st.empty()) continue;
        out += "<line x1=\"" + num(a.x) + "\" y1=\"" + num(a.y) + "\" x2=\"" + num(b.x) +
               "\" y2=\"" + num(b.y) + "\" " + st + "/>\n";
    }
    for (const report::FigCircle& c : f.circles) {
        const std::string st = cv.stroke(c.style);
        const report::FigPoint p = pt(c.center);
        if (st.empty()) continue;
        out += "<circle cx=\"" + num(p.x) + "\" cy=\"" + num(p.y) + "\" r=\"" + num(c.radius) +
               "\" " + st + "/>\n";
    }
    for (const report::FigArc& a : f.arcs) {
        const std::string st = cv.stroke(a.style);
        if (st.empty()) continue;
        const double cx = cv.X(a.values[0] + ox), cy = cv.Y(a.values[1] + oy), r = a.values[2];
        double span = std::fmod(a.values[4] - a.values[3], 360.0);
        if (span <= 0) span += 360.0;
        const double t0 = a.values[3] * std::numbers::pi / 180,
                     t1 = (a.values[3] + span) * std::numbers::pi / 180;
        out += "<path d=\"M " + num(cx + r * std::cos(t0)) + " " + num(cy - r * std::sin(t0)) +
               " A " + num(r) + " " + num(r) + " 0 " + (span > 180 ? "1" : "0") + " 0 " +
               num(cx + r * std::cos(t1)) + " " + num(cy - r * std::sin(t1)) + "\" " + st + "/>\n";
    }
    for (const report::FigArrow& a : f.arrows) {
        const report::LineStyle& ls = cv.lineStyle(a.style);
        if (ls.PenStyle == 5) continue;
        double dx = 0, dy = 0;  // in SVG's frame, y downward
        switch (a.dir) {
            case report::kArrowUp:
                dy = -1;
                break;
            case report::kArrowRight:
                dx = 1;
                break;
            case report::kArrowDown:
                dy = 1;
                break;
            case report::kArrowLeft:
                dx = -1;
                break;
            default:
                throw ReportError("arrow direction " + std::to_string(a.dir));
        }
        const report::FigPoint tip = pt(a.point);
        const double bx = tip.x - dx * kArrowLength, by = tip.y - dy * kArrowLength;
        const double sx = -dy * kArrowHalfWidth, sy = dx * kArrowHalfWidth;
        out += "<polygon points=\"" + num(tip.x) + "," + num(tip.y) + " " + num(bx + sx) + "," +
               num(by + sy) + " " + num(bx - sx) + "," + num(by - sy) + "\" fill=\"" +
               colour(ls.Colour) + "\"/>\n";
    }
    for (std::size_t i = 0; i < f.texts.size(); ++i) {
        const report::FigText& t = f.texts[i];
        const report::TextStyle& ts = cv.textStyle(t.style);
        const double em = report::TwipsToMm(ts.Height);
        const std::string& text = shown[i];
        const double w = LabelWidth(text, em);
        const double x = cv.X(t.x + ox + moves[i].dx), y = cv.Y(t.y + oy + moves[i].dy);
        std::string attrs = "font-family=\"IPAGothic, monospace\" font-size=\"" + num(em) +
                            "\" fill=\"" + colour(ts.Colour) + "\"";
        if (ts.Weight >= 600) attrs += " font-weight=\"bold\"";
        if (ts.Italic) attrs += " font-style=\"italic\"";
        if (ts.Underline) attrs += " text-decoration=\"underline\"";
        if (w > 0) attrs += " textLength=\"" + num(w) + "\" lengthAdjust=\"spacingAndGlyphs\"";
        // The reference point is the lower left of the text's box; the baseline lies
        // above it by the part of the em below the baseline.
        const std::string rotate = t.dir == report::kTextUpward
                                       ? " transform=\"rotate(-90 " + num(x) + " " + num(y) + ")\""
                                       : "";
        out += "<text x=\"" + num(x) + "\" y=\"" + num(y - kBaselineShare * em) + "\"" + rotate +
               " " + attrs + ">" + escape(text) + "</text>\n";
    }
    out += "</g>\n";
}

}  // namespace

std::string LayoutToSvg(const std::string& layoutPath, const std::vector<report::LineStyle>& lines,
                        const std::vector<report::TextStyle>& texts) {
    const LayoutFileContent layout = ReadLayoutFile(layoutPath);
    std::vector<FigureFileContent> figures;
    double minX = 0, minY = 0, maxX = layout.pageWidth, maxY = layout.pageHeight;
    for (const LayoutEntry& e : layout.figures) {
        figures.push_back(ReadFigureFile(e.path));
        const report::FigExtents& x = figures.back().extents;
        minX = std::min(minX, x.minX + e.offsetX);
        minY = std::min(minY, x.minY + e.offsetY);
        maxX = std::max(maxX, x.maxX + e.offsetX);
        maxY = std::max(maxY, x.maxY + e.offsetY);
    }
    minX -= kMargin;
    minY -= kMargin;
    maxX += kMargin;
    maxY += kMargin;
    const double W = maxX - minX, H = maxY - minY;
    const Canvas cv(lines, texts, minX, maxY);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(W) + "mm\" height=\"" +
           num(H) + "mm\" viewBox=\"0 0 " + num(W) + " " + num(H) + "\">\n";
    out += "<title>" + escape(layout.title) + "</title>\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    out += "<rect x=\"" + num(cv.X(0)) + "\" y=\"" + num(cv.Y(layout.pageHeight)) + "\" width=\"" +
           num(layout.pageWidth) + "\" height=\"" + num(layout.pageHeight) +
           "\" fill=\"none\" stroke=\"#c0c0c0\" stroke-width=\"0.2\" stroke-dasharray=\"1 1\"/>\n";
    // The texts of the whole layout are kept apart as the viewer keeps them.
    const LayoutTexts placed = CollectLayoutTexts(layout, figures, texts, lines);
    const std::vector<std::string>& shown = placed.shown;
    const std::vector<LabelMove> moves = placeLabels(placed.boxes, placed.lines);
    std::size_t first = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        drawFigure(out, cv, figures[i], layout.figures[i].offsetX, layout.figures[i].offsetY,
                   moves.data() + first, shown.data() + first);
        first += figures[i].texts.size();
    }
    for (const LabelMove& m : moves)
        if (m.leader)
            out += "<line class=\"leader\" x1=\"" + num(cv.X(m.fromX)) + "\" y1=\"" +
                   num(cv.Y(m.fromY)) + "\" x2=\"" + num(cv.X(m.toX)) + "\" y2=\"" +
                   num(cv.Y(m.toY)) + "\" stroke=\"black\" stroke-width=\"" + num(kLeaderWidth) +
                   "\"/>\n";
    out += "</svg>\n";
    return out;
}

std::string LayoutToSvg(const std::string& layoutPath, const std::string& appFolder) {
    const std::vector<report::LineStyle> lines =
        report::ReadLineStyles(appFolder + "/LINE_PRN.DEF");
    const std::vector<report::TextStyle> texts = report::ReadTextStyles(appFolder + "/STR_PRN.DEF");
    return LayoutToSvg(layoutPath, lines, texts);
}

}  // namespace nuvra::figures
