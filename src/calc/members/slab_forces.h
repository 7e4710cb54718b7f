// Loads and section forces of the bottom slab, which spans between the wall axes.
#pragma once

#include <cstdint>

#include "calc/members/xsm.h"

namespace nuvra::calc {

/// Peak of a triangular pressure whose resultant is the vertical force Pv over width B.
class CWp {
  public:
    double Pv = 0;  ///< vertical force, kN/m
    double B = 0;   ///< width, m

    /// WP = 2·Pv/B to 2 decimals. A fault (B = 0) gives WP = 0 and Error non-zero.
    void Calc();

    double WP() const { return WP_; }  ///< peak pressure, kN/m²
    std::int32_t Error() const { return Error_; }

  private:
    double WP_ = 0;
    std::int32_t Error_ = 0;
};

/// Uniform ground reaction under the base: both walls' vertical earth-pressure forces
/// plus the total weight, less the uplift, over the base width.
class CWr {
  public:
    double W = 0;   ///< total weight, kN/m
    double Pv = 0;  ///< vertical earth-pressure force on one wall, kN/m
    double U = 0;   ///< uplift force, kN/m
    double B = 0;   ///< base width, m

    /// WR = (2·Pv + W − U)/B to 2 decimals. A fault gives WR = 0 and Error non-zero.
    void Calc();

    double WR() const { return WR_; }  ///< reaction pressure, kN/m²
    std::int32_t Error() const { return Error_; }

  private:
    double WR_ = 0;
    std::int32_t Error_ = 0;
};

/// Simply supported span under a uniform load WR (upward positive) with the constant
/// end moment Ms that the walls hand over. x is measured from a support.
class CTeibanMS {
  public:
    double Ms = 0;  ///< end moment, kN·m/m
    double WR = 0;  ///< net uniform load, kN/m²
    double bl = 0;  ///< span, m

    /// S and M (2 decimals) at every point of XSM. A fault stops at the point where it
    /// happens; the points before it keep their forces, Error becomes non-zero.
    void Calc();

    colXSM& XSM() { return XSM_; }
    const colXSM& XSM() const { return XSM_; }
    std::int32_t Error() const { return Error_; }

  private:
    colXSM XSM_;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
