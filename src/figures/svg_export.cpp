#include "figures/svg_export.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

#include "formats/cp932_chars.h"
#include "formats/figure_layout.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

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

// Area coordinates (mm, y upward) to the picture's (y downward).
class SvgSink : public formats::FigureSink {
  public:
    SvgSink(std::string& out, double minX, double maxY) : out_(out), minX_(minX), maxY_(maxY) {}

    double X(double x) const { return x - minX_; }
    double Y(double y) const { return maxY_ - y; }

    void fill(const std::vector<formats::FigPoint>& polygon, const std::string& c) override {
        std::string poly;
        for (const formats::FigPoint& p : polygon)
            poly += num(X(p.x)) + "," + num(Y(p.y)) + " ";
        out_ += "<polygon points=\"" + poly + "\" fill=\"" +
                (c.empty() ? std::string("#c8c8c8") : colour(c)) + "\"/>\n";
    }
    void rect(formats::FigPoint pa, formats::FigPoint pb, const formats::LineStyle& ls,
              bool filled) override {
        std::string st = stroke(ls);
        const double ax = X(pa.x), ay = Y(pa.y), bx = X(pb.x), by = Y(pb.y);
        std::string fill = filled ? "#dcdcdc" : "none";
        if (st.empty())
            st = "stroke=\"none\"";
        else
            st.replace(st.find("fill=\"none\""), 11, "fill=\"" + fill + "\"");
        out_ += "<rect x=\"" + num(std::min(ax, bx)) + "\" y=\"" + num(std::min(ay, by)) +
                "\" width=\"" + num(std::fabs(ax - bx)) + "\" height=\"" + num(std::fabs(ay - by)) +
                "\" " + st + "/>\n";
    }
    void line(formats::FigPoint a, formats::FigPoint b, const formats::LineStyle& ls) override {
        out_ += "<line x1=\"" + num(X(a.x)) + "\" y1=\"" + num(Y(a.y)) + "\" x2=\"" + num(X(b.x)) +
                "\" y2=\"" + num(Y(b.y)) + "\" " + stroke(ls) + "/>\n";
    }
    void circle(formats::FigPoint c, double r, const formats::LineStyle& ls) override {
        out_ += "<circle cx=\"" + num(X(c.x)) + "\" cy=\"" + num(Y(c.y)) + "\" r=\"" + num(r) +
                "\" " + stroke(ls) + "/>\n";
    }
    void arc(formats::FigPoint c, double r, double startDeg, double span,
             const formats::LineStyle& ls) override {
        const double cx = X(c.x), cy = Y(c.y);
        const double t0 = startDeg * std::numbers::pi / 180,
                     t1 = (startDeg + span) * std::numbers::pi / 180;
        out_ += "<path d=\"M " + num(cx + r * std::cos(t0)) + " " + num(cy - r * std::sin(t0)) +
                " A " + num(r) + " " + num(r) + " 0 " + (span > 180 ? "1" : "0") + " 0 " +
                num(cx + r * std::cos(t1)) + " " + num(cy - r * std::sin(t1)) + "\" " + stroke(ls) +
                "/>\n";
    }
    void arrow(formats::FigPoint at, double ux, double uy, const formats::LineStyle& ls) override {
        const double dx = ux, dy = -uy;  // in the picture's frame, y downward
        const double tx = X(at.x), ty = Y(at.y);
        const double bx = tx - dx * kArrowLength, by = ty - dy * kArrowLength;
        const double sx = -dy * kArrowHalfWidth, sy = dx * kArrowHalfWidth;
        out_ += "<polygon points=\"" + num(tx) + "," + num(ty) + " " + num(bx + sx) + "," +
                num(by + sy) + " " + num(bx - sx) + "," + num(by - sy) + "\" fill=\"" +
                colour(ls.Colour) + "\"/>\n";
    }
    void text(formats::FigPoint ref, const std::string& bytes, const formats::TextStyle& ts,
              int direction) override {
        const double em = ts.heightMm();
        const std::string text = formats::cp932ToUtf8(bytes);
        const double w = formats::LabelWidth(text, em);
        const double x = X(ref.x), y = Y(ref.y);
        std::string attrs = "font-family=\"IPAGothic, monospace\" font-size=\"" + num(em) +
                            "\" fill=\"" + colour(ts.Colour) + "\"";
        if (ts.bold()) attrs += " font-weight=\"bold\"";
        if (ts.italic()) attrs += " font-style=\"italic\"";
        if (ts.underline()) attrs += " text-decoration=\"underline\"";
        if (w > 0) attrs += " textLength=\"" + num(w) + "\" lengthAdjust=\"spacingAndGlyphs\"";
        // The reference point is the lower left of the text's box; the baseline lies
        // above it by the part of the em below the baseline.
        const std::string rotate =
            direction == 1 ? " transform=\"rotate(-90 " + num(x) + " " + num(y) + ")\"" : "";
        out_ += "<text x=\"" + num(x) + "\" y=\"" + num(y - kBaselineShare * em) + "\"" + rotate +
                " " + attrs + ">" + escape(text) + "</text>\n";
    }

  private:
    // stroke attributes of a visible line style
    static std::string stroke(const formats::LineStyle& s) {
        if (s.invisible()) return {};
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

    std::string& out_;
    double minX_, maxY_;
};

}  // namespace

std::string LayoutToSvg(const std::string& layoutPath, const formats::StyleTables& styles,
                        formats::FigureSink* tap) {
    const formats::FigureLayout layout = formats::ReadFigureLayout(layoutPath);
    std::vector<formats::FigureFile> figures;
    double minX = 0, minY = 0, maxX = layout.width, maxY = layout.height;
    for (const formats::SubFigureRef& e : layout.figures) {
        figures.push_back(formats::ReadFigureFile(e.path));
        const formats::FigureFile& x = figures.back();
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
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    SvgSink sink(out, minX, maxY);
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(W) + "mm\" height=\"" +
           num(H) + "mm\" viewBox=\"0 0 " + num(W) + " " + num(H) + "\">\n";
    out += "<title>" + escape(layout.title) + "</title>\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    out += "<rect x=\"" + num(sink.X(0)) + "\" y=\"" + num(sink.Y(layout.height)) + "\" width=\"" +
           num(layout.width) + "\" height=\"" + num(layout.height) +
           "\" fill=\"none\" stroke=\"#c0c0c0\" stroke-width=\"0.2\" stroke-dasharray=\"1 1\"/>\n";
    // The texts of the whole layout are kept apart as the viewer keeps them.
    const formats::LayoutTexts placed = formats::CollectLayoutTexts(layout, figures, styles);
    const std::vector<formats::LabelMove> moves = formats::placeLabels(placed.boxes, placed.lines);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        out += "<g data-title=\"" + escape(figures[i].title) + "\">\n";
        formats::FigureWalk walk;
        walk.offsetX = layout.figures[i].offsetX;
        walk.offsetY = layout.figures[i].offsetY;
        walk.moves = moves.data() + placed.first[i];
        walk.shown = placed.shown.data() + placed.first[i];
        walk.strict = true;
        walk.tap = tap;
        formats::drawFigure(figures[i], styles, sink, walk);
        out += "</g>\n";
    }
    for (const formats::LabelMove& m : moves)
        if (m.leader)
            out += "<line class=\"leader\" x1=\"" + num(sink.X(m.fromX)) + "\" y1=\"" +
                   num(sink.Y(m.fromY)) + "\" x2=\"" + num(sink.X(m.toX)) + "\" y2=\"" +
                   num(sink.Y(m.toY)) + "\" stroke=\"black\" stroke-width=\"" + num(kLeaderWidth) +
                   "\"/>\n";
    out += "</svg>\n";
    return out;
}

std::string LayoutToSvg(const std::string& layoutPath, const std::string& appFolder) {
    const formats::StyleTables styles(formats::ReadLineStyles(appFolder + "/LINE_PRN.DEF"),
                                      formats::ReadTextStyles(appFolder + "/STR_PRN.DEF"));
    return LayoutToSvg(layoutPath, styles);
}

}  // namespace nuvra::figures
