// A readable listing of the six design records (UTF-8), for the command line.
#pragma once

#include <string>

#include "design/records.h"

namespace nuvra {

/// One line per field: record heading, then "  symbol  value  unit  meaning".
std::string describeDesign(const DesignData& d);

}  // namespace nuvra
