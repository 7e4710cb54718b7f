// Points of a member with their section forces, and the ordered list of them.
#pragma once

#include <cstdint>

#include "calc/loads/collection.h"

namespace nuvra::calc {

/// One point of a member: position, shear force and bending moment.
struct clsXSM {
    double x = 0;  ///< position, m
    double S = 0;  ///< shear force, kN/m
    double M = 0;  ///< bending moment, kN·m/m
};

/// Ordered points, addressed 1..Count.
class colXSM : public Collection<clsXSM> {
  public:
    /// Creates a point and returns it: appended when Index is 0, otherwise inserted
    /// before (Before = true) or after the point at Index. An Index outside 0..Count
    /// raises ArithmeticFault (invalid argument).
    clsXSM& Add(double x, double S = 0, double M = 0, std::int32_t Index = 0, bool Before = false) {
        return AddItem(clsXSM{x, S, M}, Index, Before);
    }

    /// Removes the point at index 1..Count; false for an index out of range.
    bool Remove(std::int32_t index) {
        if (!Item(index)) return false;
        Collection<clsXSM>::Remove(index);
        return true;
    }
};

}  // namespace nuvra::calc
