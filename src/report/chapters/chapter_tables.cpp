#include "report/chapters/chapter_tables.h"

#include <algorithm>
#include <array>

#include "report/report_error.h"

namespace nuvra::report {

std::string RowLabel(int row) {
    static constexpr std::array<const char*, kMaxTableRows> kLabels = {
        "①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
        "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
    if (row < 1 || row > kMaxTableRows)
        throw ReportError("table row " + std::to_string(row) + " has no label");
    return kLabels[static_cast<std::size_t>(row - 1)];
}

std::string CaseLabel(int caseNo) {
    switch (caseNo) {
        case 1:
            return "ケースⅠ";
        case 2:
            return "ケースⅡ";
        case 3:
            return "ケースⅢ";
        default:
            throw ReportError("design case " + std::to_string(caseNo) + " has no label");
    }
}

void PrintFigure(ReportWriter& w, const std::string& path, bool indent) {
    if (!path.empty()) w.PrintFigureReference(path, indent);
}

namespace {

void checkRows(int rows) {
    if (rows > kMaxTableRows)
        throw ReportError("a table of " + std::to_string(rows) + " rows; at most " +
                          std::to_string(kMaxTableRows) + " are printed");
}

void printRows(const TableLines& t, int from, int to) {
    for (int i = from; i <= to; ++i) {
        t.Row(i);
        if (i < to) t.Separator();
    }
}

}  // namespace

void PrintChunkedTable(ReportWriter& w, int rows, const TableLines& t) {
    checkRows(rows);
    const int left = w.LinesLeft();
    const int following = w.LinesPerPage - t.FollowPageMargin;
    t.Header();
    if (rows <= 0) return;
    int done = 0;
    int chunk = rows <= left + 2 ? rows : std::max(left, 0);
    for (;;) {
        printRows(t, done + 1, done + chunk);
        done += chunk;
        if (done >= rows) {
            t.ClosingFinal();
            return;
        }
        t.ClosingContinued();
        const int rest = rows - done;
        chunk = rest <= following + 2 ? rest : std::max(following, 1);
        w.NewPageIfNeeded(w.LinesPerPage, 0);
        t.Header();
    }
}

void PrintUnsplitTable(ReportWriter& w, int rows, const TableLines& t) {
    checkRows(rows);
    const int left = w.LinesLeft();
    t.Header();
    if (rows <= 0) return;
    if (left + 2 < rows) w.PrintPageBreak();
    printRows(t, 1, rows);
    t.ClosingFinal();
}

}  // namespace nuvra::report
