// The results of one calculation run: every calculation object the run created, slot by
// slot. A run starts from an empty store, so a slot that the run did not reach is empty,
// never a left-over of an earlier design.
#pragma once

#include <vector>

#include "calc/common/run_fault.h"
#include "calc/loads/load_slots.h"
#include "calc/members/curtailment.h"
#include "calc/members/footing_design.h"
#include "calc/members/slab_design.h"
#include "calc/members/wall_design.h"

namespace nuvra::calc {

/// Every slot of one run. The load slots (objWeight ... objQmax, blnFooting) are the
/// base, so they read as store.objWeight; each member step fills its own family, held
/// as a member: wall (TateRwpOut ... TateRc), slab (TeibanL ... TeibanRc), footing
/// (FootingHw ... FootingRc) and curtailment (DanEarthP ... DanHcut).
struct ResultStore : LoadSlots {
    TatekabeSlots wall;
    TeibanSlots slab;
    FootingSlots footing;
    DanotoshiSlots curtailment;

    /// The steps that stopped and the objects that ended with an error, in run order;
    /// empty after a successful run.
    std::vector<RunFault> faults;
};

}  // namespace nuvra::calc
