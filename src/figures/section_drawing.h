// The channel's cross-section as the shape and block figures draw it: the outline points
// P1-P14, the main dimensions of the shape inputs and the groundwater level.
//
// Drawing coordinates are mm on the paper, origin at the middle of the slab's underside,
// x to the right, y upward; s is the scale in mm per m.
#pragma once

#include <array>

#include "design/records.h"
#include "figures/figure_model.h"

namespace nuvra::figures {

/// Model indexes of the outline points: P[1] ... P[14] (P[0] unused).
using SectionPoints = std::array<int, 15>;

/// W = 2 × (T2 + TB) + B, the overall width in m.
double OverallWidth(const CInpJyoken& j);

/// Adds P1-P14 (left lower corner round to the right lower corner) and the closed
/// outline through them, 14 segments in line style 2, also where points coincide.
SectionPoints AddSectionOutline(figures::FigureModel& m, const CInpJyoken& j, double s);

/// The twelve main dimensions in their fixed order (TB and T4 only where present):
/// H inside the channel, T1 on both walls, the bottom row TB T2 B T2 TB, the overall
/// width below it, T3 on the left and the haunch on the right.
void AddMainDimensions(figures::FigureModel& m, const SectionPoints& P, const CInpJyoken& j);

/// The design groundwater level on both sides (only when HW > 0.001): the water line
/// from the wall foot (water above the slab top) or the slab's edge out to ±E·s, the
/// water-level symbol at its middle, and the HW dimension on the right.
void AddGroundwaterLevel(figures::FigureModel& m, const SectionPoints& P, const CInpJyoken& j,
                         double E, double s);

}  // namespace nuvra::figures
