// The number and text arrays a chapter fills before each formatted line.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "report/report_error.h"

namespace nuvra::report {

/// Value arrays indexed from 1, as the chapters use them: element i feeds the i-th
/// field of its kind from the left. Values start at 0 and "" and stay until a chapter
/// overwrites them. Indexing outside the arrays throws ReportError, and so does a
/// template line with more fields than its array holds.
class FieldValues {
  public:
    explicit FieldValues(int numberCount = 20, int textCount = 20)
        : numbers_(static_cast<std::size_t>(numberCount > 0 ? numberCount : 0)),
          texts_(static_cast<std::size_t>(textCount > 0 ? textCount : 0)) {}

    double& n(int i) { return numbers_[index(numbers_.size(), i, "number")]; }
    std::string& t(int i) { return texts_[index(texts_.size(), i, "text")]; }
    double n(int i) const { return numbers_[index(numbers_.size(), i, "number")]; }
    const std::string& t(int i) const { return texts_[index(texts_.size(), i, "text")]; }

    std::span<const double> Numbers() const { return numbers_; }
    std::span<const std::string> Texts() const { return texts_; }

  private:
    static std::size_t index(std::size_t size, int i, const char* what) {
        if (i < 1 || static_cast<std::size_t>(i) > size)
            throw ReportError(std::string(what) + " array index " + std::to_string(i) +
                              " outside 1 to " + std::to_string(size));
        return static_cast<std::size_t>(i - 1);
    }

    std::vector<double> numbers_;
    std::vector<std::string> texts_;
};

}  // namespace nuvra::report
