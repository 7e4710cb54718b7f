// Filling a face check from the design records, as every member step does.
#pragma once

#include <string>

#include "calc/members/rc_section.h"
#include "design/records.h"

namespace nuvra::calc {

/// The number held in the allowable-bond-stress text ("1.5", "0.75"). Blanks around it
/// are allowed; a text that is not a finite number raises ArithmeticFault (invalid
/// argument), which fails the calling step.
double ToaNumber(const std::string& text);

/// Writes Md, Sd, H (mm), d1 (mm), the bar grade, the bars and the allowables into rc,
/// in this order, and runs Calc. Only the Toa conversion can raise (see ToaNumber); rc
/// then keeps the inputs written before it and has not been calculated.
void FillSectionCheck(CRcKukei& rc, double Md, double Sd, double H, double d1,
                      const CInpHaikinS& bars, const CInpZairyo& z);

/// The section of the outer wall bars that remain above the cut-off (every second bar
/// cut, so twice the spacing), at the root thickness and without forces, calculated.
void FillDanRc(CRcKukei& rc, const DesignData& d);

}  // namespace nuvra::calc
