// The member-design steps of a calculation run, in the order the run calls them: wall
// forces, wall checks, slab forces, slab checks, footing forces and checks (only for a
// channel with footings), bar curtailment.
//
// Each step reads the design records and the slots of the earlier steps, fills its own
// slots and reports success. A step stops at its first fault outside the calculation
// classes (a missing object, an overflow, an unreadable bond-stress text) and returns
// false, leaving what it had assigned; a fault inside a class stays in that object's
// Error. No step raises.
#pragma once

#include "calc/loads/result_store.h"
#include "design/records.h"

namespace nuvra::calc {

/// Water-pressure objects, pressure distributions and section forces of the wall.
bool basCalcTatekabe(const DesignData& d, ResultStore& store);

/// The outer-face and inner-face checks of the wall (TateRc).
bool basCalcScTate(const DesignData& d, ResultStore& store);

/// Loads and section forces of the bottom slab.
bool basCalcTeiban(const DesignData& d, ResultStore& store);

/// The lower-face and upper-face checks of the slab (TeibanRc).
bool basCalcScTeiban(const DesignData& d, ResultStore& store);

/// Loads and section forces of the footings.
bool basCalcFooting(const DesignData& d, ResultStore& store);

/// The lower-face and upper-face checks of the footings (FootingRc).
bool basCalcScFooting(const DesignData& d, ResultStore& store);

/// Curtailment of the outer wall bars: stress trace and cut-off heights.
bool basCalcDanotoshi(const DesignData& d, ResultStore& store);

}  // namespace nuvra::calc
