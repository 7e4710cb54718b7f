#include "render/page_flow.h"

#include <algorithm>

namespace nuvra::render {

PageFlow::PageFlow(int rowsPerPage) : rowsPerPage_(rowsPerPage) {}

void PageFlow::resumePage(int row) {
    page_ = 0;
    row_ = row;
    hasContent_ = false;
    pendingBreak_ = false;
    pendingBlanks_ = 0;
}

void PageFlow::pageBreak() {
    if (hasContent_) pendingBreak_ = true;
    pendingBlanks_ = 0;
}

void PageFlow::beginPage() {
    ++page_;
    row_ = 0;
    hasContent_ = false;
}

Placement PageFlow::place(int rows) {
    rows = std::clamp(rows, 1, rowsPerPage_);
    Placement p;
    if (page_ < 0 || pendingBreak_) {
        beginPage();
        pendingBreak_ = false;
    }
    if (pendingBlanks_ > 0) {
        if (row_ + pendingBlanks_ >= rowsPerPage_ && hasContent_)
            beginPage();  // the blanks fill the page; they do not open the next one
        else
            row_ = std::min(row_ + pendingBlanks_, rowsPerPage_);
        pendingBlanks_ = 0;
    }
    if (row_ + rows > rowsPerPage_) {
        if (hasContent_)
            beginPage();
        else
            row_ = rowsPerPage_ - rows;  // blank lines on top of an empty page give way
    }
    p.newPage = !hasContent_;
    p.page = page_;
    p.row = row_;
    row_ += rows;
    hasContent_ = true;
    return p;
}

}  // namespace nuvra::render
