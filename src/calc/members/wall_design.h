// Pieces of the vertical-wall design that stand apart from the pressure classes: the
// water-pressure segments that load the wall, and how each case combines its parts.
// Elevations in m above the slab underside; the design section lies at mid-depth of
// the slab. Pressure from outside is positive, the internal water enters negative.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "calc/loads/pressure.h"
#include "calc/loads/slot_types.h"
#include "calc/loads/water.h"
#include "calc/members/rc_section.h"

namespace nuvra::calc {

/// One segment of a pressure distribution: top elevation, height, pressure at the top
/// and at the bottom (the arguments of the distribution's segment list).
struct PressureSegment {
    double EU = 0, H = 0, PU = 0, PL = 0;
    bool operator==(const PressureSegment&) const = default;
};

/// Residual groundwater level behind the wall: 0 (none) when HW lies below the design
/// level DL or within 0.001 of it, otherwise HW.
double TateOuterRWL(double HW, double DL);

/// Outer water pressure on the wall for case c (1..3). GL, RWL, LWL, DL, Pw and DH are
/// those of the outer residual-water object. Only case 1 carries groundwater; a case
/// without it gets one pressureless segment from GL down to DL.
std::vector<PressureSegment> TateWaterOutSegments(int c, double GL, double RWL, double LWL,
                                                  double DL, double Pw, double DH);

/// Inner water pressure on the wall for case c (1..3). GLi, RWLi, LWLi (the slab top),
/// Pwi and DH are those of the inner-water object; the water pressure ends at the slab
/// top, and the distribution (its lower end WL = DL, the design level) carries nothing
/// below it. Case 1 has the channel empty.
std::vector<PressureSegment> TateWaterInSegments(int c, double GLi, double RWLi, double LWLi,
                                                 double DL, double Pwi, double DH);

/// Components of case c at the design section: {earth, outer water, inner water, total}.
/// earth, outerWater and innerWater are the moments (or the resultants, for the shear)
/// of that case's three distributions; the case decides which of them load the wall,
/// the inner water with a negative sign, and a case left out by Kento carries nothing.
std::array<double, 4> TateCaseComponents(int c, std::int32_t Kento, double earth, double outerWater,
                                         double innerWater);

/// The wall's result slots. Components of TateM and TateS: 0 earth pressure, 1 outer
/// water, 2 inner water, 3 total.
struct TatekabeSlots {
    std::unique_ptr<CRwp> TateRwpOut;  ///< residual groundwater behind the wall
    std::unique_ptr<CRwp> TateRwpIn;   ///< water in the channel
    PerCase<clsPressure> TateEarthP;
    PerCase<clsPressure> TateWaterOutP;
    PerCase<clsPressure> TateWaterInP;
    CaseTable<4> TateM;             ///< moments at the design section, kN·m/m
    CaseTable<4> TateS;             ///< shears at the design section, kN/m
    NumberSlot TateMmax, TateMmin;  ///< total moment over the cases, max >= 0 >= min
    NumberSlot TateSmax, TateSmin;  ///< the same for the shear
    PerFace<CRcKukei> TateRc;       ///< 1 outer face, 2 inner face
};

}  // namespace nuvra::calc
