// Cross-field rules and proposals of the input dialogs, as pure functions.
#pragma once

#include <cstdint>

namespace nuvra {

/// Message of the design-conditions consistency rule (ends with one blank).
inline constexpr const char* kMsgHWiOutOfRange =
    "内水位高HWiが許容範囲外です。ハンチ(T4)≦(HWi)≦内空高(H) ";

/// T4 <= HWi <= H, compared in hundredths rounded half to even.
bool checkInnerWaterRule(double H, double T4, double HWi);

/// Concrete allowables proposed from the design strength σck.
struct ConcreteAllowables {
    double Sca;
    double Ta;
    double Toa;
    double Ec;
};

/// The proposal for σck (rounded to an integer, ties to even); τoa halved for
/// plain bars (Zai = 1).
ConcreteAllowables proposeAllowables(double Sck, std::int32_t Zai);

/// The allowable bond stress τoa proposed for σck and the bar grade.
double proposeToa(double Sck, std::int32_t Zai);

/// σsa proposed for a bar grade: 137 (SR235), 176 (SD295), 196 (SD345); 0 for others.
double proposeSsa(std::int32_t Zai);

/// Double -> integer with ties to even, saturating at the 32-bit range.
std::int32_t roundHalfEven(double x);

}  // namespace nuvra
