// The three member-design cases and their envelopes.
//   1: earth pressure and residual groundwater from outside, channel empty
//   2: internal water only
//   3: earth pressure and internal water
#pragma once

#include <cstdint>

namespace nuvra::calc {

/// Whether case c (1..3) enters the member checks under the case selection Kento:
/// 1 leaves out case 2, 2 leaves out case 3, 3 keeps all.
inline bool CaseChecked(std::int32_t Kento, int c) {
    return !((Kento == 1 && c == 2) || (Kento == 2 && c == 3));
}

/// Largest and smallest value over the cases, starting from 0, so that max >= 0 >= min.
struct Envelope {
    double max = 0;
    double min = 0;
    void take(double v) {
        if (v > max) max = v;
        if (v < min) min = v;
    }
};

}  // namespace nuvra::calc
