// Loads and section forces of the footings for the three design cases: root moment
// and the shear at the shear section, enveloped per face.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "calc/loads/slot_types.h"
#include "calc/members/footing_forces.h"
#include "calc/members/rc_section.h"

namespace nuvra::calc {

/// What the footing forces are computed from. Optional values come from objects of
/// earlier steps; an empty one is a missing object and a fault where it is read.
struct FootingInputs {
    double H = 0, T3 = 0, TB = 0, HW = 0;  ///< section and groundwater level, m
    std::int32_t Kento = 3;
    double Gs = 0, Gt = 0;                    ///< soil unit weights (wet, saturated), kN/m³
    std::optional<double> Pv1, Pv3;           ///< vertical earth force on a wall, cases 1, 3
    double TeibanWs = 0;                      ///< slab self weight, kN/m²
    double TeibanU = 0;                       ///< uplift pressure, kN/m²
    std::array<std::optional<double>, 3> WR;  ///< slab ground reaction of case c, kN/m²
};

/// The footing's result slots, filled in the order of the calculation; a run without
/// footings leaves them all empty.
struct FootingSlots {
    NumberSlot FootingHw;                            ///< groundwater height above the slab top, m
    NumberSlot FootingHd;                            ///< soil height above that water, m
    NumberArray<3> FootingWs, FootingWr, FootingWp;  ///< per case, kN/m²
    PerCase<CFootingMS> FootingMS;
    NumberSlot FootingMmax, FootingMmin;  ///< root moments, max >= 0 >= min
    NumberSlot FootingSpos, FootingSneg;  ///< design shears of the lower, upper face
    PerFace<CRcKukei> FootingRc;          ///< 1 lower face, 2 upper face
};

/// Distance of the shear section from the root: half the slab thickness (3 decimals),
/// or 0 when that reaches the footing length.
double FootingShearOffset(double T3, double TB);

/// Computes every slot of s from in except the section checks. Raises ArithmeticFault on a fault
/// outside the calculation classes (TB = 0, a missing object), leaving s filled up to that point.
void CalcFootingForces(const FootingInputs& in, FootingSlots& s);

}  // namespace nuvra::calc
