// The six face checks of a run as the results grid shows them, and the recalculation of
// one face after its bars change.
#pragma once

#include <array>
#include <string>

#include "calc/members/rc_section.h"
#include "calc/run/result_store.h"

namespace nuvra::calc {

/// The six reinforced faces, in the order of the results grid.
enum class SectionId {
    TateSoto,     ///< wall, outer bars: TateRc(1)
    TateUchi,     ///< wall, inner bars: TateRc(2)
    SokoSita,     ///< slab, lower bars: TeibanRc(1)
    SokoUe,       ///< slab, upper bars: TeibanRc(2)
    FootingSita,  ///< footing, lower bars: FootingRc(1)
    FootingUe,    ///< footing, upper bars: FootingRc(2)
};

inline constexpr std::array<SectionId, 6> kSectionIds = {
    SectionId::TateSoto, SectionId::TateUchi,    SectionId::SokoSita,
    SectionId::SokoUe,   SectionId::FootingSita, SectionId::FootingUe};

/// The grid's two labels of a face: member ("たて壁", "底　版", "フーチング") and bars
/// ("外側筋", "内側筋", "下側筋", "上側筋").
const char* MemberLabel(SectionId id);
const char* FaceLabel(SectionId id);

/// The check of a face as the run left it; nullptr when the run created none (the
/// footings of a channel without them, a step that stopped before it).
const CRcKukei* FindSection(const ResultStore& store, SectionId id);

/// The check of a face, created empty (zeros, every verdict "OUT") when the run left
/// none, so that every row of the grid has an object to show and to edit.
CRcKukei& SectionCheck(ResultStore& store, SectionId id);

/// Gives one face new bars and recalculates only that face; its design forces, its
/// section and every other slot stay as the run left them. A face that cannot be
/// calculated (no bar of that diameter, zero spacing, no section) shows zeros and "OUT".
const CRcKukei& RecalculateSection(ResultStore& store, SectionId id, double Dia, double ctc);

/// One row of the results grid.
struct SectionRow {
    SectionId id{};
    bool present = false;  ///< false: the run has no check of this face
    double Md = 0, Sd = 0, Dia = 0, ctc = 0;
    double Sc = 0, Ss = 0, Tc = 0, T0 = 0;
    bool outSc = false, outSs = false, outTc = false, outTo = false;  ///< verdict "OUT"
};

/// The grid: six face rows and the allowable stresses (those of the wall's outer face).
struct SectionTable {
    std::array<SectionRow, 6> rows{};
    bool footings = false;  ///< the channel has footings
    bool allowablesPresent = false;
    double Sca = 0, Ssa = 0, Tca = 0, Toa = 0;
};

SectionTable BuildSectionTable(const ResultStore& store);

/// The outer wall bars already exceed σsa at the design section (verdict "OUT"), so
/// none of them may be cut, whatever height the curtailment search found.
bool CurtailmentImpossible(const ResultStore& store);

}  // namespace nuvra::calc
