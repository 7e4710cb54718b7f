// The external forces of the three design cases and the two stability checks, computed
// from the design records into the load slots of a run.
#pragma once

#include <vector>

#include "calc/common/run_fault.h"
#include "calc/loads/load_slots.h"
#include "design/records.h"

namespace nuvra::calc::basCalcGairyoku {

/// Self weights, uplift, surcharge, both earth-pressure sets, pressure resultants,
/// flotation and bearing checks, in this order. The classes report their own faults
/// through Error; a fault outside them (a division in the set-up, a missing sum row)
/// stops here with false, appends that fault to faults and leaves what was assigned so
/// far. blnFooting is not set here. Never raises.
bool CalcLoads(const DesignData& d, LoadSlots& loads, std::vector<RunFault>& faults);

}  // namespace nuvra::calc::basCalcGairyoku
