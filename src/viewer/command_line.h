// The viewer's command line.
//
//   ospex /INI=<folder> <print-file>        preview window
//   ospex [/INI=<folder>] --pdf OUT <print-file>   write a PDF, no window
//
// The print menu passes the folder in double quotes and the print file unquoted; a
// caller that split the command line at blanks still gets a folder or print file with
// blanks back whole.
#pragma once

#include <string>
#include <vector>

namespace nuvra::viewer {

struct ViewerArgs {
    std::string iniFolder;  ///< where the viewer keeps its window settings; may be empty
    std::string printFile;
    std::string pdfOut;  ///< --pdf target; empty for the window
    bool help = false;
    std::string error;  ///< set when the command line cannot be used
};

/// Parses the arguments after the program name.
ViewerArgs parseViewerArgs(const std::vector<std::string>& args);

/// The usage text.
const char* viewerUsage();

}  // namespace nuvra::viewer
