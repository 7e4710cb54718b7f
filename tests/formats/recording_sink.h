// A figure sink that writes down every element it receives, one line each, with the
// coordinates rounded to a micrometre: what a drawing of a figure amounts to.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "formats/figure_walker.h"

namespace nuvra::formats::test {

class RecordingSink : public FigureSink {
  public:
    std::vector<std::string> calls;

    void fill(const std::vector<FigPoint>& polygon, const std::string& colour) override {
        std::string s = "fill";
        for (const FigPoint& p : polygon)
            s += " " + pt(p);
        calls.push_back(s + " " + colour);
    }
    void rect(FigPoint a, FigPoint b, const LineStyle& style, bool filled) override {
        calls.push_back("rect " + pt(a) + " " + pt(b) + " " + pen(style) +
                        (filled ? " filled" : ""));
    }
    void line(FigPoint a, FigPoint b, const LineStyle& style) override {
        calls.push_back("line " + pt(a) + " " + pt(b) + " " + pen(style));
    }
    void circle(FigPoint c, double r, const LineStyle& style) override {
        calls.push_back("circle " + pt(c) + " " + num(r) + " " + pen(style));
    }
    void arc(FigPoint c, double r, double start, double span, const LineStyle& style) override {
        calls.push_back("arc " + pt(c) + " " + num(r) + " " + num(start) + " " + num(span) + " " +
                        pen(style));
    }
    void arrow(FigPoint tip, double dx, double dy, const LineStyle& style) override {
        calls.push_back("arrow " + pt(tip) + " " + num(dx) + "," + num(dy) + " " + pen(style));
    }
    void text(FigPoint ref, const std::string& bytes, const TextStyle& style,
              int direction) override {
        calls.push_back("text " + pt(ref) + " " + bytes + " " + num(style.heightMm()) + " " +
                        std::to_string(direction));
    }

    static std::string num(double v) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.3f", v);
        return std::string(buf) == "-0.000" ? "0.000" : buf;
    }

  private:
    static std::string pt(FigPoint p) { return num(p.x) + "," + num(p.y); }
    static std::string pen(const LineStyle& s) {
        return "w" + std::to_string(s.Width) + "p" + std::to_string(s.PenStyle) + s.Colour;
    }
};

}  // namespace nuvra::formats::test
