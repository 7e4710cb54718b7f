// Soft pagination: where each line and figure of the print file lands on the pages.
//
// A page holds 72 rows. A form feed starts a new page; a page that is full continues
// on the next one whatever the print file says, because the writers count table rows
// against the lines left and a print-file page may hold more than 72 lines. A figure
// takes as many rows as its area is tall and moves to the next page when it does not
// fit in what is left of this one.
//
// No page is ever empty: a form feed on an empty page, blank lines at the end of a
// page, and blank lines that would open a page continued by overflow, are dropped.
// Pages begin only when something visible arrives.
#pragma once

namespace nuvra::render {

struct Placement {
    bool newPage = false;  ///< the item begins a page (its first visible item)
    int page = 0;          ///< 0-based page of the item
    int row = 0;           ///< its first row on that page
};

class PageFlow {
  public:
    explicit PageFlow(int rowsPerPage);

    /// State for a replay of one page: its first item will be placed at `row` on it.
    void resumePage(int row);

    void blankLine() { ++pendingBlanks_; }
    void pageBreak();
    /// Places a visible item `rows` tall (1 for a text line; at most rowsPerPage).
    Placement place(int rows);

    /// Pages begun so far.
    int pageCount() const { return page_ + 1; }

  private:
    void beginPage();

    int rowsPerPage_;
    int page_ = -1;  ///< no page yet
    int row_ = 0;
    bool hasContent_ = false;
    bool pendingBreak_ = false;
    int pendingBlanks_ = 0;
};

}  // namespace nuvra::render
