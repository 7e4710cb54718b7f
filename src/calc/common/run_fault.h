// One fault of a calculation run, as a step records it when it stops: the steps of the
// loads and of the members append to a list the run passes them.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra::calc {

/// One fault of a run. slot is the result-store name ("objWeight(2)", "basCalcTeiban"
/// for a step), what the Japanese name of the calculation, error its error number.
struct RunFault {
    std::string slot;
    std::string what;
    std::int32_t error = 0;

    bool operator==(const RunFault&) const = default;
};

/// The error number of the exception being handled, for a catch (...) block: an
/// arithmetic fault's own number, 5 (invalid argument) for anything else (an object an
/// earlier step never created, an allocation failure).
std::int32_t CurrentFaultNumber() noexcept;

}  // namespace nuvra::calc
