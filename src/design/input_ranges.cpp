#include "design/input_ranges.h"

#include <cmath>
#include <string_view>

#include "common/number_format.h"

namespace nuvra {
namespace {

#define NUVRA_FIELD(rec, field) [](DesignData& d) -> double& { return d.rec.field; }

constexpr double kBackfillMax = 999999999;

const InputField kFields[] = {
    {"Jyoken", "H", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, H)},
    {"Jyoken", "B", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, B)},
    {"Jyoken", "T1", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, T1)},
    {"Jyoken", "T2", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, T2)},
    {"Jyoken", "T3", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, T3)},
    {"Jyoken", "T4", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, T4)},
    {"Jyoken", "TB", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, TB)},
    {"Jyoken", "HW", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, HW)},
    {"Jyoken", "HWi", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpJyoken, HWi)},
    {"Jyoken", "Fa", "#0.0", "#0.0", 1.1, 1.2, NUVRA_FIELD(objInpJyoken, Fa)},
    {"Morido", "x", "#0.00", "#0.00", 0, 99.99, NUVRA_FIELD(objInpMorido, x)},
    {"Morido", "Q", "##0.0", "##0.0", 0, 999.9, NUVRA_FIELD(objInpMorido, Q)},
    {"Morido", "X1", "#0.00", "#0.00", 0, 99.99, NUVRA_FIELD(objInpMorido, X1)},
    {"Morido", "X2", "#0.00", "#0.00", 0, 99.99, NUVRA_FIELD(objInpMorido, X2)},
    {"Morido", "Ho", "#0.00", "#0.00", 0, 99.99, NUVRA_FIELD(objInpMorido, Ho)},
    {"Morido", "G", "#0.0", "#0.0", 0, 99, NUVRA_FIELD(objInpMorido, G)},
    {"Morido", "Qd", "##0.0", "##0.0", 0, 999.9, NUVRA_FIELD(objInpMorido, Qd)},
    {"Kiso", "C", "##0.0", "##0.0", 0, 999.9, NUVRA_FIELD(objInpKiso, C)},
    {"Kiso", "Fai", "#0.0", "#0.0", 0, 99.9, NUVRA_FIELD(objInpKiso, Fai)},
    {"Kiso", "G1", "#0.0", "#0.0", 0, 99.9, NUVRA_FIELD(objInpKiso, G1)},
    {"Kiso", "G2", "#0.0", "#0.00", 0, 99.9, NUVRA_FIELD(objInpKiso, G2)},
    {"Kiso", "Df", "#0.00", "#0.00", 0, 99, NUVRA_FIELD(objInpKiso, Df)},
    {"Kiso", "Qa", "###0", "###0", 0, 9999, NUVRA_FIELD(objInpKiso, Qa)},
    {"Kaburi", "TateSoto", "##0", "##0", 0, 999, NUVRA_FIELD(objInpKaburi, TateSoto)},
    {"Kaburi", "TateUchi", "##0", "##0", 0, 999, NUVRA_FIELD(objInpKaburi, TateUchi)},
    {"Kaburi", "SokoUe", "##0", "##0", 0, 999, NUVRA_FIELD(objInpKaburi, SokoUe)},
    {"Kaburi", "SokoSita", "##0", "##0", 0, 999, NUVRA_FIELD(objInpKaburi, SokoSita)},
    {"Zairyo", "Gsc", "#0.0", "#0.0", 0, 99, NUVRA_FIELD(objInpZairyo, Gsc)},
    {"Zairyo", "Gs", "#0.0", "#0.0", 0, kBackfillMax, NUVRA_FIELD(objInpZairyo, Gs)},
    {"Zairyo", "Gt", "#0.0", "#0.0", 0, kBackfillMax, NUVRA_FIELD(objInpZairyo, Gt)},
    {"Zairyo", "Gd", "#0.0", "#0.0", 0, kBackfillMax, NUVRA_FIELD(objInpZairyo, Gd)},
    {"Zairyo", "Fai", "#0.0", "#0.0", 0, kBackfillMax, NUVRA_FIELD(objInpZairyo, Fai)},
    {"Zairyo", "Gw", "#0.0", "#0.0", 0, 99, NUVRA_FIELD(objInpZairyo, Gw)},
    {"Zairyo", "Sck", "#0", "#0", 0, 99, NUVRA_FIELD(objInpZairyo, Sck)},
    {"Zairyo", "Sca", "#0.0", "#0.0", 0, 99.9, NUVRA_FIELD(objInpZairyo, Sca)},
    {"Zairyo", "Ta", "#0.00", "#0.00", 0, 99.99, NUVRA_FIELD(objInpZairyo, Ta)},
    {"Zairyo", "Ec", "####0", "####0", 0, 99999, NUVRA_FIELD(objInpZairyo, Ec)},
    {"Zairyo", "Ssa", "##0", "##0", 0, 999, NUVRA_FIELD(objInpZairyo, Ssa)},
    {"Zairyo", "Es", "#####0", "#####0", 0, 200000, NUVRA_FIELD(objInpZairyo, Es)},
};

#undef NUVRA_FIELD

int decimalsOf(std::string_view picture) {
    const std::size_t point = picture.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);
}

}  // namespace

std::span<const InputField> InputFields() {
    return kFields;
}

const InputField* FindInputField(const std::string& name) {
    std::string_view record, field = name;
    if (const std::size_t dot = name.find('.'); dot != std::string::npos) {
        record = std::string_view(name).substr(0, dot);
        field = std::string_view(name).substr(dot + 1);
        if (record.starts_with("CInp")) record.remove_prefix(4);
    }
    const InputField* found = nullptr;
    for (const InputField& f : kFields) {
        if (field != f.name || (!record.empty() && record != f.record)) continue;
        if (found) return nullptr;  // the same name in two records: say which
        found = &f;
    }
    return found;
}

bool InRange(const InputField& f, double value) {
    return value >= f.min && value <= f.max;
}

std::string RangeMessage(const InputField& f) {
    return "入力範囲：" + formatPicture(f.min, f.display) + " ～ " +
           formatPicture(f.max, f.display);
}

bool FitsInputPicture(const InputField& f, double value) {
    const double scaled = value * std::pow(10.0, decimalsOf(f.input));
    return std::isfinite(scaled) && std::fabs(scaled - std::nearbyint(scaled)) < 1e-6;
}

}  // namespace nuvra
