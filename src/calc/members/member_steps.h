// The member-design steps of a calculation run, in the order the run calls them: wall
// forces, wall checks, slab forces, slab checks, footing forces and checks (only for a
// channel with footings), bar curtailment.
//
// Each step reads the design records and the slots of the earlier steps it names, fills
// its own slot family and reports success. A step stops at its first fault outside the
// calculation classes (a missing object, an overflow, an unreadable bond-stress text),
// appends it to faults and returns false, leaving what it had assigned; a fault inside a
// class stays in that object's Error. No step raises.
#pragma once

#include <vector>

#include "calc/common/run_fault.h"
#include "calc/loads/load_slots.h"
#include "calc/members/curtailment.h"
#include "calc/members/footing_design.h"
#include "calc/members/slab_design.h"
#include "calc/members/wall_design.h"
#include "design/records.h"

namespace nuvra::calc {

/// Water-pressure objects, pressure distributions and section forces of the wall.
bool basCalcTatekabe(const DesignData& d, const LoadSlots& loads, TatekabeSlots& wall,
                     std::vector<RunFault>& faults);

/// The outer-face and inner-face checks of the wall (TateRc).
bool basCalcScTate(const DesignData& d, TatekabeSlots& wall, std::vector<RunFault>& faults);

/// Loads and section forces of the bottom slab.
bool basCalcTeiban(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                   TeibanSlots& slab, std::vector<RunFault>& faults);

/// The lower-face and upper-face checks of the slab (TeibanRc).
bool basCalcScTeiban(const DesignData& d, TeibanSlots& slab, std::vector<RunFault>& faults);

/// Loads and section forces of the footings.
bool basCalcFooting(const DesignData& d, const LoadSlots& loads, const TeibanSlots& slab,
                    FootingSlots& footing, std::vector<RunFault>& faults);

/// The lower-face and upper-face checks of the footings (FootingRc).
bool basCalcScFooting(const DesignData& d, FootingSlots& footing, std::vector<RunFault>& faults);

/// Curtailment of the outer wall bars: stress trace and cut-off heights.
bool basCalcDanotoshi(const DesignData& d, const LoadSlots& loads, const TatekabeSlots& wall,
                      DanotoshiSlots& curtailment, std::vector<RunFault>& faults);

}  // namespace nuvra::calc
