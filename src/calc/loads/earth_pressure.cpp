#include "calc/loads/earth_pressure.h"

#include <algorithm>

#include "calc/common/rounding.h"

namespace nuvra::calc {

clsSpJiban& colSpJiban::Add(const SpJibanInputs& layer, std::int32_t Index, bool Before) {
    clsSpJiban j;
    j.No = layer.No;
    j.EU = layer.EU;
    j.EL = fin(layer.EU - layer.H);
    j.H = layer.H;
    j.Kind = layer.Kind;
    j.Gs = layer.Gs;
    j.Fai = layer.Fai;
    j.CU = layer.CU;
    j.CL = layer.CL;
    j.KhU = layer.KhU;
    j.KhL = layer.KhL;
    return AddItem(std::move(j), Index, Before);
}

double clsSpa::GetKa(double fai, double beta, double theta, double delta, double theta0) {
    double ka = -1;
    guarded([&] {
        double s = cdiv(csin(fai + delta) * csin(fai - beta - theta0),
                        ccos(theta + delta + theta0) * ccos(theta - beta));
        double c = ccos(theta);
        double d = c * c * ccos(theta0) * ccos(theta + delta + theta0);
        if (s >= 0) {
            double u = 1 + csqrt(s);
            d = d * (u * u);
        }
        double n = ccos(fai - theta - theta0);
        ka = cdiv(n * n, fin(d));
    });
    return ka;
}

double clsSpa::FailureAngle(double fai, double beta, double theta, double delta, double theta0) {
    double zeta = beta;
    guarded([&] {
        double psi = fai + delta + theta - beta;
        double root = csqrt(cdiv(ccos(theta + delta + theta0) * csin(fai + delta),
                                 ccos(theta - beta) * csin(fai - beta - theta0)));
        double t = fin(cdiv(root, ccos(psi)) - ctan(psi));
        zeta = fin(beta + catan(cdiv(1, t)));
    });
    return zeta;
}

void clsSpa::Calc() {
    Error_ = guarded([&] {
        double beta = degToRad(Beta);
        double theta = degToRad(Jei);
        double delta = degToRad(Delta);
        Q2_ = RoundDecimal(cdiv(ccos(theta) * Q, ccos(theta - beta)), 2);
        double sigma = Q2_;
        for (clsSpJiban& j : Jiban_) {
            double gh = RoundDecimal(j.Gs * j.H, 2);
            double sigmaL = fin(sigma + gh);
            if (j.Kind == 0) {
                j.TU = RoundDecimal(radToDeg(catan(j.KhU)), 2);
                j.TL = RoundDecimal(radToDeg(catan(j.KhL)), 2);
                double thetaU = degToRad(j.TU);
                double thetaL = degToRad(j.TL);
                double fai = degToRad(j.Fai);
                double kaU = GetKa(fai, beta, theta, delta, thetaU);
                double kaL = GetKa(fai, beta, theta, delta, thetaL);
                double zetaU =
                    RoundDecimal(radToDeg(FailureAngle(fai, beta, theta, delta, thetaU)), 1);
                double zetaL =
                    RoundDecimal(radToDeg(FailureAngle(fai, beta, theta, delta, thetaL)), 1);
                double kaCosU = RoundDecimal(ccos(delta + theta + thetaU) * kaU, 4);
                double kaCosL = RoundDecimal(ccos(delta + theta + thetaL) * kaL, 4);
                double pu = RoundDecimal(sigma * kaCosU, 2);
                double pl = RoundDecimal(sigmaL * kaCosL, 2);
                j.ZetaU = zetaU;
                j.ZetaL = zetaL;
                j.KaU = kaCosU;
                j.KaL = kaCosL;
                j.PU = j.PaU = pu;
                j.PL = j.PaL = pl;
            } else {
                // Cohesive soil: the larger of the reduced overburden and half of it.
                j.P1U = RoundDecimal(sigma - 2 * j.CU, 2);
                j.P1L = RoundDecimal(sigmaL - 2 * j.CL, 2);
                j.P2U = RoundDecimal(sigma * 0.5, 2);
                j.P2L = RoundDecimal(sigmaL * 0.5, 2);
                j.PaU = std::max(j.P1U, j.P2U);
                j.PaL = std::max(j.P1L, j.P2L);
                j.ZetaU = j.ZetaL = 45;
            }
            j.GH = gh;
            j.GHU = sigma;
            j.GHL = sigmaL;
            sigma = sigmaL;
        }
    });
}

}  // namespace nuvra::calc
