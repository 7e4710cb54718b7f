// Loads and section forces of the bottom slab for the three design cases, and their
// envelopes at the three points of the span (wall axis, inner wall face, mid-span).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "calc/members/slab_forces.h"

namespace nuvra::calc {

/// What the slab forces are computed from. Values read from objects of earlier steps
/// are optional: an empty one stands for an object that does not exist, and reading
/// it is a fault (invalid argument) of the slab step, at the point where it is read.
struct TeibanInputs {
    double H = 0, B = 0, T2 = 0, T3 = 0, TB = 0;  ///< section, m
    std::int32_t Kento = 3;
    double Gw = 0, Gsc = 0;                   ///< unit weights, kN/m³
    std::array<std::optional<double>, 3> W;   ///< total weight of case c (sum row)
    std::array<std::optional<double>, 3> Pv;  ///< vertical earth force on a wall, case c
    std::optional<double> Up;                 ///< uplift force (case 1 only)
    std::optional<double> U;                  ///< uplift pressure
    std::array<double, 3> TateM{};            ///< total wall moment of case c
};

/// The slab's result slots, filled in the order of the calculation; after a fault the
/// slots not yet reached keep their initial state (0, or no object).
struct TeibanSlots {
    double TeibanL = 0;   ///< span, axis to axis of the walls, m
    double TeibanBw = 0;  ///< base width of the ground reaction, m
    double TeibanWw = 0;  ///< internal water load, kN/m²
    double TeibanWs = 0;  ///< self weight of the slab, kN/m²
    std::array<std::unique_ptr<CWp>, 3> TeibanWp;
    std::array<std::unique_ptr<CWr>, 3> TeibanWr;
    double TeibanU = 0;               ///< uplift pressure, kN/m²
    std::array<double, 3> TeibanW{};  ///< net design load per case, kN/m², upward positive
    std::array<std::unique_ptr<CTeibanMS>, 3> TeibanMS;
    std::array<double, 3> TeibanMmax{}, TeibanMmin{};  ///< per point
    std::array<double, 3> TeibanSmax{}, TeibanSmin{};  ///< per point
};

/// Base width of the ground reaction: the full width with footings (TB >= 0.01 within
/// the general tolerance), otherwise the span B + T2.
double TeibanReactionWidth(double B, double T2, double TB);

/// Computes every slot of s from in. Raises ArithmeticFault on a fault outside the
/// calculation classes (their own faults stay in their Error), leaving s filled up to
/// that point.
void CalcTeibanForces(const TeibanInputs& in, TeibanSlots& s);

}  // namespace nuvra::calc
