// Short Japanese texts for the problems the lenient readers report.
#pragma once

#include <cstdint>
#include <string>

namespace nuvra::formats {

/// What went wrong with a file, from a FileError code ("ファイルがありません" ...).
std::string fileProblemText(std::int32_t code);

/// The last component of a path, for messages.
std::string fileNameOf(const std::string& path);

}  // namespace nuvra::formats
