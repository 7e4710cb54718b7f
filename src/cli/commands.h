// The subcommands of nuvra-cli. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

#include "calc/run/result_store.h"

namespace nuvra {
struct DesignData;
}

namespace nuvra::cli {

/// Exit status of every command: 0 success; 1 the calculation, a chapter, a figure or the
/// writing of a result failed; 2 the design, a file named on the command line or the
/// arguments cannot be used.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUnusable = 2;

int cmdNew(const std::vector<std::string>& args);
int cmdConvert(const std::vector<std::string>& args);
int cmdShow(const std::vector<std::string>& args);

/// Prints a Japanese failure message with its code to standard error.
void printError(const std::string& message);

/// "計算の途中でエラーが発生しました。<consequence>" and one line per fault of the run,
/// naming the step or object and its error, on standard error.
void printRunFailure(const calc::ResultStore& store, const std::string& consequence);

/// "nuvra-cli: <what is wrong>" and then the usage, on standard error.
void printArgumentError(const std::string& what, const std::string& usage);

/// Whether `path` names a regular file that can be read; otherwise prints why ("<what>が
///見つかりません: path", a folder, a device or pipe, too large) and returns false.
bool checkReadableFile(const std::string& path, const std::string& what);

/// Opens a design as the desktop program does; on failure prints the messages it would
/// show (and the reader's detail) and returns false.
bool openDesign(DesignData& d, const std::string& path);

/// The folder of this program, which holds the template and the style files (and the viewer).
std::string programFolder();

}  // namespace nuvra::cli
