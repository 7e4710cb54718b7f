// Pieces the chapter writers share: row and case labels, figure references, and tables
// printed in chunks over pages.
#pragma once

#include <functional>
#include <string>

#include "report/chapters/chapter_context.h"
#include "report/report_writer.h"

namespace nuvra::report {

/// A table lists at most this many rows (they are labelled ① to ⑳).
inline constexpr int kMaxTableRows = 20;

/// "①" to "⑳" for rows 1 to 20; throws ReportError for any other row.
std::string RowLabel(int row);

/// "ケースⅠ", "ケースⅡ", "ケースⅢ" for design cases 1 to 3.
std::string CaseLabel(int caseNo);

/// A figure reference to the layout file `path`, or nothing when the figure failed
/// (empty path).
void PrintFigure(ReportWriter& w, const std::string& path, bool indent = false);

/// How one table is printed. The row callback prints row i (1-based) with its own
/// lines; the other callbacks print the table's fixed lines.
struct TableLines {
    int FollowPageMargin = 0;  ///< lines of a following page that a chunk leaves free
    std::function<void()> Header;
    std::function<void(int row)> Row;
    std::function<void()> Separator;
    std::function<void()> ClosingContinued;
    std::function<void()> ClosingFinal;
};

/// Prints a table of `rows` rows in chunks over pages. The lines left on the page are
/// measured before the header; the first chunk takes every row when they fit in two
/// lines more than are left, otherwise as many rows as lines are left; each following
/// chunk, after a new page and the header again, likewise with the lines of a page less
/// FollowPageMargin. Rows of a chunk are parted by the separator; a chunk ends with the
/// continued closing, the last one with the final closing. A table without rows prints
/// its header only. More than 20 rows throw ReportError.
void PrintChunkedTable(ReportWriter& w, int rows, const TableLines& t);

/// The same table in one piece: when its rows do not fit (two lines of slack), a page
/// break comes between the header and the rows. The final closing follows.
void PrintUnsplitTable(ReportWriter& w, int rows, const TableLines& t);

}  // namespace nuvra::report
