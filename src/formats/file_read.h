// Whole-file reads with a size limit, so a wrong path to a huge file costs nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nuvra::formats {

/// Reads the file when it is at most maxBytes long. Returns 0 or a FileError code;
/// `tooLarge` is set when the file was refused for its size.
std::int32_t readLimitedFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                             bool& tooLarge);

}  // namespace nuvra::formats
