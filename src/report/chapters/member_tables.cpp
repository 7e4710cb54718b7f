#include "report/chapters/member_tables.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/number_format.h"
#include "report/chapters/chapter_tables.h"

namespace nuvra::report {

std::vector<int> MemberCases(std::int32_t Kento) {
    if (Kento == 1) return {1, 3};
    if (Kento == 2) return {1, 2};
    return {1, 2, 3};
}

int InnerWaterCase(std::int32_t Kento) {
    return Kento == 1 ? 3 : 2;
}

std::string BarMark(double Dia, std::int32_t Zai) {
    std::string mark = formatPicture(Dia, Zai == 1 ? "\\φ#0" : "\\D#0");
    std::size_t chars = utf8Length(mark);
    if (chars < 3) mark.insert(0, 3 - chars, ' ');
    return mark;
}

void CheckTableRows(int rows) {
    if (rows > kMaxTableRows)
        throw ReportError("a table of " + std::to_string(rows) + " rows; at most " +
                          std::to_string(kMaxTableRows) + " are printed");
}

std::vector<int> WallTableChunks(int rows, int left, int linesPerPage) {
    std::vector<int> chunks;
    if (rows <= 0) return chunks;
    chunks.push_back(rows > left + 2 ? std::max(left, 0) : rows);
    int rest = rows - chunks.back();
    while (rest > 0) {
        chunks.push_back(rest > linesPerPage - 5 ? linesPerPage - 7 : rest);
        rest -= chunks.back();
    }
    return chunks;
}

void PrintWallPartTable(ReportWriter& w, const FormatBlock& b, FieldValues& v, int caseNo,
                        const calc::clsPressure& pressure) {
    const calc::colPressureDetail& parts = pressure.Detail();
    CheckTableRows(parts.Count());
    auto head = [&] {
        for (int k = 4; k <= 8; ++k)
            w.PrintFixedLine(b, k);
    };
    head();
    const std::vector<int> chunks = WallTableChunks(parts.Count(), w.LinesLeft(), w.LinesPerPage);
    int row = 0;
    for (std::size_t page = 0; page < chunks.size(); ++page) {
        if (page > 0) {
            w.NewPageIfNeeded(w.LinesPerPage, 0);
            head();
        }
        for (int i = 1; i <= chunks[page]; ++i) {
            const calc::clsPressureDetail& d = *parts.Item(++row);
            v.t(1) = RowLabel(row);
            const double values[] = {d.H, d.P, d.Pi, d.Y, d.H, d.Yi, d.Mi};
            for (int j = 1; j <= 7; ++j)
                v.n(j) = values[j - 1];
            // A rectangle, a triangle wide at the top, one wide at the bottom.
            w.PrintFormatLine(b, d.Section == 0 ? 9 : (d.Section == 1 ? 10 : 11), v);
            if (i < chunks[page]) w.PrintFixedLine(b, 12);
        }
        w.PrintFixedLine(b, 13);
    }
    if (chunks.empty()) return;
    v.n(1) = caseNo;
    v.n(2) = pressure.P();
    v.n(3) = caseNo;
    v.n(4) = pressure.M();
    w.PrintFormatLine(b, 14, v);
    w.PrintFixedLine(b, 15);
}

void PrintSectionCheckItems(ReportWriter& w, const FormatBlock& b, FieldValues& v,
                            const calc::CRcKukei& first, const calc::CRcKukei& second,
                            std::int32_t Zai) {
    int k = 5;
    auto item = [&] {
        w.PrintFormatLine(b, k, v);
        w.PrintFixedLine(b, k + 1);
        k += 2;
    };
    auto pair = [&](double (calc::CRcKukei::*get)() const) {
        v.n(1) = (first.*get)();
        v.n(2) = (second.*get)();
        item();
    };
    auto inputs = [&](double calc::CRcKukei::*field) {
        v.n(1) = first.*field;
        v.n(2) = second.*field;
        item();
    };
    auto stress = [&](double (calc::CRcKukei::*get)() const,
                      const std::string& (calc::CRcKukei::*verdict)() const) {
        v.n(1) = (first.*get)();
        v.n(2) = (second.*get)();
        v.t(1) = (first.*verdict)();
        v.t(2) = (second.*verdict)();
        item();
    };
    using R = calc::CRcKukei;
    inputs(&R::Md);
    inputs(&R::Sd);
    pair(&R::B);
    inputs(&R::H);
    pair(&R::d);
    inputs(&R::d1);
    v.t(1) = BarMark(first.Dia, Zai);
    v.t(2) = BarMark(second.Dia, Zai);
    item();
    inputs(&R::ctc);
    pair(&R::Asi);
    pair(&R::U);
    pair(&R::P);
    pair(&R::k);  // k and j are each printed on two rows: the definition, the formula
    pair(&R::k);
    pair(&R::j);
    pair(&R::j);
    stress(&R::Sc, &R::HanteiSc);
    stress(&R::Ss, &R::HanteiSs);
    stress(&R::Tc, &R::HanteiTc);
    stress(&R::T0, &R::HanteiTo);
    inputs(&R::Sca);
    inputs(&R::Ssa);
    inputs(&R::Tca);
    inputs(&R::Toa);
}

}  // namespace nuvra::report
