// Polygon centroid of the self-weight items.
#pragma once

#include <vector>

namespace nuvra::calc {

/// Centroid of the closed polygon through the vertices (each listed once; the closing
/// edge is added here). |area| < 0.001 gives (0, 0).
void PolygonCentroid(const std::vector<double>& X, const std::vector<double>& Y, double& xg,
                     double& yg);

}  // namespace nuvra::calc
