// The results of one calculation run: every calculation object the run created, slot by
// slot. A run starts from an empty store, so a slot that the run did not reach is empty,
// never a left-over of an earlier design.
#pragma once

#include <memory>
#include <vector>

#include "calc/loads/bearing.h"
#include "calc/loads/earth_pressure.h"
#include "calc/loads/pressure.h"
#include "calc/loads/run_faults.h"
#include "calc/loads/slot_types.h"
#include "calc/loads/soil_layers.h"
#include "calc/loads/surcharge.h"
#include "calc/loads/water.h"
#include "calc/loads/weight.h"
#include "calc/members/curtailment.h"
#include "calc/members/footing_design.h"
#include "calc/members/slab_design.h"
#include "calc/members/wall_design.h"

namespace nuvra::calc {

/// Every slot of one run. The member-design slots are inherited from the slot family
/// of each step, so a step fills its own family through a reference to it.
struct ResultStore : TatekabeSlots, TeibanSlots, FootingSlots, DanotoshiSlots {
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

    /// The steps that stopped and the objects that ended with an error, in run order;
    /// empty after a successful run.
    std::vector<RunFault> faults;

    // The member-design slots come from the slot families of the steps: wall
    // (TateRwpOut ... TateRc), slab (TeibanL ... TeibanRc), footing (FootingHw ...
    // FootingRc) and curtailment (DanEarthP ... DanHcut). Each starts empty like the
    // slots above.
};

}  // namespace nuvra::calc
