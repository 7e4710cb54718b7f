// The slots of the loads, flotation and bearing capacity of one run, filled by CalcLoads
// and read by the member steps.
#pragma once

#include <memory>

#include "calc/loads/bearing.h"
#include "calc/loads/earth_pressure.h"
#include "calc/loads/pressure.h"
#include "calc/loads/slot_types.h"
#include "calc/loads/soil_layers.h"
#include "calc/loads/surcharge.h"
#include "calc/loads/water.h"
#include "calc/loads/weight.h"

namespace nuvra::calc {

struct LoadSlots {
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

    /// True when the slab projects beyond the walls as footings (set by the run).
    bool blnFooting = false;
};

}  // namespace nuvra::calc
