// The outcome of a calculation run as text for a terminal: the stability verdicts, the
// six section checks laid out like the results grid, and the curtailment height.
#pragma once

#include <string>
#include <vector>

#include "calc/run/result_store.h"
#include "calc/run/section_table.h"

namespace nuvra::cli {

/// Display width of UTF-8 text in terminal columns: 2 for East Asian wide and
/// full-width characters (kana, kanji, "（", "　"), 1 for the others (ASCII, half-width
/// katakana, Greek letters).
int DisplayWidth(const std::string& utf8);

/// The grid as text lines: a header, the six face rows and the allowables row. A stress
/// whose verdict is "OUT" is followed by "*"; a face without a check says why (no
/// footings, or not computed).
std::vector<std::string> SectionTableLines(const calc::SectionTable& table);

/// The whole summary of a run, lines ended by "\n". runOk is what the run returned.
std::string RunSummary(const calc::ResultStore& store, bool runOk);

}  // namespace nuvra::cli
