// The sample files of tests/render/data, kept as UTF-8 with LF so that they can be
// read and reviewed, written out for a test as the writers write them: CP932 with
// CR LF, "<FF>" standing for a form feed.
#pragma once

#include <string>

namespace nuvra::render::test {

/// The bytes of a print or figure file for a UTF-8 text.
std::string fileBytes(const std::string& utf8);

/// Writes every sample file into `dir` (the report as report.prn). Throws when a file
/// cannot be converted.
void writeSampleFiles(const std::string& dir);

/// Writes one UTF-8 text as a CP932 CR LF file.
void writeTextFile(const std::string& path, const std::string& utf8);

}  // namespace nuvra::render::test
