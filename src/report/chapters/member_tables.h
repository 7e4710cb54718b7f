// Pieces the member chapters (wall, slab, footing, curtailment) share: the design cases
// a chapter lists, access to the result objects, bar marks and the section-check table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "calc/loads/pressure.h"
#include "calc/members/rc_section.h"
#include "report/field_values.h"
#include "report/format_block.h"
#include "report/report_error.h"
#include "report/report_writer.h"

namespace nuvra::report {

/// The member-design cases a chapter lists under the case selection Kento: 1 gives
/// cases 1 and 3, 2 gives cases 1 and 2, any other value all three.
std::vector<int> MemberCases(std::int32_t Kento);

/// The case whose inner water the wall chapter draws: case 2, or case 3 when Kento = 1
/// leaves case 2 out (both carry the same water).
int InnerWaterCase(std::int32_t Kento);

/// The object in a result slot. A slot the calculation run never filled fails the
/// chapter: the report does not print results that were not computed.
template <class T>
const T& Filled(const std::unique_ptr<T>& slot, const std::string& what) {
    if (!slot) throw ReportError(what + " was not computed");
    return *slot;
}

/// Bar mark of a diameter: "φ13" for plain round bars (Zai 1), "D16" for deformed
/// bars, padded with blanks in front to at least three characters (" D6").
std::string BarMark(double Dia, std::int32_t Zai);

/// Fails the chapter for a table of more rows than can be labelled (① to ⑳).
void CheckTableRows(int rows);

/// Rows on each page of a table of the wall chapter. `left` is the number of lines left
/// on the page after the table head: the first page takes every row when they are at
/// most two more than that, otherwise `left` rows (none when the page is full); each
/// following page takes all that remain when they are at most linesPerPage - 5,
/// otherwise linesPerPage - 7.
std::vector<int> WallTableChunks(int rows, int left, int linesPerPage);

/// The wall chapter's table of the parts of a pressure distribution, block lines 4 to 15:
/// the head (4-8), the rows labelled ① on (9 rectangle, 10 triangle wide at the top, 11
/// wide at the bottom, with the values H, p, Pi, Y, H, Yi, Mi), parted by line 12, each
/// page closed by line 13; after the last row the totals (14: case, P, case, M) and line
/// 15. Split over pages by WallTableChunks; each following page starts on a new page with
/// the head again. A distribution without parts prints the head alone.
void PrintWallPartTable(ReportWriter& w, const FormatBlock& b, FieldValues& v, int caseNo,
                        const calc::clsPressure& pressure);

/// Lines 5 to 50 of a section-check block: each item on line k with its pair of
/// values (first face, second face), then the fixed line k + 1. The items are the
/// section forces, the section, the bars, the ratios p, k, k, j, j, the four stresses
/// with their verdicts and the four allowable stresses. Zai picks the bar marks.
void PrintSectionCheckItems(ReportWriter& w, const FormatBlock& b, FieldValues& v,
                            const calc::CRcKukei& first, const calc::CRcKukei& second,
                            std::int32_t Zai);

}  // namespace nuvra::report
