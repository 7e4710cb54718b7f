// Copies a figure out of the temporary folder under stable names: the layout file and
// its figure files as the report writes them, the layout pointing to the copies.
#pragma once

#include <string>
#include <vector>

namespace nuvra::figures {

/// Writes folder/layout.txt and folder/figure-1.txt, figure-2.txt ... (in the order of
/// the layout): the figure files byte for byte, the layout with only its figure paths
/// replaced. Returns the paths written, layout first. Throws formats::FormatError.
std::vector<std::string> ExportFigureFiles(const std::string& layoutPath,
                                           const std::string& folder);

}  // namespace nuvra::figures
