// A figure layout file: the area a figure takes on the page and the figure files drawn
// in it.
//
//   line 1   title
//   line 2   area width and height in millimetres
//   then, per figure file: a line with its path, a line with its x and y offsets (mm,
//   added to the figure's coordinates to place it in the area; the area's origin is
//   its lower-left corner, y upward)
//   "END"
// Numbers are separated by blanks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::formats {

struct SubFigureRef {
    std::string path;  ///< UTF-8, resolved against the layout file's folder
    double offsetX = 0, offsetY = 0;
};

struct FigureLayout {
    std::string title;
    double width = 0, height = 0;
    std::vector<SubFigureRef> figures;
};

/// The drawn extent of one figure file, in its own coordinates (mm, y upward).
struct DrawingExtent {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

/// Where a layout's figures are drawn in its area: an area coordinate a (the figure's
/// coordinate plus its offset) is drawn at a * scale + shift.
struct AreaFit {
    double scale = 1.0, shiftX = 0.0, shiftY = 0.0;
};

/// A layout whose figures, placed by their offsets, run past its area (a section with
/// tall dimension rows, say) is shrunk about the area's centre and moved back inside,
/// so that nothing is cut at the area's edge; one that fits is drawn as placed.
/// `drawings` holds the extent of each figure that can be drawn, paired with its entry
/// of layout.figures by index; std::nullopt for one that cannot.
AreaFit fitIntoArea(const FigureLayout& layout,
                    const std::vector<std::optional<DrawingExtent>>& drawings);

/// Parses a layout file given as its CP932 bytes; relative figure paths are taken from
/// `baseFolder`. On a malformed file returns false with the reason in `error`.
bool parseFigureLayout(std::string_view bytes, const std::string& baseFolder, FigureLayout& layout,
                       std::string& error);

/// Reads and parses; `error` names the file.
bool readFigureLayout(const std::string& path, FigureLayout& layout, std::string& error);

/// The strict reading of the core: the same parse, a faulty file throws FormatError.
FigureLayout ReadFigureLayout(const std::string& path);

/// The file's bytes (CP932, CR LF): the numbers of a line in 14-column zones, each
/// figure's path as given. Throws FormatError for a size or offset that is not finite
/// and for a text that code page 932 cannot hold.
std::string FigureLayoutBytes(const FigureLayout& layout);

/// A path as written in a file, made usable here: relative paths are taken from
/// baseFolder, and a path that does not exist as written but does with "/" for "\" is
/// taken in that form.
std::string resolveFilePath(const std::string& path, const std::string& baseFolder);

/// How a print or layout file at `referrer` names the file `target`: by its full path,
/// or, when that path has a character code page 932 cannot hold and both files share a
/// folder, by the file name alone (the viewer looks beside the referring file).
std::string FileReference(const std::string& target, const std::string& referrer);

/// The folder part of a path ("." when there is none).
std::string folderOf(const std::string& path);

}  // namespace nuvra::formats
