// The few conversions of numbers to text. Everything that writes a number into a file,
// a report, a figure, a dialog or a message goes through one of these.
#pragma once

#include <string>
#include <string_view>

namespace nuvra {

/// The decimal text of |x| with at most 15 significant digits, as C's "%.15g"
/// (exponent form "1e-05" below 1e-4 and from 1e15 on). Sign included for negatives.
std::string shortest15(double x);

/// General number form of the input and layout files: at most 15 significant digits,
/// no zero before the point (".3", "-.25"), exponent "1E-05"/"1.5E+15", -0.0 as "0".
std::string generalNumber(double x);

/// The number as an item of the input file: a blank (value >= 0) or "-" (negative),
/// the general form of |x|, one trailing blank: " 2 ", " .3 ", "-.25 ".
std::string inputFileNumber(double x);

/// Decimal text with its leading zero, at most 15 significant digits: "1.5", "0.75".
/// Used for the text-held allowable bond stress.
std::string decimalText(double x);

/// Shortest text that reads back to the same double (JSON). Non-finite -> "null".
std::string roundTripNumber(double x);

/// Picture formatting: "0" digit always shown, "#" digit shown when significant,
/// "." decimal point (always shown), "," grouping by three among integer digits,
/// ";" separates the pattern for negative values, "\x" makes x literal, every other
/// character is literal. Rounds half away from zero on the 15-significant-digit text.
/// The section is chosen by the sign of the value before rounding.
std::string formatPicture(double x, std::string_view pattern);

/// The report writer's form of a number field: "+" pattern prefix puts "+" before
/// non-negative values, "\" prefix keeps a literal backslash; padded with blanks in
/// front to the pattern's length.
std::string formatField(double x, std::string_view pattern);

/// Error code as shown in messages: "（ｴﾗｰｺｰﾄﾞ ： " + code in "##,##0）".
std::string errorCodeSuffix(long code);

}  // namespace nuvra
