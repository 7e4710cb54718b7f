// The rounding rule of the whole calculation, and the logarithm it uses.
#pragma once

#include <cstdint>

namespace nuvra::calc {

/// Rounds half away from zero to n decimals, deciding on the first cut-off digit of the
/// 15-significant-digit text of |x|·10^n + 0.00001. |x| < 10^-(n+1) gives 0.
/// Raises ArithmeticFault on a non-finite argument or overflow.
double RoundDecimal(double x, std::int32_t n);

/// Rounds to n significant digits (half away from zero). Never raises: x <= 0 or any
/// arithmetic failure returns x unchanged.
double RoundSignificant(double x, std::int32_t n);

/// ln x / ln 10. x <= 0 raises invalid argument.
double Log10(double x);

}  // namespace nuvra::calc
