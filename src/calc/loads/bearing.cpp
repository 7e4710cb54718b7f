#include "calc/loads/bearing.h"

#include <array>
#include <span>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {
namespace {

struct Point {
    double x, y;
};

constexpr std::array<Point, 10> kNc{{{0, 5.3},
                                     {5, 5.3},
                                     {10, 5.3},
                                     {15, 6.5},
                                     {20, 7.9},
                                     {25, 9.9},
                                     {28, 11.4},
                                     {32, 20.9},
                                     {36, 42.2},
                                     {40, 95.7}}};
constexpr std::array<Point, 10> kNq{{{0, 3.0},
                                     {5, 3.4},
                                     {10, 3.9},
                                     {15, 4.7},
                                     {20, 5.9},
                                     {25, 7.6},
                                     {28, 9.1},
                                     {32, 16.1},
                                     {36, 33.6},
                                     {40, 83.2}}};
constexpr std::array<Point, 8> kNr{
    {{13.2, 0}, {15, 1.2}, {20, 2.0}, {25, 3.3}, {28, 4.4}, {32, 10.6}, {36, 30.5}, {40, 114.0}}};

// A factor of 0 (or nearly) counts as 10^0 in the interpolation.
double logFactor(double y) {
    return y > 0.01 ? Log10(y) : 0;
}

double lookup(std::span<const Point> t, double fai) {
    fin(fai);
    const Point& first = t.front();
    const Point& last = t.back();
    if (fai < first.x || nearEq(fai, first.x)) return first.y;
    if (fai > last.x || nearEq(fai, last.x)) return last.y;
    std::size_t i = t.size() - 2;
    while (i > 0 && !geTol(fai, t[i].x))
        --i;
    const Point& a = t[i];
    const Point& b = t[i + 1];
    double la = logFactor(a.y), lb = logFactor(b.y);
    double e = la + cdiv((fai - a.x) * (lb - la), b.x - a.x);
    return RoundDecimal(cpow(10, e), 1);
}

}  // namespace

void CNcNrNq::Calc() {
    Error_ = guarded([&] {
        Nc_ = lookup(kNc, Fai);
        Nr_ = lookup(kNr, Fai);
        Nq_ = lookup(kNq, Fai);
    });
}

void CQa::Calc() {
    Error_ = guarded([&] {
        Alpha_ = 1.0;
        Beta_ = 0.5;
        double sum = Alpha_ * C * Nc + Beta_ * G1 * B * Nr + G2 * Df * Nq;
        Qa_ = RoundDecimal(1.0 / 3.0 * sum, 0);
    });
}

void CQmax::Calc() {
    Error_ = guarded([&] {
        Qmax_ = RoundDecimal(cdiv(2 * Pv + W, 2 * T2 + B + 2 * TB), 2);
        bool over = !nearEq(Qmax_, Qa) && Qmax_ >= Qa;
        Hantei_ = over ? "OUT" : "OK";
    });
}

}  // namespace nuvra::calc
