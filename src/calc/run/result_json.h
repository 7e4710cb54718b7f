// The result store as one JSON document: the slots in a fixed order, each object with
// every property of its class, null for a slot that the run did not assign.
#pragma once

#include <string>

#include "calc/run/result_store.h"

namespace nuvra::calc {

/// The JSON document of a run: "RunCalculation" (what the run returned), "blnFooting",
/// then every slot of the store.
std::string ResultJson(const ResultStore& store, bool runResult);

}  // namespace nuvra::calc
