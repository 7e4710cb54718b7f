// One row of results per design, for a table over many designs: the stability checks,
// the governing stress ratio of each face, the curtailment height and the verdict, with
// an optional choice of bars per face. Rows are written as CSV (UTF-8, header row).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/run/bar_selection.h"
#include "design/records.h"

namespace nuvra::calc {

/// The verdict of a whole design.
enum class DesignVerdict {
    OK,     ///< every check passed
    OUT,    ///< the run succeeded and at least one check failed
    ERROR,  ///< the design could not be read, or a step of the run failed
};

struct DesignSummary {
    std::string file;                 ///< the design's file, as given
    std::vector<std::string> inputs;  ///< values of the varied inputs (series only)
    std::string title;
    std::int32_t Zai = 2;  ///< bar grade, for the names of chosen bars
    bool read = false;     ///< the design was read (always true for a series)
    bool runOk = false;    ///< what the calculation run returned
    std::optional<double> Fs, Fa, qmax, qa;
    std::array<std::optional<double>, 6> ratio{};  ///< governing ratio; empty: no such face
    std::optional<double> DanHcut;                 ///< mm above the design section
    DesignVerdict verdict = DesignVerdict::ERROR;
    std::string reason;  ///< why the verdict is not OK
    bool barsSelected = false;
    std::array<BarChoice, 6> bars{};  ///< filled when barsSelected
};

/// Runs the calculation on a design and sums it up.
DesignSummary SummarizeDesign(const DesignData& d, bool selectBars);

/// Opens a design file as the programs do and sums it up; a file that cannot be read
/// gives a row with verdict ERROR and the reader's message as the reason.
DesignSummary SummarizeFile(const std::string& path, bool selectBars);

/// Runs one(i) for i = 0 … count − 1 on `jobs` threads (at least one) and returns the
/// rows in index order, whatever thread computed them. `one` must not touch shared state.
std::vector<DesignSummary> SummarizeMany(std::size_t count, int jobs,
                                         const std::function<DesignSummary(std::size_t)>& one);

/// SummarizeFile over many files on `jobs` threads, rows in the order of the files.
std::vector<DesignSummary> SummarizeFiles(const std::vector<std::string>& paths, int jobs,
                                          bool selectBars);

/// The header line: file, the names of the varied inputs, title, RunCalculation, Fs,
/// Fa, qmax, qa, the six faces, DanHcut, verdict, reason, then with bars one column of
/// chosen bars per face. Lines end with CR LF.
std::string SummaryCsvHeader(const std::vector<std::string>& inputNames, bool bars);
std::string SummaryCsvRow(const DesignSummary& s, bool bars);

/// "OK", "OUT", "ERROR".
const char* VerdictText(DesignVerdict v);

/// A CSV field: quoted (with doubled quotes) when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

}  // namespace nuvra::calc
