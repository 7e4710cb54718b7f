// Equivalent uniform surcharge on the backfill from a load on the ground surface behind
// the wall, reduced by a lateral influence factor of its distance relative to the height.
#pragma once

#include <cstdint>

namespace nuvra::calc {

class clsQqw {
  public:
    double H = 0;             ///< height over which the influence is taken (m)
    std::int32_t Keijyo = 0;  ///< 0 load from a distance, 1 uniform load, 2 embankment
    double D1X = 0;           ///< shape 0: distance of the load's edge from the wall back
    double D1Q = 0;           ///< shape 0: load intensity
    double D2m = 0;           ///< shape 1: further parameter, unused
    double D2Q = 0;           ///< shape 1: load intensity
    double D3X1 = 0;          ///< shape 2: distance to the toe of the embankment slope
    double D3X2 = 0;          ///< shape 2: horizontal width of the slope
    double D3Ho = 0;          ///< shape 2: embankment height
    double D3Gs = 0;          ///< shape 2: unit weight of the embankment
    double D3Q = 0;           ///< shape 2: load on the embankment crest

    void Calc();

    double Xq() const { return Xq_; }
    double Xw() const { return Xw_; }
    double XHq() const { return XHq_; }
    double XHw() const { return XHw_; }
    double Iq() const { return Iq_; }
    double Iw() const { return Iw_; }
    double QQ() const { return QQ_; }
    double Qw() const { return Qw_; }
    double Q() const { return Q_; }
    std::int32_t Error() const { return Error_; }

    /// Lateral influence factor of a load at relative distance x (distance / height),
    /// to 3 decimals: 1 at the wall, falling toward 0.
    static double InfluenceFactor(double x);

  private:
    double Xq_ = 0, Xw_ = 0, XHq_ = 0, XHw_ = 0, Iq_ = 0, Iw_ = 0;
    double QQ_ = 0, Qw_ = 0, Q_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
