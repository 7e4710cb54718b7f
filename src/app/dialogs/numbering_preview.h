// The sample outlines of the heading-numbering dialog: four heading levels of a method,
// each indented by its margin in half-width blanks, then a blank line and the first two
// levels again (a second chapter).
#pragma once

#include <QStringList>
#include <array>

namespace nuvra::app {

/// The seven preview lines of method 0-3 with margins a1-a4 (negative margins count 0).
QStringList marginPreview(int method, const std::array<int, 4>& margins);

/// The preview of the method alone: margins 0, 2, 4 and 8.
QStringList methodPreview(int method);

}  // namespace nuvra::app
