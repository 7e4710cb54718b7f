// A print file made ready for painting: paged once, then read back page by page.
//
// open() streams the whole print file once and keeps only where each page begins (a
// file offset, a line number and a row), plus the area of every figure layout it
// meets. page() reads one page back from the file. So a report of any length costs a
// few bytes per page of memory, and the viewer lays out only the pages it shows.
//
// The print menu deletes the print and figure files when it closes, which may be while
// the report is still shown. So the document keeps the print file open (its contents
// stay readable after the file is deleted) and keeps the figures it read while paging,
// up to a budget; only figures beyond the budget are read again when painted.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/figure_file.h"
#include "formats/figure_layout.h"
#include "formats/print_file.h"
#include "formats/style_files.h"
#include "render/page_flow.h"
#include "render/page_geometry.h"

namespace nuvra::render {

struct RenderOptions {
    /// Folder of LINE_PRN.DEF, STR_PRN.DEF and Nuvra.INI (the application folder).
    std::string appFolder;
    /// Margins in whole millimetres instead of those of Nuvra.INI.
    std::optional<int> marginTopMm;
    std::optional<int> marginLeftMm;
};

/// Where a figure goes on the paper (mm from the top-left corner of the paper).
struct FigureBox {
    double x = 0, y = 0, width = 0, height = 0;
    double scale = 1.0;  ///< the figure is drawn smaller when its area does not fit
    int rows = 1;        ///< rows it takes in the page's flow
    /// Height of the band under the area that carries the figure's title (0: none);
    /// it takes the row after the figure as a blank line would.
    double captionMm = 0;
};

struct PlacedLine {
    int row = 0;
    formats::PrintLine line;
};

/// A figure's layout file and its figure files, as read.
struct LoadedFigure {
    formats::FigureLayout layout;
    std::vector<formats::FigureFile> files;  ///< one per entry of layout.figures
    std::vector<std::string> errors;         ///< empty text where the file was read
};

struct PlacedFigure {
    int row = 0;
    FigureBox box;
    std::string layoutPath;  ///< resolved path of the layout file
    std::string problem;     ///< set when the figure cannot be drawn: a note goes there
    long lineNumber = 0;
    /// The files as read while paging; null when they are to be read again.
    std::shared_ptr<const LoadedFigure> loaded;
};

/// A chapter or section heading of the report and where it lands.
struct Heading {
    int level = 1;     ///< 1 chapter ("?R1"), 2 section ("?R2")
    std::string text;  ///< UTF-8, with its number, without the marker and outer blanks
    int page = 0;      ///< 0-based
    int row = 0;
};

struct Page {
    int index = 0;  ///< 0-based; the printed page number is index + 1
    std::vector<PlacedLine> lines;
    std::vector<PlacedFigure> figures;
};

class ReportDocument {
  public:
    ReportDocument();
    ~ReportDocument();
    ReportDocument(ReportDocument&&) noexcept;
    ReportDocument& operator=(ReportDocument&&) noexcept;

    /// Reads the style files and the margins, and pages the print file. False with a
    /// message when the print file cannot be shown at all (missing, unreadable, not a
    /// text file).
    bool open(const std::string& printFile, const RenderOptions& options, std::string& error);

    /// Number of pages; an empty print file still has one (empty) page.
    int pageCount() const { return starts_.empty() ? 1 : static_cast<int>(starts_.size()); }

    /// Reads page `index` back from the file. False with a message when the file can no
    /// longer be read or was rewritten since it was paged.
    bool page(int index, Page& page, std::string& error) const;

    /// Chapter and section headings in report order (at most kMaxHeadings).
    const std::vector<Heading>& headings() const { return headings_; }
    static constexpr std::size_t kMaxHeadings = 10'000;
    /// The design's title as the report names it ("件名：..." near its start); empty
    /// when the report has none.
    const std::string& title() const { return title_; }

    const PageGeometry& geometry() const { return geometry_; }
    const formats::StyleTables& styles() const { return styles_; }
    const std::string& path() const { return path_; }

    /// What was found wrong while paging: lines, figures, style files. Each message says
    /// where. At most kMaxWarnings are kept; warningCount() counts all.
    const std::vector<std::string>& warnings() const { return warnings_; }
    std::size_t warningCount() const { return warningCount_; }
    static constexpr std::size_t kMaxWarnings = 200;
    /// Figure elements (points, segments, texts ...) kept in memory at most.
    static constexpr std::size_t kKeptFigureElements = 2'000'000;

  private:
    struct PageStart {
        std::uint64_t offset = 0;
        long line = 1;
        int row = 0;
    };
    struct FigureArea {
        bool ok = false;
        double width = 0, height = 0;
        std::string title;                        ///< the layout's title, UTF-8
        std::string problem;                      ///< the layout itself cannot be used
        std::vector<std::string> figureProblems;  ///< figure files that cannot be drawn
        std::shared_ptr<const LoadedFigure> loaded;
    };

    const FigureArea& area(const std::string& layoutPath) const;
    FigureBox boxFor(const FigureArea& a, int column) const;
    PlacedFigure figureFor(const formats::PrintLine& line) const;
    void warn(std::string message);
    void noteOutline(const formats::PrintLine& line, const Placement& p);

    std::string path_;
    std::string folder_;
    PageGeometry geometry_;
    formats::StyleTables styles_;
    std::vector<PageStart> starts_;
    std::vector<Heading> headings_;
    std::string title_;
    mutable std::map<std::string, FigureArea> areas_;
    mutable std::size_t keptElements_ = 0;
    std::unique_ptr<formats::PrintFileReader> reader_;  ///< held open for page()
    formats::PrintFileReader::Stamp stamp_;
    std::vector<std::string> warnings_;
    std::size_t warningCount_ = 0;
};

}  // namespace nuvra::render
