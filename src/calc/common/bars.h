// Nominal properties of reinforcing bars by nominal diameter (mm).
#pragma once

#include <cstdint>

namespace nuvra::calc {

/// Nominal cross-section area in mm² of a deformed bar; 0 for a diameter not in the table.
double BarArea(std::int32_t d);

/// Nominal perimeter in mm of a deformed bar; 0 for a diameter not in the table.
double BarPerimeter(std::int32_t d);

}  // namespace nuvra::calc
