// Section forces of a footing: a cantilever from the outer wall face, x measured from
// its free end (the tip), so the root lies at x = bl.
#pragma once

#include <cstdint>

#include "calc/members/xsm.h"

namespace nuvra::calc {

class CFootingMS {
  public:
    double WR = 0;  ///< uniform net load, kN/m², upward positive
    double WP = 0;  ///< tip peak of the triangular downward load, kN/m²
    double bl = 0;  ///< footing length, m

    /// Rebuilds XSMr and XSMp point by point and sums them into XSM (each part to 2
    /// decimals, the sums unrounded). A fault (bl = 0) stops the loop; points not yet
    /// reached keep their values, Error becomes non-zero.
    void Calc();

    const colXSM& XSMr() const { return XSMr_; }  ///< forces of WR alone
    const colXSM& XSMp() const { return XSMp_; }  ///< forces of the triangular load alone
    colXSM& XSM() { return XSM_; }                ///< the points; their summed forces
    const colXSM& XSM() const { return XSM_; }
    std::int32_t Error() const { return Error_; }

  private:
    colXSM XSMr_, XSMp_, XSM_;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
