// The external forces of the three design cases and the two stability checks, computed
// from the design records into the result store.
#pragma once

#include "calc/loads/result_store.h"
#include "design/records.h"

namespace nuvra::calc::basCalcGairyoku {

/// Self weights, uplift, surcharge, both earth-pressure sets, pressure resultants,
/// flotation and bearing checks, in this order. The classes report their own faults
/// through Error; a fault outside them (a division in the set-up, a missing sum row)
/// stops here with false and leaves what was assigned so far. Never raises.
bool CalcLoads(const DesignData& d, ResultStore& store);

}  // namespace nuvra::calc::basCalcGairyoku
