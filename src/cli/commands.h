// The subcommands of nuvra-cli. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace nuvra {
struct DesignData;
}

namespace nuvra::cli {

int cmdNew(const std::vector<std::string>& args);
int cmdConvert(const std::vector<std::string>& args);
int cmdShow(const std::vector<std::string>& args);

/// Prints a Japanese failure message with its code to standard error.
void printError(const std::string& message);

/// Opens a design as the desktop program does; on failure prints the messages it would
/// show (and the reader's detail) and returns false.
bool openDesign(DesignData& d, const std::string& path);

/// The folder of this program, which holds the template and the style files (and the viewer).
std::string programFolder();

}  // namespace nuvra::cli
