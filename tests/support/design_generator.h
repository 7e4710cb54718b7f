// Seeded generator of channel designs for the property tests: mostly designs a user can
// enter through the dialogs, with every option (cases, surcharge or embankment, bearing
// by formula or entered, bar grades, footings, groundwater, inner water), and a share of
// degenerate ones (zeros, range limits, out-of-range and extreme values).
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "design/records.h"

namespace nuvra::test {

class DesignGenerator {
  public:
    explicit DesignGenerator(std::uint64_t seed) : rng_(seed) {}

    /// The next design. Every number is the value of a short decimal text, so that a
    /// design written to an input file reads back equal.
    DesignData next();

    /// Whether the last design was drawn as a degenerate one.
    bool lastWasDegenerate() const { return degenerate_; }

  private:
    double decimal(double lo, double hi, int places);  ///< uniform, rounded to `places`
    double pick(std::initializer_list<double> values);
    bool chance(double p);
    double length(double lo, double hi);  ///< a length in m, two decimals
    /// A value of a field: in range mostly; for degenerate designs, sometimes a limit,
    /// zero, a negative or an extreme value.
    double field(double lo, double hi, int places);

    std::mt19937_64 rng_;
    bool degenerate_ = false;
};

/// The run count of a property: `fallback`, or the number in the environment variable.
int propertyCount(const char* envName, int fallback);

/// The generator seed: 20240601, or NUVRA_PROPERTY_SEED.
std::uint64_t propertySeed();

}  // namespace nuvra::test
