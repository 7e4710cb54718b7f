#include "design/rules.h"

#include <cmath>

namespace nuvra {

std::int32_t roundHalfEven(double x) {
    if (std::isnan(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode: to nearest, ties to even
    if (r <= -2147483648.0) return INT32_MIN;
    if (r >= 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(r);
}

bool checkInnerWaterRule(double H, double T4, double HWi) {
    std::int32_t h = roundHalfEven(H * 100), t4 = roundHalfEven(T4 * 100),
                 hwi = roundHalfEven(HWi * 100);
    return !(hwi < t4 || h < hwi);
}

ConcreteAllowables proposeAllowables(double Sck, std::int32_t Zai) {
    std::int32_t s = roundHalfEven(Sck);
    ConcreteAllowables a;
    if (s <= 20)
        a = {7.0, 0.40, 1.4, 22000};
    else if (s <= 23)
        a = {8.0, 0.42, 1.5, 23500};
    else if (s <= 29)
        a = {9.0, 0.45, 1.6, 25000};
    else if (s <= 39)
        a = {11.0, 0.50, 1.8, 28000};
    else
        a = {14.0, 0.55, 2.0, 31000};
    if (Zai == 1) a.Toa /= 2;
    return a;
}

double proposeToa(double Sck, std::int32_t Zai) {
    return proposeAllowables(Sck, Zai).Toa;
}

double proposeSsa(std::int32_t Zai) {
    switch (Zai) {
        case 1:
            return 137;
        case 2:
            return 176;
        case 3:
            return 196;
        default:
            return 0;
    }
}

}  // namespace nuvra
