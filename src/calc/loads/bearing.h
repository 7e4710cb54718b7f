// Bearing capacity of the foundation ground: the bearing-capacity factors by table, the
// allowable bearing capacity by formula, and the maximum ground reaction against it.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra::calc {

/// Bearing-capacity factors for an internal friction angle, interpolated in the
/// logarithm of the tabulated factors.
class CNcNrNq {
  public:
    double Fai = 0;  ///< degrees

    void Calc();

    double Nc() const { return Nc_; }
    double Nr() const { return Nr_; }
    double Nq() const { return Nq_; }
    std::int32_t Error() const { return Error_; }

  private:
    double Nc_ = 0, Nr_ = 0, Nq_ = 0;
    std::int32_t Error_ = 0;
};

/// Allowable bearing capacity, safety factor 3.
class CQa {
  public:
    double B = 0;   ///< width of the base
    double C = 0;   ///< cohesion below the base
    double G1 = 0;  ///< unit weight below the base
    double G2 = 0;  ///< unit weight above the base level
    double Df = 0;  ///< embedment depth
    double Nc = 0, Nr = 0, Nq = 0;

    void Calc();

    double Alpha() const { return Alpha_; }
    double Beta() const { return Beta_; }
    double Qa() const { return Qa_; }
    std::int32_t Error() const { return Error_; }

  private:
    double Alpha_ = 0, Beta_ = 0, Qa_ = 0;
    std::int32_t Error_ = 0;
};

/// Maximum ground reaction of the bearing case, uniform over the base.
class CQmax {
  public:
    double W = 0;   ///< self weight of the bearing case
    double Pv = 0;  ///< vertical earth-pressure component on one wall
    double B = 0, T2 = 0, TB = 0;
    double Qa = 0;  ///< allowable bearing capacity

    void Calc();

    double Qmax() const { return Qmax_; }
    const std::string& Hantei() const { return Hantei_; }
    std::int32_t Error() const { return Error_; }

  private:
    double Qmax_ = 0;
    std::string Hantei_ = "OUT";
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
