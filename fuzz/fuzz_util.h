// Helpers shared by the fuzz targets: a scratch folder for the readers that take a path,
// and a hard stop for properties that must hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nuvra::fuzz {

/// One scratch folder per fuzzing process (in /dev/shm when there is one, so writing
/// the input for each run costs no disk), removed when the process ends normally.
const std::string& ScratchFolder();

/// Writes the bytes to `name` in the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

/// The application folder of the fuzz build (template, settings and style files).
std::string AppFolder();

/// Reports a broken property and aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what, const std::string& detail = {});

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace nuvra::fuzz
