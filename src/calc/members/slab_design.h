// Loads and section forces of the bottom slab for the three design cases, and their
// envelopes at the three points of the span (wall axis, inner wall face, mid-span).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "calc/loads/slot_types.h"
#include "calc/members/rc_section.h"
#include "calc/members/slab_forces.h"

namespace nuvra::calc {

/// What the slab forces are computed from. Values read from objects of earlier steps
/// are optional: an empty one stands for an object that does not exist, and reading
/// it is a fault (invalid argument) of the slab step, at the point where it is read.
struct TeibanInputs {
    double B = 0, T2 = 0, T3 = 0, TB = 0;  ///< section, m
    double HWi = 0;                        ///< inner water depth above the slab top, m
    std::int32_t Kento = 3;
    double Gw = 0, Gsc = 0;                   ///< unit weights, kN/m³
    std::array<std::optional<double>, 3> W;   ///< total weight of case c (sum row)
    std::array<std::optional<double>, 3> Pv;  ///< vertical earth force on a wall, case c
    std::optional<double> Up;                 ///< uplift force (case 1 only)
    std::optional<double> U;                  ///< uplift pressure
    std::array<double, 3> TateM{};            ///< total wall moment of case c
};

/// The slab's result slots, filled in the order of the calculation; after a fault the
/// slots not yet reached stay empty.
struct TeibanSlots {
    NumberSlot TeibanL;   ///< span, axis to axis of the walls, m
    NumberSlot TeibanBw;  ///< base width of the ground reaction, m
    NumberSlot TeibanWw;  ///< internal water load, kN/m²
    NumberSlot TeibanWs;  ///< self weight of the slab, kN/m²
    PerCase<CWp> TeibanWp;
    PerCase<CWr> TeibanWr;
    NumberSlot TeibanU;      ///< uplift pressure, kN/m²
    NumberArray<3> TeibanW;  ///< net design load per case, kN/m², upward positive
    PerCase<CTeibanMS> TeibanMS;
    NumberArray<3> TeibanMmax, TeibanMmin;  ///< per point: wall axis, inner face, mid-span
    NumberArray<3> TeibanSmax, TeibanSmin;  ///< per point
    PerFace<CRcKukei> TeibanRc;             ///< 1 lower face, 2 upper face
};

/// Base width of the ground reaction: the full width with footings (TB >= 0.01 within
/// the general tolerance), otherwise the span B + T2.
double TeibanReactionWidth(double B, double T2, double TB);

/// Computes every slot of s from in except the section checks. Raises ArithmeticFault on a fault
/// outside the calculation classes (their own faults stay in their Error), leaving s filled up to
/// that point.
void CalcTeibanForces(const TeibanInputs& in, TeibanSlots& s);

}  // namespace nuvra::calc
