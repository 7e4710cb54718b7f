#include "design_generator.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace nuvra::test {

bool DesignGenerator::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

double DesignGenerator::decimal(double lo, double hi, int places) {
    double x = std::uniform_real_distribution<double>(lo, hi)(rng_);
    // Through the text, so the value is exactly what "x.xx" reads as.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", places, x);
    return std::strtod(buf, nullptr);
}

double DesignGenerator::pick(std::initializer_list<double> values) {
    std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
    return *(values.begin() + d(rng_));
}

double DesignGenerator::field(double lo, double hi, int places) {
    if (degenerate_ && chance(0.15)) {
        // A limit may be computed (T1 + 0.3): keep it to the 15 digits a file holds.
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g",
                      pick({0.0, lo, hi, -1.0, 1e-9, 1e6, 99999.0, -0.5}));
        return std::strtod(buf, nullptr);
    }
    return decimal(lo, hi, places);
}

double DesignGenerator::length(double lo, double hi) {
    return field(lo, hi, 2);
}

DesignData DesignGenerator::next() {
    degenerate_ = chance(0.2);
    DesignData d;
    auto& j = d.objInpJyoken;
    j.InpFlg = true;
    j.Title = pick({0, 1, 2}) == 0 ? "水路 No." + std::to_string(rng_() % 1000) : "U型水路";
    // Titles a file can hold but the dialog would not take: empty, over-long, a tab.
    if (degenerate_ && chance(0.2))
        j.Title =
            std::vector<std::string>{"", std::string(120, 'W'), "\t水路①\t", "ｶﾅ･ﾃｽﾄ"}[rng_() % 4];
    j.H = length(0.3, 4.0);
    j.B = length(0.3, 5.0);
    j.T1 = length(0.15, 0.5);
    j.T2 = chance(0.5) ? j.T1 : length(j.T1, j.T1 + 0.3);
    j.T3 = length(0.15, 0.6);
    j.T4 = chance(0.3) ? 0.0 : length(0.05, 0.3);
    // Footings in about half of the designs; a length just at the footing limit now and then.
    if (chance(0.5))
        j.TB = chance(0.1) ? std::round(j.T3 / 2.0 * 1000.0 + 1.0) / 1000.0 : length(0.2, 1.5);
    else
        j.TB = 0.0;
    // Groundwater: none, below the slab top, up to the wall top, above it.
    switch (static_cast<int>(pick({0, 1, 2, 3}))) {
        case 0:
            j.HW = 0.0;
            break;
        case 1:
            j.HW = decimal(0.0, std::max(j.T3, 0.01), 2);
            break;
        case 2:
            j.HW = decimal(0.0, std::max(j.H + j.T3, 0.01), 2);
            break;
        default:
            j.HW = length(0.0, 8.0);
            break;
    }
    j.HWi = degenerate_ ? length(0.0, 4.0) : decimal(std::max(j.T4, 0.0), std::max(j.H, j.T4), 2);
    j.Fa = field(1.1, 1.2, 1);
    j.Kento = static_cast<std::int32_t>(pick({1, 2, 3}));
    if (degenerate_ && chance(0.05)) j.Kento = static_cast<std::int32_t>(pick({0, 4, -1}));

    auto& m = d.objInpMorido;
    m.InpFlg = true;
    m.Morido = static_cast<std::int32_t>(pick({1, 2}));
    if (m.Morido == 1) {
        m.x = field(0.0, 3.0, 2);
        m.Q = field(0.0, 30.0, 1);
    } else {
        m.X1 = field(0.0, 3.0, 2);
        m.X2 = field(0.0, 6.0, 2);
        m.Ho = field(0.0, 4.0, 2);
        m.G = field(15.0, 20.0, 1);
        m.Qd = field(0.0, 20.0, 1);
    }

    auto& k = d.objInpKiso;
    k.InpFlg = true;
    k.Siji = static_cast<std::int32_t>(pick({1, 2}));
    k.C = field(0.0, 50.0, 1);
    k.Fai = field(0.0, 40.0, 1);
    k.G1 = field(8.0, 20.0, 1);
    k.G2 = field(8.0, 20.0, 2);
    k.Df = field(0.0, 5.0, 2);
    k.Qa = field(50.0, 500.0, 0);

    auto& c = d.objInpKaburi;
    c.TateSoto = field(40.0, 120.0, 0);
    c.TateUchi = field(40.0, 120.0, 0);
    c.SokoUe = field(40.0, 120.0, 0);
    c.SokoSita = field(60.0, 150.0, 0);

    auto& z = d.objInpZairyo;
    z.Gsc = field(23.0, 24.5, 1);
    z.Gs = field(16.0, 20.0, 1);
    z.Gt = field(18.0, 21.0, 1);
    z.Gd = field(8.0, 11.0, 1);
    z.Fai = field(20.0, 40.0, 1);
    z.Gw = field(9.8, 10.3, 1);
    z.Sck = pick({18, 21, 24, 27, 30});
    z.Sca = field(6.0, 10.0, 1);
    z.Ta = field(0.3, 0.5, 2);
    z.Toa = degenerate_ && chance(0.1) ? "0"
                                       : std::to_string(static_cast<int>(pick({1, 2}))) + "." +
                                             std::to_string(static_cast<int>(pick({0, 4, 5, 6})));
    z.Ec = field(20000.0, 30000.0, 0);
    z.Zai = static_cast<std::int32_t>(pick({1, 2, 3}));
    z.Ssa = pick({137.0, 157.0, 176.0, 196.0});
    z.Es = 200000;

    auto& h = d.objInpHaikin;
    for (CInpHaikinS* s :
         {&h.TateSoto, &h.TateUchi, &h.SokoUe, &h.SokoSita, &h.FootingUe, &h.FootingSita}) {
        s->Dia =
            z.Zai == 1 ? pick({9, 13, 16, 19, 22, 25}) : pick({10, 13, 16, 19, 22, 25, 29, 32});
        s->ctc = pick({100, 125, 150, 200, 250, 300});
        if (degenerate_ && chance(0.1)) s->Dia = pick({0, 7, 51, -16});
        if (degenerate_ && chance(0.1)) s->ctc = pick({0, 1, 5000, -100});
    }
    return d;
}

int propertyCount(const char* envName, int fallback) {
    const char* v = std::getenv(envName);
    if (!v || !*v) return fallback;
    int n = std::atoi(v);
    return n > 0 ? n : fallback;
}

std::uint64_t propertySeed() {
    const char* v = std::getenv("NUVRA_PROPERTY_SEED");
    return v && *v ? std::strtoull(v, nullptr, 10) : 20240601u;
}

}  // namespace nuvra::test
