#include "calc/members/member_steps.h"

#include <cmath>
#include <memory>

#include "calc/common/arith.h"
#include "calc/members/design_cases.h"
#include "calc/members/section_fill.h"

namespace nuvra::calc {
namespace {

// Runs a step's body; any fault ends the step with false, leaving what it assigned, and
// is listed in faults with its number.
template <class F>
bool step(std::vector<RunFault>& faults, const char* slot, const char* what, F&& body) {
    try {
        body();
        return true;
    } catch (...) {
        // Arithmetic faults, a missing object, an allocation failure.
        faults.push_back({slot, what, CurrentFaultNumber()});
        return false;
    }
}

// An object of an earlier step that this step reads; its absence is this step's fault.
template <class T>
const T& need(const std::unique_ptr<T>& p) {
    if (!p) raiseFault(kErrInvalidArgument);
    return *p;
}

void addSegments(clsPressure& p, const std::vector<PressureSegment>& segments) {
    for (const PressureSegment& s : segments)
        p.Qdi().Add(s.EU, s.H, s.PU, s.PL);
}

// The earth pressure on the wall from the layers of the wall-design set, down to the
// design level; not yet computed.
void buildEarthPressure(clsPressure& p, const std::unique_ptr<clsSpa>& wallSet) {
    p.Qdi().Clear();
    const clsSpa& spa = need(wallSet);
    p.WU = spa.ELGL;
    p.WL = spa.ELDL;
    p.THT = fin(spa.Delta + spa.Jei);
    for (const clsSpJiban& layer : spa.Jiban())
        p.Qdi().Add(layer.EU, layer.H, layer.PU, layer.PL);
}

// The outer water pressure of case c from the residual-water object; not yet computed.
void buildOuterWater(clsPressure& p, int c, const CRwp& out) {
    p.Qdi().Clear();
    p.WU = out.ELGL;
    p.WL = out.ELDL;
    p.THT = 0;
    addSegments(
        p, TateWaterOutSegments(c, out.ELGL, out.ELRWL, out.ELLWL, out.ELDL, out.Pw(), out.DH()));
}

void calcTatekabe(const DesignData& d, const LoadSlots& loads, TatekabeSlots& s) {
    const CInpJyoken& j = d.objInpJyoken;
    const double Gw = d.objInpZairyo.Gw;

    CRwp& out = *(s.TateRwpOut = std::make_unique<CRwp>());
    out.ELGL = fin(j.H + j.T3);
    out.ELDL = fin(j.T3 * 0.5);
    out.ELLWL = 0;
    out.ELRWL = TateOuterRWL(j.HW, out.ELDL);
    out.Gw = Gw;
    out.Calc();

    CRwp& in = *(s.TateRwpIn = std::make_unique<CRwp>());
    in.ELGL = fin(j.H + j.T3);
    in.ELDL = j.T3;
    in.ELLWL = j.T3;
    in.ELRWL = fin(j.HWi + j.T3);
    in.Gw = Gw;
    in.Calc();

    for (int c = 1; c <= kCaseCount; ++c) {
        clsPressure& p = *(s.TateEarthP(c) = std::make_unique<clsPressure>());
        buildEarthPressure(p, loads.objSpaWall(c));
        p.Calc();
    }
    for (int c = 1; c <= kCaseCount; ++c) {
        clsPressure& p = *(s.TateWaterOutP(c) = std::make_unique<clsPressure>());
        buildOuterWater(p, c, out);
        p.Calc();
    }
    // The inner water acts down to the slab top; the distribution runs on, pressureless,
    // to the wall's design level.
    for (int c = 1; c <= kCaseCount; ++c) {
        clsPressure& p = *(s.TateWaterInP(c) = std::make_unique<clsPressure>());
        p.Qdi().Clear();
        p.WU = in.ELGL;
        p.WL = out.ELDL;
        p.THT = 0;
        addSegments(
            p, TateWaterInSegments(c, in.ELGL, in.ELRWL, in.ELLWL, out.ELDL, in.Pw(), in.DH()));
        p.Calc();
    }

    Envelope m;
    for (int c = 1; c <= kCaseCount; ++c) {
        auto parts = TateCaseComponents(c, j.Kento, s.TateEarthP(c)->M(), s.TateWaterOutP(c)->M(),
                                        s.TateWaterInP(c)->M());
        for (int k = 0; k < 4; ++k)
            s.TateM.set(c, k, parts[static_cast<std::size_t>(k)]);
    }
    for (int c = 1; c <= kCaseCount; ++c)
        m.take(s.TateM(c, 3));
    s.TateMmax = m.max;
    s.TateMmin = m.min;

    Envelope sh;
    for (int c = 1; c <= kCaseCount; ++c) {
        auto parts = TateCaseComponents(c, j.Kento, s.TateEarthP(c)->P(), s.TateWaterOutP(c)->P(),
                                        s.TateWaterInP(c)->P());
        for (int k = 0; k < 4; ++k)
            s.TateS.set(c, k, parts[static_cast<std::size_t>(k)]);
    }
    for (int c = 1; c <= kCaseCount; ++c)
        sh.take(s.TateS(c, 3));
    s.TateSmax = sh.max;
    s.TateSmin = sh.min;
}

// One face check: a fresh object in the slot, filled and calculated.
void faceCheck(std::unique_ptr<CRcKukei>& slot, double Md, double Sd, double thickness, double d1,
               const CInpHaikinS& bars, const CInpZairyo& z) {
    CRcKukei& rc = *(slot = std::make_unique<CRcKukei>());
    FillSectionCheck(rc, std::fabs(Md), std::fabs(Sd), fin(thickness * 1000), d1, bars, z);
}

void calcTeiban(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                TeibanSlots& s) {
    const CInpJyoken& j = d.objInpJyoken;
    TeibanInputs in;
    in.HWi = j.HWi;
    in.B = j.B;
    in.T2 = j.T2;
    in.T3 = j.T3;
    in.TB = j.TB;
    in.Kento = j.Kento;
    in.Gw = d.objInpZairyo.Gw;
    in.Gsc = d.objInpZairyo.Gsc;
    for (int c = 1; c <= kCaseCount; ++c) {
        const std::size_t i = static_cast<std::size_t>(c - 1);
        if (const auto& w = loads.objWeight(c))
            if (const clsWeightItem* sum = w->Weight().Item(kWeightSumTitle)) in.W[i] = sum->Weight;
        if (const auto& p = loads.objPressure(c)) in.Pv[i] = p->Pv();
        in.TateM[i] = wall.TateM(c, 3);
    }
    if (const auto& y = loads.objYouatsuryoku) {
        in.Up = y->Up();
        in.U = y->U();
    }
    CalcTeibanForces(in, s);
}

void calcFooting(const DesignData& d, const LoadSlots& loads, const TeibanSlots& slab,
                 FootingSlots& s) {
    const CInpJyoken& j = d.objInpJyoken;
    FootingInputs in;
    in.H = j.H;
    in.T3 = j.T3;
    in.TB = j.TB;
    in.HW = j.HW;
    in.Kento = j.Kento;
    in.Gs = d.objInpZairyo.Gs;
    in.Gt = d.objInpZairyo.Gt;
    if (const auto& p = loads.objPressure(1)) in.Pv1 = p->Pv();
    if (const auto& p = loads.objPressure(3)) in.Pv3 = p->Pv();
    in.TeibanWs = value(slab.TeibanWs);
    in.TeibanU = value(slab.TeibanU);
    for (int c = 1; c <= kCaseCount; ++c)
        if (const auto& wr = slab.TeibanWr(c)) in.WR[static_cast<std::size_t>(c - 1)] = wr->WR();
    CalcFootingForces(in, s);
}

void calcDanotoshi(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                   DanotoshiSlots& s) {
    const CInpJyoken& j = d.objInpJyoken;

    clsPressure& earth = *(s.DanEarthP = std::make_unique<clsPressure>());
    buildEarthPressure(earth, loads.objSpaWall(1));
    clsPressure& water = *(s.DanWaterP = std::make_unique<clsPressure>());
    buildOuterWater(water, 1, need(wall.TateRwpOut));

    CRcKukei& rc = *(s.DanRc = std::make_unique<CRcKukei>());
    FillDanRc(rc, d);

    // The moment at a level is that of the case-1 pressures above it.
    const MomentAt momentAt = [&](double EL) {
        earth.WL = EL;
        water.WL = EL;
        earth.Calc();
        water.Calc();
        return fin(earth.M() + water.M());
    };
    CalcDanotoshi(rc, WallShape{j.H, j.T1, j.T2, j.T3}, d.objInpZairyo.Ssa, momentAt, s);
}

}  // namespace

bool basCalcTatekabe(const DesignData& d, const LoadSlots& loads, TatekabeSlots& wall,
                     std::vector<RunFault>& faults) {
    return step(faults, "basCalcTatekabe", "たて壁の断面力の計算",
                [&] { calcTatekabe(d, loads, wall); });
}

bool basCalcScTate(const DesignData& d, TatekabeSlots& s, std::vector<RunFault>& faults) {
    return step(faults, "basCalcScTate", "たて壁の応力度照査", [&] {
        const CInpKaburi& k = d.objInpKaburi;
        const CInpHaikin& h = d.objInpHaikin;
        const double T2 = d.objInpJyoken.T2;
        faceCheck(s.TateRc(1), value(s.TateMmax), value(s.TateSmax), T2, k.TateSoto, h.TateSoto,
                  d.objInpZairyo);
        faceCheck(s.TateRc(2), value(s.TateMmin), value(s.TateSmin), T2, k.TateUchi, h.TateUchi,
                  d.objInpZairyo);
    });
}

bool basCalcTeiban(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                   TeibanSlots& slab, std::vector<RunFault>& faults) {
    return step(faults, "basCalcTeiban", "底版の断面力の計算",
                [&] { calcTeiban(d, loads, wall, slab); });
}

bool basCalcScTeiban(const DesignData& d, TeibanSlots& s, std::vector<RunFault>& faults) {
    // The lower face takes the end moment at the wall axis and the shear at the inner
    // wall face; the upper face the moment and shear at mid-span.
    return step(faults, "basCalcScTeiban", "底版の応力度照査", [&] {
        const CInpKaburi& k = d.objInpKaburi;
        const CInpHaikin& h = d.objInpHaikin;
        const double T3 = d.objInpJyoken.T3;
        faceCheck(s.TeibanRc(1), s.TeibanMmax(1), s.TeibanSmax(2), T3, k.SokoSita, h.SokoSita,
                  d.objInpZairyo);
        faceCheck(s.TeibanRc(2), s.TeibanMmin(3), s.TeibanSmin(3), T3, k.SokoUe, h.SokoUe,
                  d.objInpZairyo);
    });
}

bool basCalcFooting(const DesignData& d, const LoadSlots& loads, const TeibanSlots& slab,
                    FootingSlots& footing, std::vector<RunFault>& faults) {
    return step(faults, "basCalcFooting", "フーチングの断面力の計算",
                [&] { calcFooting(d, loads, slab, footing); });
}

bool basCalcScFooting(const DesignData& d, FootingSlots& s, std::vector<RunFault>& faults) {
    // The footings share the slab's thickness and covers.
    return step(faults, "basCalcScFooting", "フーチングの応力度照査", [&] {
        const CInpKaburi& k = d.objInpKaburi;
        const CInpHaikin& h = d.objInpHaikin;
        const double T3 = d.objInpJyoken.T3;
        faceCheck(s.FootingRc(1), value(s.FootingMmax), value(s.FootingSpos), T3, k.SokoSita,
                  h.FootingSita, d.objInpZairyo);
        faceCheck(s.FootingRc(2), value(s.FootingMmin), value(s.FootingSneg), T3, k.SokoUe,
                  h.FootingUe, d.objInpZairyo);
    });
}

bool basCalcDanotoshi(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                      DanotoshiSlots& curtailment, std::vector<RunFault>& faults) {
    return step(faults, "basCalcDanotoshi", "段落とし位置の計算",
                [&] { calcDanotoshi(d, loads, wall, curtailment); });
}

}  // namespace nuvra::calc
