// "Round" axis divisions for the diagrams: a start value, a step of 1, 2 or 5 times a
// power of ten and a number of intervals that together cover a range.
#pragma once

#include <cstdint>

namespace nuvra::figures {

struct AxisDivision {
    std::int16_t n = 0;  ///< number of intervals
    double start = 0;    ///< value at the axis origin
    double step = 0;     ///< value of one interval
};

/// Divides the range [min, max]: start ≤ min and start + n·step ≥ max. The step comes
/// from the leading digit of the larger end (by magnitude), refined so that the axis
/// has roughly 4 to 10 intervals. Loops run literally, by repeated addition, so binary
/// noise shows as it does on paper: (0, 0.7) gives 8 intervals of 0.1 from −0.1.
/// start and step are rounded to 2 decimals. Raises calc::ArithmeticFault on a
/// non-finite value or a range that no finite division covers.
AxisDivision AxisScale(double min, double max);

}  // namespace nuvra::figures
