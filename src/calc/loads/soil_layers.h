// Soil layers behind a wall, prepared for the earth pressure: split at the groundwater
// level and at extra elevations, each sub-layer with its water depth and pressure, the unit
// weight the earth pressure uses, and a horizontal seismic coefficient.
#pragma once

#include <cstdint>

#include "calc/loads/collection.h"

namespace nuvra::calc {

struct clsKhAddEL {
    double EL = 0;
};

class colKhAddEL : public Collection<clsKhAddEL> {
  public:
    clsKhAddEL& Add(double EL) { return AddItem(clsKhAddEL{EL}); }
};

struct clsKhJiban {
    std::int32_t No = 0;
    double EU = 0;
    double EL = -100;
    double H = 100;
    double Gs1 = 18;  ///< moist unit weight
    double Gs2 = 20;  ///< saturated unit weight
    double Gs3 = 9;   ///< unit weight used for the earth pressure
    double Gs1Hi = 0, Gs2Hi = 0, Gs22Hi = 0;
    double GHj = 0, GHj2 = 0;
    double Gs3Hi = 0, Gs3HU = 0, Gs3HL = 0;
    double HwU = 0, HwL = 0;
    double GwHU = 0, GwHL = 0;
    double KhU = 0, KhL = 0;
};

class colKhJiban : public Collection<clsKhJiban> {
  public:
    /// A layer with EL = EU − H, appended (Index 0) or inserted before/after Index.
    clsKhJiban& Add(std::int32_t No, double EU, double H, double Gs1, double Gs2,
                    std::int32_t Index = 0, bool Before = false);
};

class clsKh {
  public:
    double Kh = 0.15;        ///< design horizontal seismic coefficient
    double Q = 0;            ///< surcharge on the ground surface
    double Gw = 10.1;        ///< unit weight of water for the water pressures
    std::int32_t RWLKh = 0;  ///< 1: the layer whose top is at the water level gets Kh at its top
    double RWL = 0;          ///< groundwater elevation

    /// Seismic-coefficient formula 0, 1 or 2; any other value leaves the formula as it is.
    std::int32_t Siki() const { return Siki_; }
    void setSiki(std::int32_t v) {
        if (v >= 0 && v <= 2) Siki_ = v;
    }

    void Calc();

    colKhAddEL& AddEL() { return AddEL_; }
    const colKhAddEL& AddEL() const { return AddEL_; }
    colKhJiban& Jiban() { return Jiban_; }
    const colKhJiban& Jiban() const { return Jiban_; }
    double GtHi() const { return GtHi_; }
    std::int32_t Error() const { return Error_; }

  private:
    void splitAt(double e);
    void seismicFormula0();
    void seismicFormula2();

    std::int32_t Siki_ = 0;
    colKhAddEL AddEL_;
    colKhJiban Jiban_;
    double GtHi_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
