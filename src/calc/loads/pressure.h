// Resultant of a piecewise-linear horizontal pressure on a wall: the segments are clipped
// to the wall's height range, gaps filled with zero pressure, each segment split into a
// rectangle or triangles, and force, moment about the base, lever arm and the vertical
// component for a given inclination summed.
#pragma once

#include <cstdint>

#include "calc/loads/collection.h"

namespace nuvra::calc {

struct clsPressureLoad {
    double EU = 0;  ///< top elevation
    double EL = 0;  ///< bottom elevation
    double H = 0;
    double PU = 0;  ///< pressure at the top
    double PL = 0;  ///< pressure at the bottom
};

class colPressureLoad : public Collection<clsPressureLoad> {
  public:
    /// A segment with EL = EU − H, appended (Index 0) or inserted before/after Index.
    clsPressureLoad& Add(double EU, double H, double PU, double PL, std::int32_t Index = 0,
                         bool Before = false);
};

struct clsPressureDetail {
    std::int32_t Section = 0;  ///< 0 rectangle, 1 triangle wide at the top, 2 wide at the bottom
    double P = 0;              ///< the pressure that defines the part
    double Y = 0;              ///< elevation of the segment's bottom above WL
    double H = 0;
    double Pi = 0;  ///< force
    double Yi = 0;  ///< lever arm above WL
    double Mi = 0;  ///< moment
};

class colPressureDetail : public Collection<clsPressureDetail> {
  public:
    clsPressureDetail& Add(std::int32_t Section, double P, double Y, double H, double Pi, double Yi,
                           double Mi, std::int32_t Index = 0, bool Before = false);
};

class clsPressure {
  public:
    double WU = 0;   ///< top of the range
    double WL = 0;   ///< bottom of the range (moments are taken about it)
    double THT = 0;  ///< inclination of the resultant from the horizontal, degrees

    void Calc();

    colPressureLoad& Qdi() { return Qdi_; }
    const colPressureLoad& Qdi() const { return Qdi_; }
    const colPressureLoad& Qdo() const { return Qdo_; }
    const colPressureDetail& Detail() const { return Detail_; }
    double P() const { return P_; }
    double Pv() const { return Pv_; }
    double M() const { return M_; }
    double Y() const { return Y_; }
    double ELY() const { return ELY_; }
    std::int32_t Error() const { return Error_; }

  private:
    void buildQdo();
    void split(const clsPressureLoad& s);

    colPressureLoad Qdi_;
    colPressureLoad Qdo_;
    colPressureDetail Detail_;
    double P_ = 0, Pv_ = 0, M_ = 0, Y_ = 0, ELY_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
