// Automatic bar selection: for each reinforced face, the bar arrangement with the least
// steel area per metre that passes all four stress checks under the section forces of
// the run. Only the diameter and the spacing change; each candidate is checked by the
// face's own CRcKukei, exactly as the results grid recalculates a face.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/members/rc_section.h"
#include "calc/run/result_store.h"
#include "calc/run/section_table.h"
#include "design/records.h"

namespace nuvra::calc {

/// Diameters (mm) used for these members: D10 … D32 of the deformed-bar table for the
/// grades 2 and 3, round bars of 9 … 32 mm for the plain grade 1.
std::vector<double> StandardDiameters(std::int32_t Zai);

/// Spacings (mm) used for these members: 100 to 300 in steps of 25.
std::vector<double> StandardSpacings();

/// The candidate lists. An empty list stands for the standard one (of the face's grade).
struct BarCandidates {
    std::vector<double> diameters;
    std::vector<double> spacings;
};

/// The largest ratio of a stress to its allowable value (σc/σca, σs/σsa, τ/τa, τo/τoa):
/// at most 1 (up to the 0.01 N/mm² of the verdicts) when the face passes. An allowable
/// of 0 counts a stress of 0 as ratio 0 and any other as infinite.
double GoverningRatio(const CRcKukei& rc);

/// True when the check ran cleanly and all four verdicts are "OK".
bool PassesAll(const CRcKukei& rc);

/// Outcome of the selection for one face.
struct BarChoice {
    SectionId id{};
    bool checked = false;  ///< the face exists in this run (footings only with footings)
    bool found = false;    ///< an arrangement passes; otherwise Dia/ctc keep the current bars
    double currentDia = 0, currentCtc = 0;
    double currentRatio = 0;  ///< governing ratio of the current bars
    bool currentPasses = false;
    double Dia = 0, ctc = 0;  ///< the chosen bars (the current ones when none passes)
    double ratio = 0;         ///< governing ratio of the chosen bars
    double area = 0;          ///< steel area of the chosen bars, mm² per metre
};

/// The selection for one face whose check holds the section forces and allowables.
/// `rc` itself is not changed. Among the passing candidates the least area wins; equal
/// areas (within 1e-6 mm²) go to the larger spacing, then the smaller diameter.
BarChoice SelectBars(const CRcKukei& rc, const BarCandidates& candidates);

/// The selection for every face of a run. The footing faces take part only when the
/// channel has footings; a face the run did not check is reported with checked = false.
std::array<BarChoice, 6> SelectAllBars(const ResultStore& store, const BarCandidates& candidates);

/// Gives every face with a passing choice its chosen bars through the recalculation of
/// the results grid; the other faces keep theirs.
void ApplyBarChoices(ResultStore& store, const std::array<BarChoice, 6>& choices);

/// The bars of a face in the bar-arrangement record.
CInpHaikinS& RecordBars(CInpHaikin& record, SectionId id);

/// Writes the passing choices into the bar-arrangement record and confirms it, as OK of
/// the results dialog does; faces without a passing choice keep their bars.
void ApplyBarChoices(CInpHaikin& record, const std::array<BarChoice, 6>& choices);

/// "D16" for deformed bars, "φ16" for plain round bars (diameters as whole millimetres).
std::string BarName(std::int32_t Zai, double Dia);

}  // namespace nuvra::calc
