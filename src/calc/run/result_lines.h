// The one-line verdicts of the stability checks, as the results dialog shows them.
#pragma once

#include <string>

#include "calc/loads/bearing.h"
#include "calc/loads/water.h"

namespace nuvra::calc {

/// "Ｆs = 1.35 ≧ Ｆa = 1.1  OK" (" ＜ " and "  OUT" when the check fails).
std::string FlotationLine(const CUkiagari& u);

/// "ｑmax = 45.20 ≦ ｑa = 50  OK" (" ＞ " and "  OUT" when the check fails).
std::string BearingLine(const CQmax& q);

}  // namespace nuvra::calc
