// The pressure-distribution diagram: a piecewise-linear horizontal pressure drawn from a
// vertical axis (the wall), each segment a trapezoid or triangle with its values,
// arrows where the pressure acts, a column of elevation ticks, and running labels on
// the rectangles and triangles into which the resultant calculation splits it; and the
// elevation panel that stands beside the earth-pressure diagram.
//
// Drawing y is the elevation (m) times the vertical scale vs (mm per m), x the pressure
// (kN/m²) times the horizontal scale hs (mm per kN/m²).
#pragma once

#include <vector>

#include "calc/loads/pressure.h"
#include "figures/figure_model.h"

namespace nuvra::figures {

/// Diagrams hold at most 20 segments, and at most 20 labelled parts.
inline constexpr int kMaxPressureSegments = 20;

/// The segments of one diagram (EU, EL, H, PU, PL in collection order) with the ground
/// level ELGL and the design level ELDL of the wall they act on.
struct PressureTable {
    std::vector<calc::clsPressureLoad> segments;
    double ELGL = 0;
    double ELDL = 0;
};

/// Copies a distribution's segments; throws formats::FormatError when there are none or more
/// than 20.
PressureTable MakePressureTable(const calc::colPressureLoad& Qdo, double ELGL, double ELDL);

/// The largest of the first segment's top elevation and every top and bottom pressure:
/// what the horizontal scale divides by.
double PressureMax(const PressureTable& t);

/// The horizontal and vertical scales of a diagram on a page area: hs = (page width −
/// margin − 30) ÷ pmax, vs = (page height − 5) ÷ (ELGL − EL of the last segment).
/// Raises calc::ArithmeticFault when pmax or the vertical range is 0.
struct DiagramScales {
    double hs = 0, vs = 0;
};
DiagramScales PressureScales(const PressureTable& t, double margin, double pageWidth,
                             double pageHeight);

struct Centroid {
    double x = 0;  ///< pressure, kN/m²
    double y = 0;  ///< elevation, m
};

/// Centroid of one part of a segment: shape 0 the whole (uniform) segment, 1 its upper
/// triangle (wide at the top), 2 its lower triangle. By PolygonCentroid of four
/// vertices (pressure, elevation) taken as a closed polygon.
Centroid PressurePartCentroid(int shape, double EU, double EL, double PU, double PL);

/// Clears the elements (the sub-figures stay), draws the diagram of t with the scales
/// hs and vs, to the right of the axis or, mirrored, to its left (inner water, no
/// ground hatch), and writes it as a further sub-figure "土圧分布図".
void WritePressureDiagram(figures::FigureModel& m, const PressureTable& t, double hs, double vs,
                          bool mirrored);

/// Clears the elements and draws the elevation panel of width a (mm) to the left of the
/// axis: the ground and design levels with their elevations and a ground hatch; written
/// as a further sub-figure "標高".
void WriteElevationPanel(figures::FigureModel& m, const PressureTable& t, double a, double vs);

}  // namespace nuvra::figures
