#include "calc/common/geometry.h"

#include <cmath>
#include <cstddef>

#include "calc/common/arith.h"

namespace nuvra::calc {

void PolygonCentroid(const std::vector<double>& X, const std::vector<double>& Y, double& xg,
                     double& yg) {
    std::size_t n = X.size() < Y.size() ? X.size() : Y.size();
    double A = 0, Sx = 0, Sy = 0;
    xg = 0;
    yg = 0;
    if (n == 0) return;
    double xp = X[n - 1], yp = Y[n - 1];
    for (std::size_t i = 0; i < n; ++i) {
        double t = fin((X[i] * yp - Y[i] * xp) * 0.5);
        A = fin(A + t);
        Sy = fin(Sy + t / 3 * (Y[i] + yp));
        Sx = fin(Sx + t / 3 * (X[i] + xp));
        xp = X[i];
        yp = Y[i];
    }
    if (std::fabs(A) < 0.001) return;
    xg = cdiv(Sx, A);
    yg = cdiv(Sy, A);
}

}  // namespace nuvra::calc
