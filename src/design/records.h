// The six design input records of one channel design, with their defaults.
// Fields are public and carry the engineering symbols; no setter validates them:
// ranges are enforced by the dialogs only.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra {

/// Design conditions and section shape. Lengths in m, from the slab underside upward
/// for HW, from the slab top for H and HWi.
struct CInpJyoken {
    bool InpFlg = false;
    std::string Title = "(未定義)";
    double H = 2.0;          ///< inner height
    double B = 2.0;          ///< inner width
    double T1 = 0.3;         ///< wall thickness at the top
    double T2 = 0.3;         ///< wall thickness at the root
    double T3 = 0.3;         ///< slab thickness
    double T4 = 0.1;         ///< haunch
    double TB = 0.0;         ///< footing length beyond the outer wall face
    double HW = 0.0;         ///< design groundwater level above the slab underside
    double HWi = 2.0;        ///< inner water height above the slab top
    double Fa = 1.1;         ///< allowable safety factor against flotation
    std::int32_t Kento = 1;  ///< 1: cases I+III, 2: I+II, 3: I+II+III

    bool operator==(const CInpJyoken&) const = default;
};

/// Surcharge (Morido 1) or trapezoidal embankment (Morido 2) behind the walls.
struct CInpMorido {
    bool InpFlg = false;
    std::int32_t Morido = 1;
    double x = 0.0;   ///< horizontal: load position from the wall back face (m)
    double Q = 0.0;   ///< horizontal: surcharge (kN/m2)
    double X1 = 0.0;  ///< embankment: start from the wall back face (m)
    double X2 = 0.0;  ///< embankment: slope width (m)
    double Ho = 0.0;  ///< embankment: height (m)
    double G = 18.0;  ///< embankment: unit weight (kN/m3)
    double Qd = 0.0;  ///< embankment: surcharge on top (kN/m2)

    bool operator==(const CInpMorido&) const = default;
};

/// Foundation ground. Siji 1: bearing capacity by the modified Terzaghi formula,
/// Siji 2: entered directly.
struct CInpKiso {
    bool InpFlg = false;
    std::int32_t Siji = 2;
    double C = 20.0;
    double Fai = 30.0;
    double G1 = 10.0;
    double G2 = 15.0;
    double Df = 3.0;
    double Qa = 50.0;

    bool operator==(const CInpKiso&) const = default;
};

/// Concrete cover to the bar centre (mm). The slab values also serve the footings.
struct CInpKaburi {
    bool InpFlg = true;
    double TateSoto = 70;
    double TateUchi = 70;
    double SokoUe = 70;
    double SokoSita = 100;

    bool operator==(const CInpKaburi&) const = default;
};

/// Materials. Zai: 1 SR235 (plain bars), 2 SD295, 3 SD345.
struct CInpZairyo {
    bool InpFlg = true;
    double Gsc = 24.5;
    double Gs = 18.0;
    double Gt = 20.0;
    double Gd = 10.0;
    double Fai = 30.0;
    double Gw = 9.8;
    double Sck = 21;
    double Sca = 8.0;
    double Ta = 0.42;
    std::string Toa = "1.5";  ///< allowable bond stress, held as decimal text
    double Ec = 23500;
    std::int32_t Zai = 2;
    double Ssa = 157;
    double Es = 200000;

    bool operator==(const CInpZairyo&) const = default;
};

/// One bar arrangement: nominal diameter and spacing (mm).
struct CInpHaikinS {
    double Dia = 16;
    double ctc = 300;

    bool operator==(const CInpHaikinS&) const = default;
};

/// Bar arrangements of the six reinforced faces.
struct CInpHaikin {
    bool InpFlg = true;
    CInpHaikinS TateSoto;
    CInpHaikinS TateUchi;
    CInpHaikinS SokoUe;
    CInpHaikinS SokoSita;
    CInpHaikinS FootingUe;
    CInpHaikinS FootingSita;

    bool operator==(const CInpHaikin&) const = default;
};

/// The one current design: the six records.
struct DesignData {
    CInpJyoken objInpJyoken;
    CInpMorido objInpMorido;
    CInpKiso objInpKiso;
    CInpKaburi objInpKaburi;
    CInpZairyo objInpZairyo;
    CInpHaikin objInpHaikin;

    bool operator==(const DesignData&) const = default;
};

/// Replaces all six records by fresh ones holding the defaults.
inline void NewDesignData(DesignData& d) {
    d = DesignData{};
}

}  // namespace nuvra
