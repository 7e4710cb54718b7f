// The designs the member-chapter tests run on: the reference designs of tests/vectors and
// the examples, loaded and calculated.
#pragma once

#include <string>
#include <vector>

#include "chapter_rig.h"

namespace nuvra::report::test {

/// Loads a design file (tests/vectors/vec-NN.nvr or examples/NAME.nvr, given relative to
/// the repository) and runs its calculation. Fails the test when the file does not load.
Design LoadDesign(const std::string& relPath);

/// Every design of examples/ and tests/vectors/ (repository-relative paths).
std::vector<std::string> AllDesignFiles();

/// Values of a trace line, each a field's text without its blanks.
std::vector<std::string> V(std::initializer_list<const char*> values);

}  // namespace nuvra::report::test
