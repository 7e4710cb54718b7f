// The results of one calculation run: every calculation object the run created, slot by
// slot. A run starts from an empty store, so a slot that the run did not reach is empty,
// never a left-over of an earlier design.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "calc/loads/bearing.h"
#include "calc/loads/earth_pressure.h"
#include "calc/loads/pressure.h"
#include "calc/loads/soil_layers.h"
#include "calc/loads/surcharge.h"
#include "calc/loads/water.h"
#include "calc/loads/weight.h"

namespace nuvra::calc {

/// Number of design cases: 1 flotation, 2 members with internal water, 3 bearing.
inline constexpr std::int32_t kCaseCount = 3;

/// One object slot per design case, addressed by the case number 1..3.
template <class T>
class PerCase {
  public:
    std::unique_ptr<T>& operator()(std::int32_t caseNo) { return slots_.at(index(caseNo)); }
    const std::unique_ptr<T>& operator()(std::int32_t caseNo) const {
        return slots_.at(index(caseNo));
    }
    /// Case 1 first.
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }

  private:
    static std::size_t index(std::int32_t caseNo) {
        if (caseNo < 1 || caseNo > kCaseCount) throw std::out_of_range("design case");
        return static_cast<std::size_t>(caseNo - 1);
    }
    std::array<std::unique_ptr<T>, kCaseCount> slots_;
};

struct ResultStore {
    // --- Loads, flotation and bearing capacity (filled by CalcLoads) ---
    PerCase<clsWeight> objWeight;                      ///< self weight per case
    std::unique_ptr<clsYouatsuryoku> objYouatsuryoku;  ///< uplift under the slab
    std::unique_ptr<clsQqw> objQqw;                    ///< equivalent surcharge
    PerCase<clsKh> objKh;                              ///< layers of the stability set
    PerCase<clsSpa> objSpa;                  ///< earth pressure down to the slab underside
    PerCase<clsKh> objKhWall;                ///< layers of the wall-design set
    PerCase<clsSpa> objSpaWall;              ///< earth pressure down to mid-slab
    PerCase<clsPressure> objPressure;        ///< pressure resultant on one wall
    std::unique_ptr<CUkiagari> objUkiagari;  ///< flotation check
    std::unique_ptr<CNcNrNq> objNcNrNq;      ///< bearing-capacity factors
    std::unique_ptr<CQa> objQa;              ///< allowable bearing capacity
    std::unique_ptr<CQmax> objQmax;          ///< ground reaction check

    /// True when the slab projects beyond the walls as footings.
    bool blnFooting = false;

    // --- Member design -------------------------------------------------------------
    // MEMBER-DESIGN SLOTS GO HERE: wall (TateRwpOut, TateRwpIn, TateEarthP,
    // TateWaterOutP, TateWaterInP, TateM, TateS, TateMmax ... TateRc), slab (TeibanL ...
    // TeibanRc), footing (FootingHw ... FootingRc) and curtailment (DanEarthP ... DanHcut).
    // Each starts empty like the slots above; result_json.cpp writes them (null until
    // then) in the order of the JSON contract.
};

}  // namespace nuvra::calc
