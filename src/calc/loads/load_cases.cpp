#include "calc/loads/load_cases.h"

#include <memory>

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc::basCalcGairyoku {
namespace {

// A value the set-up needs is missing (an object or the sum row of a self weight).
struct MissingInput {};

const clsWeightItem& sumRow(const std::unique_ptr<clsWeight>& w) {
    if (!w) throw MissingInput{};
    const clsWeightItem* row = w->Weight().Item(kWeightSumTitle);
    if (!row) throw MissingInput{};
    return *row;
}

template <class T>
const T& need(const std::unique_ptr<T>& p) {
    if (!p) throw MissingInput{};
    return *p;
}

void CalcSelfWeights(const DesignData& d, LoadSlots& loads) {
    const CInpJyoken& j = d.objInpJyoken;
    const CInpZairyo& z = d.objInpZairyo;
    for (std::int32_t i = 1; i <= kCaseCount; ++i) {
        loads.objWeight(i) = std::make_unique<clsWeight>();
        clsWeight& w = *loads.objWeight(i);
        w.Origin = 1;
        w.Kh = 0;
        w.Kv = 0;
        w.CaseNo = i;
        w.H = j.H;
        w.B = j.B;
        w.T1 = j.T1;
        w.T2 = j.T2;
        w.T3 = j.T3;
        w.T4 = j.T4;
        w.TB = j.TB;
        w.HW = j.HW;
        w.HWi = j.HWi;
        w.Gsc = z.Gsc;
        w.Gs = z.Gs;
        w.Gt = z.Gt;
        w.Gd = z.Gd;
        w.Gw = z.Gw;
        w.CalcWeight();
    }
}

void CalcUplift(const DesignData& d, LoadSlots& loads) {
    loads.objYouatsuryoku = std::make_unique<clsYouatsuryoku>();
    clsYouatsuryoku& y = *loads.objYouatsuryoku;
    y.B = d.objInpJyoken.B;
    y.T2 = d.objInpJyoken.T2;
    y.TB = d.objInpJyoken.TB;
    y.HW = d.objInpJyoken.HW;
    y.Gw = d.objInpZairyo.Gw;
    y.Calc();
}

void CalcSurcharge(const DesignData& d, LoadSlots& loads) {
    loads.objQqw = std::make_unique<clsQqw>();
    clsQqw& q = *loads.objQqw;
    const CInpMorido& m = d.objInpMorido;
    q.H = fin(d.objInpJyoken.T3 * 0.5 + d.objInpJyoken.H);
    if (m.Morido == 1) {
        q.Keijyo = 0;
        q.D1X = m.x;
        q.D1Q = m.Q;
    } else {
        q.Keijyo = 2;
        q.D3X1 = m.X1;
        q.D3X2 = m.X2;
        q.D3Ho = m.Ho;
        q.D3Gs = m.G;
        q.D3Q = m.Qd;
    }
    q.Calc();
}

// One set of layer and earth-pressure objects per case, from the ground level down to
// eldl. Case 1 carries the groundwater and the surcharge; cases 2 and 3 neither.
void CalcEarthPressureSet(const DesignData& d, LoadSlots& loads, double eldl, double delta,
                          PerCase<clsKh>& khSet, PerCase<clsSpa>& spaSet) {
    const CInpJyoken& j = d.objInpJyoken;
    const CInpZairyo& z = d.objInpZairyo;
    double elgl = fin(j.H + j.T3);
    double q = need(loads.objQqw).Q();
    for (std::int32_t i = 1; i <= kCaseCount; ++i) {
        khSet(i) = std::make_unique<clsKh>();
        clsKh& kh = *khSet(i);
        kh.setSiki(1);
        kh.Kh = 0.1;
        kh.Q = i == 1 ? q : 0;
        kh.Gw = z.Gw;
        kh.RWL = i == 1 ? j.HW : eldl;
        kh.RWLKh = 0;
        kh.AddEL().Clear();
        kh.AddEL().Add(eldl);
        kh.Jiban().Clear();
        kh.Jiban().Add(2, elgl, fin(elgl - eldl), z.Gs, z.Gt, 0, false);
        kh.Calc();

        spaSet(i) = std::make_unique<clsSpa>();
        clsSpa& spa = *spaSet(i);
        spa.ELDL = eldl;
        spa.ELGL = elgl;
        spa.Q = i == 1 ? q : 0;
        spa.Beta = 0;
        spa.Jei = 0;
        spa.Delta = delta;
        spa.Jiban().Clear();
        // Sandy layers without cohesion; the seismic coefficients are not passed on.
        for (const clsKhJiban& layer : kh.Jiban())
            spa.Jiban().Add({.No = layer.No,
                             .EU = layer.EU,
                             .H = layer.H,
                             .Kind = 0,
                             .Gs = layer.Gs3,
                             .Fai = z.Fai});
        spa.Calc();
    }
}

// Stability set: down to the slab underside. A wall with a footing or a clear taper
// takes the full wall friction, a plain wall two thirds of it.
void CalcEarthPressures(const DesignData& d, LoadSlots& loads) {
    const CInpJyoken& j = d.objInpJyoken;
    double slope = cdiv(j.T2 - j.T1, j.H);
    double fai = d.objInpZairyo.Fai;
    double delta = (geTol(j.TB, 0.1) || geTol(slope, 0.1)) ? fai : RoundDecimal(2.0 / 3.0 * fai, 1);
    CalcEarthPressureSet(d, loads, 0, delta, loads.objKh, loads.objSpa);
}

// Wall-design set: down to mid-depth of the slab, always two thirds of the friction.
void CalcWallEarthPressures(const DesignData& d, LoadSlots& loads) {
    double eldl = fin(d.objInpJyoken.T3 * 0.5);
    double delta = RoundDecimal(2.0 / 3.0 * d.objInpZairyo.Fai, 1);
    CalcEarthPressureSet(d, loads, eldl, delta, loads.objKhWall, loads.objSpaWall);
}

void CalcPressures(LoadSlots& loads) {
    for (std::int32_t i = 1; i <= kCaseCount; ++i) {
        loads.objPressure(i) = std::make_unique<clsPressure>();
        clsPressure& p = *loads.objPressure(i);
        const clsSpa& spa = need(loads.objSpa(i));
        p.WU = spa.ELGL;
        p.WL = spa.ELDL;
        // Case 2 loads the members with a horizontal resultant.
        p.THT = i == 2 ? 0 : fin(spa.Jei + spa.Delta);
        for (const clsSpJiban& layer : spa.Jiban())
            p.Qdi().Add(layer.EU, layer.H, layer.PU, layer.PL, 0, false);
        p.Calc();
    }
}

void CalcFlotation(const DesignData& d, LoadSlots& loads) {
    loads.objUkiagari = std::make_unique<CUkiagari>();
    CUkiagari& u = *loads.objUkiagari;
    u.W = sumRow(loads.objWeight(1)).Weight;
    u.Pvo = need(loads.objPressure(1)).Pv();
    u.U = need(loads.objYouatsuryoku).Up();
    u.Fa = d.objInpJyoken.Fa;
    u.Calc();
}

void CalcBearing(const DesignData& d, LoadSlots& loads) {
    const CInpJyoken& j = d.objInpJyoken;
    const CInpKiso& k = d.objInpKiso;

    loads.objNcNrNq = std::make_unique<CNcNrNq>();
    CNcNrNq& n = *loads.objNcNrNq;
    n.Fai = k.Fai;
    n.Calc();

    loads.objQa = std::make_unique<CQa>();
    CQa& qa = *loads.objQa;
    qa.B = fin(2 * (j.T2 + j.TB) + j.B);
    qa.C = k.C;
    qa.G1 = k.G1;
    qa.G2 = k.G2;
    qa.Df = k.Df;
    qa.Nc = n.Nc();
    qa.Nr = n.Nr();
    qa.Nq = n.Nq();
    qa.Calc();

    loads.objQmax = std::make_unique<CQmax>();
    CQmax& qm = *loads.objQmax;
    qm.W = sumRow(loads.objWeight(3)).Weight;
    qm.Pv = need(loads.objPressure(3)).Pv();
    qm.B = j.B;
    qm.T2 = j.T2;
    qm.TB = j.TB;
    qm.Qa = k.Siji == 1 ? qa.Qa() : k.Qa;
    qm.Calc();
}

}  // namespace

bool CalcLoads(const DesignData& d, LoadSlots& loads, std::vector<RunFault>& faults) {
    try {
        CalcSelfWeights(d, loads);
        CalcUplift(d, loads);
        CalcSurcharge(d, loads);
        CalcEarthPressures(d, loads);
        CalcWallEarthPressures(d, loads);
        CalcPressures(loads);
        CalcFlotation(d, loads);
        CalcBearing(d, loads);
        return true;
    } catch (...) {
        // Arithmetic faults of the set-up, a missing sum row, an allocation failure.
        faults.push_back({"basCalcGairyoku", "外力の計算", CurrentFaultNumber()});
        return false;
    }
}

}  // namespace nuvra::calc::basCalcGairyoku
