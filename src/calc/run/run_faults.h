// What went wrong in a calculation run, named for the engineer: the steps that stopped
// and the calculation objects that ended with an error number. A section check keeps
// its own error in its row (its verdicts are "OUT") and is not listed here, so that the
// results grid still opens and a bad bar can be corrected there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/common/run_fault.h"

namespace nuvra::calc {

struct ResultStore;

/// Every calculation object of the store (section checks excepted) whose Error is not
/// 0, in the order of the run.
std::vector<RunFault> ClassFaults(const ResultStore& s);

/// "自重の計算（ケースⅡ）でエラーが発生しました（objWeight(2)、エラー 6：オーバーフロー）"
std::string RunFaultText(const RunFault& f);

/// The Japanese description of a calculation error number ("0 による除算" ...).
std::string CalcErrorText(std::int32_t error);

}  // namespace nuvra::calc
