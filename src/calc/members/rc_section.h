// Allowable-stress check of a singly reinforced rectangular section, one metre wide.
//
// The caller writes the inputs, runs Calc and reads the results. Every member check
// (wall, slab and footing faces, curtailed wall bars) and the results grid use this one
// class; the grid recalculates a section each time its bars change, so Calc is cheap.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra::calc {

/// "OUT" when value exceeds allowable by 0.01 N/mm² or more, otherwise "OK".
const char* Verdict(double value, double allowable);

/// The bar-grade input: 1 plain round bars, 2 and 3 deformed bars. Assigning any other
/// value leaves the grade as it was.
class BarGrade {
  public:
    BarGrade& operator=(std::int32_t v) {
        if (v >= 1 && v <= 3) v_ = v;
        return *this;
    }
    operator std::int32_t() const { return v_; }

  private:
    std::int32_t v_ = 1;
};

class CRcKukei {
  public:
    // Inputs.
    double Md = 0;   ///< design moment, kN·m per metre (magnitude)
    double Sd = 0;   ///< design shear, kN per metre (magnitude)
    double H = 0;    ///< member thickness, mm
    double d1 = 0;   ///< tension face to bar centre, mm
    BarGrade Zai;    ///< bar kind
    double Dia = 0;  ///< bar diameter, mm
    double ctc = 0;  ///< bar spacing, mm
    double Sca = 0;  ///< allowable concrete stress σca, N/mm²
    double Ssa = 0;  ///< allowable steel stress σsa, N/mm²
    double Tca = 0;  ///< allowable shear stress τa, N/mm²
    double Toa = 0;  ///< allowable bond stress τoa, N/mm²
    double N = 15;   ///< modular ratio; Calc resets it to 15, so a written value never counts

    /// Runs the check on the current inputs. Never throws: an arithmetic fault leaves
    /// every result 0, every verdict "OUT" and Error non-zero.
    void Calc();

    /// 0 after a clean Calc, otherwise the number of the fault that ended it.
    std::int32_t Error() const { return Error_; }
    double B() const { return B_; }      ///< section width, mm (always 1000)
    double d() const { return d_; }      ///< effective depth, mm
    double Asi() const { return Asi_; }  ///< tension bar area within B, mm²
    double U() const { return U_; }      ///< tension bar perimeter within B, mm
    double P() const { return P_; }      ///< reinforcement ratio, 6 decimals
    double k() const { return k_; }      ///< neutral-axis ratio, 4 decimals
    double j() const { return j_; }      ///< lever-arm ratio, 4 decimals
    double Sc() const { return Sc_; }    ///< concrete stress σc, N/mm²
    double Ss() const { return Ss_; }    ///< steel stress σs, N/mm²
    double Tc() const { return Tc_; }    ///< shear stress τ, N/mm²
    double T0() const { return T0_; }    ///< bond stress τo, N/mm²
    const std::string& HanteiSc() const { return HanteiSc_; }
    const std::string& HanteiSs() const { return HanteiSs_; }
    const std::string& HanteiTc() const { return HanteiTc_; }
    const std::string& HanteiTo() const { return HanteiTo_; }

  private:
    void compute();
    void fail(std::int32_t code);

    std::int32_t Error_ = 0;
    double B_ = 1000;
    double d_ = 0, Asi_ = 0, U_ = 0, P_ = 0, k_ = 0, j_ = 0;
    double Sc_ = 0, Ss_ = 0, Tc_ = 0, T0_ = 0;
    std::string HanteiSc_ = "OUT", HanteiSs_ = "OUT", HanteiTc_ = "OUT", HanteiTo_ = "OUT";
};

}  // namespace nuvra::calc
