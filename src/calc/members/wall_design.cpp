#include "calc/members/wall_design.h"

#include "calc/common/arith.h"
#include "calc/members/design_cases.h"

namespace nuvra::calc {

double TateOuterRWL(double HW, double DL) {
    return (HW < DL || nearEq(HW, DL)) ? 0.0 : HW;
}

std::vector<PressureSegment> TateWaterOutSegments(int c, double GL, double RWL, double LWL,
                                                  double DL, double Pw, double DH) {
    std::vector<PressureSegment> s;
    if (c == 1 && DH >= 0.001) {
        if (GL - RWL > 0.001) s.push_back({GL, GL - RWL, 0, 0});
        if (RWL - LWL > 0.001) s.push_back({RWL, RWL - LWL, 0, Pw});
        if (LWL - DL > 0.001) s.push_back({LWL, LWL - DL, Pw, Pw});
    } else {
        s.push_back({GL, GL - DL, 0, 0});
    }
    return s;
}

std::vector<PressureSegment> TateWaterInSegments(int c, double GLi, double RWLi, double LWLi,
                                                 double DL, double Pwi, double DH) {
    std::vector<PressureSegment> s;
    if (c != 1 && DH >= 0.001) {
        // Hydrostatic: 0 at the water level, gamma_w * HWi at the slab top (LWLi). Below
        // the slab top the distribution carries no pressure down to the design level.
        if (GLi - RWLi > 0.001) s.push_back({GLi, GLi - RWLi, 0, 0});
        if (RWLi - LWLi > 0.001) s.push_back({RWLi, RWLi - LWLi, 0, Pwi});
    } else {
        s.push_back({GLi, GLi - DL, 0, 0});
    }
    return s;
}

std::array<double, 4> TateCaseComponents(int c, std::int32_t Kento, double earth, double outerWater,
                                         double innerWater) {
    double e = 0, o = 0, i = 0;
    switch (c) {
        case 1:
            e = earth;
            o = outerWater;
            break;
        case 2:
            i = -innerWater;
            break;
        case 3:
            e = earth;
            i = -innerWater;
            break;
        default:
            break;
    }
    if (!CaseChecked(Kento, c)) e = o = i = 0;
    return {e, o, i, fin(e + o + i)};
}

}  // namespace nuvra::calc
