// One calculation run: loads and stability, then the member design, into a fresh store.
#pragma once

#include "calc/run/result_store.h"
#include "design/records.h"

namespace nuvra::calc {

/// Empties the store and computes the whole design into it, in a fixed order: loads,
/// wall, slab, footings (only when the channel has them), bar curtailment. A failing step
/// does not stop the later ones. The footing slots of a channel without footings stay
/// empty, whatever an earlier run left. True when every step succeeded and no calculation
/// object other than a section check ended with an error; store.faults names the rest.
/// Never raises.
bool RunCalculation(const DesignData& d, ResultStore& store);

/// Footings exist when the footing length TB exceeds half the slab thickness T3 (rounded
/// to the millimetre) by 0.001 m or more.
bool HasFootings(double TB, double T3);

}  // namespace nuvra::calc
