// Active earth pressure on the back of a wall, layer by layer, with Coulomb's coefficient
// in its seismic form (Mononobe–Okabe). Elevations in m above the slab underside,
// pressures in kN/m², angles in degrees.
#pragma once

#include <cstdint>

#include "calc/loads/collection.h"

namespace nuvra::calc {

struct clsSpJiban {
    // Inputs.
    std::int32_t No = 0;
    double EU = 0;
    double EL = -100;
    double H = 100;
    std::int32_t Kind = 0;  ///< 0 sandy soil, other cohesive soil
    double Gs = 18;
    double Fai = 30;
    double CU = 0, CL = 0;
    double KhU = 0, KhL = 0;
    // Results.
    double GH = 0;
    double GHU = 0, GHL = 0;
    double ZetaU = 0, ZetaL = 0;
    double TU = 0, TL = 0;
    double KaU = 0, KaL = 0;
    double PU = 0, PL = 0;
    double P1U = 0, P1L = 0, P2U = 0, P2L = 0, PaU = 0, PaL = 0;
};

/// The inputs of one layer, for colSpJiban::Add; a field not named is 0.
struct SpJibanInputs {
    std::int32_t No = 0;
    double EU = 0;          ///< top elevation
    double H = 0;           ///< thickness
    std::int32_t Kind = 0;  ///< 0 sandy soil, other cohesive soil
    double Gs = 0;
    double Fai = 0;
    double CU = 0, CL = 0;
    double KhU = 0, KhL = 0;
};

class colSpJiban : public Collection<clsSpJiban> {
  public:
    /// A layer with EL = EU − H, appended (Index 0) or inserted before/after Index.
    clsSpJiban& Add(const SpJibanInputs& layer, std::int32_t Index = 0, bool Before = false);
};

class clsSpa {
  public:
    double Q = 0;       ///< surcharge on the ground surface
    double Beta = 0;    ///< slope of the ground surface
    double Jei = 0;     ///< inclination of the wall back from the vertical
    double Delta = 15;  ///< wall friction angle
    double ELGL = 0;    ///< kept for the readers
    double ELDL = 0;    ///< kept for the readers

    void Calc();

    colSpJiban& Jiban() { return Jiban_; }
    const colSpJiban& Jiban() const { return Jiban_; }
    double Q2() const { return Q2_; }
    std::int32_t Error() const { return Error_; }

    /// Active earth-pressure coefficient; all angles in radians, theta0 the seismic
    /// angle. Returns −1 when the arithmetic fails.
    static double GetKa(double fai, double beta, double theta, double delta, double theta0);

    /// Angle of the failure plane from the horizontal, radians; beta when the
    /// arithmetic fails.
    static double FailureAngle(double fai, double beta, double theta, double delta, double theta0);

  private:
    colSpJiban Jiban_;
    double Q2_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
