// Curtailment of the outer wall bars: where half of them may be cut, and the steel
// stress of the remaining half along the wall for the stress diagram.
//
// Heights are measured from the design level of the wall (mid-depth of the slab);
// elevations EL in m above the slab underside, the wall top at EL = T3 + H. The moment
// at a level comes from the caller (the earth and residual-water pressure above it),
// so everything here runs on explicit inputs.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "calc/loads/pressure.h"
#include "calc/loads/slot_types.h"
#include "calc/members/rc_section.h"

namespace nuvra::calc {

/// Wall dimensions in m: height H above the slab top, thickness T1 at the top and T2
/// at the slab top, slab thickness T3.
struct WallShape {
    double H = 0, T1 = 0, T2 = 0, T3 = 0;
};

/// Moment (kN·m/m) at the level EL of the pressure above it. Called once per
/// evaluation, in the order of the evaluations.
using MomentAt = std::function<double(double EL)>;

/// Wall thickness in mm at elevation EL: linear from T1 at the top to T2 at the slab
/// top, T2 below it; rounded to whole mm. Raises on H = 0.
double WallThicknessAt(const WallShape& w, double EL);

/// One evaluation of the remaining bars at EL: thickness and moment into rc, then Calc.
/// A given Ssa is written after the moment, before Calc.
void EvaluateAt(CRcKukei& rc, const WallShape& w, double EL, const MomentAt& momentAt,
                const double* Ssa = nullptr);

/// Halvings before a bisection gives up. Halving two finite doubles reaches an interval
/// below 0.001 m (or collapses onto one number) in fewer than 1100 steps, and a
/// non-finite level faults in the thickness before that, so this only guards the loop.
inline constexpr int kMaxBisections = 2000;

/// The lowest level (EL) at which the remaining bars satisfy σs <= Ssa: the design
/// level when they do there, otherwise the bisection between the design level and the
/// wall top, ended once the interval is below 0.001 m. Leaves rc at its last evaluation.
/// Raises ArithmeticFault on a fault outside rc, and (invalid argument) should the
/// bisection not end within kMaxBisections.
double FindCutLevel(CRcKukei& rc, const WallShape& w, double Ssa, const MomentAt& momentAt);

/// The curtailment slots, filled in the order of the calculation.
struct DanotoshiSlots {
    std::unique_ptr<clsPressure> DanEarthP;  ///< earth pressure of case 1 above a level
    std::unique_ptr<clsPressure> DanWaterP;  ///< residual groundwater of case 1 above it
    std::unique_ptr<CRcKukei> DanRc;         ///< the remaining outer bars
    NumberArray<21, 0> DanHeight;            ///< mm, point 0 at the wall top
    NumberArray<21, 0> DanSs;                ///< N/mm²
    NumberSlot DanH1;                        ///< theoretical cut-off height, mm
    NumberSlot DanD;                         ///< effective depth there, mm
    NumberSlot DanLa;                        ///< anchorage length, mm
    NumberSlot DanDLa;                       ///< DanD + DanLa
    NumberSlot DanL1;                        ///< DanH1 + DanDLa
    NumberSlot DanH2;                        ///< height where σs <= σsa/2, mm
    NumberSlot DanHcut;                      ///< adopted cut-off height, mm
};

/// Steel stress of the remaining bars at 21 levels from the wall top (point 0) down to
/// the design level (point 20).
void TraceSteelStress(CRcKukei& rc, const WallShape& w, const MomentAt& momentAt,
                      DanotoshiSlots& s);

/// The whole curtailment on the prepared section rc of the remaining bars (inputs set,
/// every second bar cut): the stress trace, the search against Ssa, the lengths, the
/// search against Ssa/2. Raises ArithmeticFault on a fault outside rc, leaving s
/// filled up to that point; rc ends at its last evaluation.
void CalcDanotoshi(CRcKukei& rc, const WallShape& w, double Ssa, const MomentAt& momentAt,
                   DanotoshiSlots& s);

}  // namespace nuvra::calc
