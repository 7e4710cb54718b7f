#include "formats/figure_walker.h"

#include <cmath>

#include "formats/format_error.h"

namespace nuvra::formats {
namespace {

// Sends each call to the sink and then to the tap.
class Tee : public FigureSink {
  public:
    Tee(FigureSink& a, FigureSink* b) : a_(a), b_(b) {}
    void fill(const std::vector<FigPoint>& polygon, const std::string& colour) override {
        a_.fill(polygon, colour);
        if (b_) b_->fill(polygon, colour);
    }
    void rect(FigPoint a, FigPoint b, const LineStyle& style, bool filled) override {
        a_.rect(a, b, style, filled);
        if (b_) b_->rect(a, b, style, filled);
    }
    void line(FigPoint a, FigPoint b, const LineStyle& style) override {
        a_.line(a, b, style);
        if (b_) b_->line(a, b, style);
    }
    void circle(FigPoint c, double r, const LineStyle& style) override {
        a_.circle(c, r, style);
        if (b_) b_->circle(c, r, style);
    }
    void arc(FigPoint c, double r, double start, double span, const LineStyle& style) override {
        a_.arc(c, r, start, span, style);
        if (b_) b_->arc(c, r, start, span, style);
    }
    void arrow(FigPoint tip, double dx, double dy, const LineStyle& style) override {
        a_.arrow(tip, dx, dy, style);
        if (b_) b_->arrow(tip, dx, dy, style);
    }
    void text(FigPoint ref, const std::string& bytes, const TextStyle& style,
              int direction) override {
        a_.text(ref, bytes, style, direction);
        if (b_) b_->text(ref, bytes, style, direction);
    }

  private:
    FigureSink& a_;
    FigureSink* b_;
};

}  // namespace

bool arrowVector(int direction, double& dx, double& dy) {
    constexpr double d = 0.70710678118654752440;  // the diagonal's share, 1/sqrt(2)
    static constexpr double kVectors[8][2] = {{0, 1},  {d, d},   {1, 0},  {d, -d},
                                              {0, -1}, {-d, -d}, {-1, 0}, {-d, d}};
    if (direction < 1 || direction > 8) return false;
    dx = kVectors[direction - 1][0];
    dy = kVectors[direction - 1][1];
    return true;
}

void drawFigure(const FigureFile& f, const StyleTables& styles, FigureSink& out,
                const FigureWalk& walk) {
    Tee sink(out, walk.tap);
    const double ox = walk.offsetX, oy = walk.offsetY;
    const auto points = static_cast<int>(f.points.size());
    auto hasPoint = [&](int n) {
        if (n >= 1 && n <= points) return true;
        if (walk.strict)
            throw FormatError("figure \"" + f.title + "\" has no point " + std::to_string(n));
        return false;
    };
    auto pt = [&](int n) {
        const FigPoint& p = f.point(n);
        return FigPoint{p.x + ox, p.y + oy};
    };
    auto lineStyle = [&](int i) -> const LineStyle& {
        if (walk.strict && !styles.hasLine(i))
            throw FormatError("line style " + std::to_string(i) + " does not exist");
        return styles.line(i);
    };

    for (const FigFill& fl : f.fills) {
        std::vector<FigPoint> polygon;
        bool whole = true;
        for (int n = fl.first; n <= fl.last; ++n) {
            if (!hasPoint(n)) {
                whole = false;
                break;
            }
            polygon.push_back(pt(n));
        }
        if (whole) sink.fill(polygon, fl.color);
    }
    for (const FigRect& r : f.rects) {
        const LineStyle& ls = lineStyle(r.style);
        if (!hasPoint(r.cornerA) || !hasPoint(r.cornerB)) continue;
        sink.rect(pt(r.cornerA), pt(r.cornerB), ls, r.fill != 0);
    }
    for (const FigSegment& g : f.segments) {
        const LineStyle& ls = lineStyle(g.style);
        if (!hasPoint(g.from) || !hasPoint(g.to) || ls.invisible()) continue;
        sink.line(pt(g.from), pt(g.to), ls);
    }
    for (const FigCircle& c : f.circles) {
        const LineStyle& ls = lineStyle(c.style);
        if (!hasPoint(c.center) || ls.invisible()) continue;
        sink.circle(pt(c.center), c.radius, ls);
    }
    for (const FigArc& a : f.arcs) {
        const LineStyle& ls = lineStyle(a.style);
        if (ls.invisible()) continue;
        double span = std::fmod(a.endDeg - a.startDeg, 360.0);
        if (span <= 0) span += 360.0;
        sink.arc({a.cx + ox, a.cy + oy}, a.radius, a.startDeg, span, ls);
    }
    for (const FigArrow& a : f.arrows) {
        const LineStyle& ls = lineStyle(a.style);
        if (ls.invisible()) continue;
        double dx = 0, dy = 0;
        if (!arrowVector(a.direction, dx, dy)) {
            if (walk.strict) throw FormatError("arrow direction " + std::to_string(a.direction));
            continue;
        }
        if (!hasPoint(a.point)) continue;
        sink.arrow(pt(a.point), dx, dy, ls);
    }
    for (std::size_t i = 0; i < f.texts.size(); ++i) {
        const FigText& t = f.texts[i];
        if (walk.strict && !styles.hasText(t.style))
            throw FormatError("text style " + std::to_string(t.style) + " does not exist");
        const double mx = walk.moves ? walk.moves[i].dx : 0.0;
        const double my = walk.moves ? walk.moves[i].dy : 0.0;
        sink.text({t.x + ox + mx, t.y + oy + my}, walk.shown ? walk.shown[i] : t.bytes,
                  styles.text(t.style), t.direction);
    }
}

}  // namespace nuvra::formats
