// Water on the channel: uplift under the slab, the flotation check of the empty channel,
// and the residual water pressure from the difference of two water levels.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra::calc {

/// Uplift pressure of the groundwater on the slab underside and its resultant.
class clsYouatsuryoku {
  public:
    double B = 0, T2 = 0, TB = 0;
    double HW = 0;  ///< groundwater height above the slab underside
    double Gw = 9.8;

    void Calc();

    double UB() const { return UB_; }
    double U() const { return U_; }
    double Up() const { return Up_; }
    std::int32_t Error() const { return Error_; }

  private:
    double UB_ = 0, U_ = 0, Up_ = 0;
    std::int32_t Error_ = 0;
};

/// Safety of the empty channel against flotation.
class CUkiagari {
  public:
    double W = 0;     ///< self weight with backfill
    double Pvo = 0;   ///< vertical earth-pressure component on one wall
    double U = 0;     ///< uplift force
    double Fa = 1.0;  ///< allowable safety factor

    void Calc();

    double Pv() const { return Pv_; }
    double Fs() const { return Fs_; }
    const std::string& Hantei() const { return Hantei_; }
    std::int32_t Error() const { return Error_; }

  private:
    double Pv_ = 0, Fs_ = 0;
    std::string Hantei_ = "OUT";
    std::int32_t Error_ = 0;
};

/// Residual water pressure from a low and a residual water level.
class CRwp {
  public:
    double ELLWL = 0;
    double ELRWL = 0;
    double Gw = 10.1;
    double ELGL = 0;  ///< kept for the callers
    double ELDL = 0;  ///< kept for the callers

    void Calc();

    double DH() const { return DH_; }
    double Pw() const { return Pw_; }
    std::int32_t Error() const { return Error_; }

  private:
    double DH_ = 0, Pw_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
