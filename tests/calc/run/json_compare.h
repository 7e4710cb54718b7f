// Field-by-field comparison of two result documents: numbers within 1e-9 absolute or
// relative, "Error" only as zero against non-zero, texts, Booleans and nulls exactly,
// object keys in the same order.
#pragma once

#include <string>
#include <vector>

#include "json_value.h"

namespace nuvra::test {

struct JsonCompare {
    int values = 0;                  ///< leaves compared
    std::vector<std::string> diffs;  ///< "path: what differs"

    void value(const JsonValue& ours, const JsonValue& ref, const std::string& path);

    /// Every top-level key of ref against the same key of ours; keys of ref that ours
    /// lacks, or keys in another order, count as differences.
    void document(const JsonValue& ours, const JsonValue& ref);

  private:
    void error(const JsonValue& ours, const JsonValue& ref, const std::string& path);
    void diff(const std::string& path, const std::string& what);
};

}  // namespace nuvra::test
