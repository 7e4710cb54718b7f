#include "render/page_geometry.h"

#include <algorithm>

#include "common/ini_profile.h"

namespace nuvra::render {

PageGeometry PageGeometry::forMargins(int topMm, int leftMm) {
    PageGeometry g;
    g.marginTopMm = topMm > 0 ? std::min(topMm, kMaxMarginMm) : kDefaultMarginTopMm;
    g.marginLeftMm = leftMm > 0 ? std::min(leftMm, kMaxMarginMm) : kDefaultMarginLeftMm;
    // 72 lines must end above the footer band.
    double height = kPaperHeightMm - kFooterBandMm - g.marginTopMm;
    g.linePitchMm = std::min(kNominalPitchMm, height / kRowsPerPage);
    g.emMm = std::min(kNominalEmMm, g.linePitchMm * (kNominalEmMm / kNominalPitchMm));
    // 90 columns must end before the right limit.
    double width = g.rightLimitMm() - g.marginLeftMm;
    g.emMm = std::min(g.emMm, 2.0 * width / kColumns);
    return g;
}

PageGeometry geometryFromSettings(const std::string& iniPath) {
    int top = CPrivateProfile::GetValueLong(iniPath, "Printer", "MarginTop(mm)");
    int left = CPrivateProfile::GetValueLong(iniPath, "Printer", "MarginLeft(mm)");
    return PageGeometry::forMargins(top, left);
}

}  // namespace nuvra::render
