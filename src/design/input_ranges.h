// The closed ranges and number pictures with which the input dialogs accept the numeric
// fields of the design records, for checks made outside the dialogs (series of designs
// computed from the command line). The dialogs' own fields hold the same ranges; a test
// keeps the two in step.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "design/records.h"

namespace nuvra {

struct InputField {
    const char* record;   ///< "Jyoken", "Morido", "Kiso", "Kaburi", "Zairyo"
    const char* name;     ///< the field's name in the record and the input-file docs
    const char* input;    ///< input picture: fixes the decimals that can be entered
    const char* display;  ///< display picture, used in the range message
    double min;
    double max;
    double& (*ref)(DesignData&);
};

/// Every numeric field that a dialog accepts in a closed range (option codes, the title,
/// the bond-stress text and the bars of the results grid excepted).
std::span<const InputField> InputFields();

/// The field named `name`: "H", "Qa", or qualified by its record ("Kiso.Fai",
/// "CInpZairyo.Fai") where a name is used by two records. Empty when the name is unknown
/// or ambiguous.
const InputField* FindInputField(const std::string& name);

/// True when value lies in the field's range (ends included).
bool InRange(const InputField& f, double value);

/// "入力範囲：" + min + " ～ " + max, both in the display picture: the message of a
/// dialog field left with a value outside its range.
std::string RangeMessage(const InputField& f);

/// True when value has no more decimals than the input picture allows (a value the
/// field can take from the keyboard).
bool FitsInputPicture(const InputField& f, double value);

}  // namespace nuvra
