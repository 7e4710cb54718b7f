// "荷重分布図": the earth pressure of the stability set (with its elevation panel), the
// earth pressure on the wall, and the outer and inner water pressure on the wall.
#include <memory>

#include "figures/figures.h"
#include "figures/pressure_diagram.h"
#include "formats/format_error.h"

namespace nuvra::figures {
namespace {

using figures::FigureModel;

constexpr double kPanelWidth = 45.0;  // mm, the elevation panel of the earth pressure
constexpr double kDiagramMargin = 25.0;

template <class T>
const T& slot(const std::unique_ptr<T>& p, const char* name) {
    if (!p) throw formats::FormatError(std::string(name) + " was not calculated");
    return *p;
}

void checkCase(int caseNo) {
    if (caseNo < 1 || caseNo > 3)
        throw formats::FormatError("design case " + std::to_string(caseNo) + " is not 1-3");
}

void setLayoutConstants(FigureModel& m) {
    m.State.DimOffset1 = 10.0;
    m.State.DimRowPitch = 5.0;
    m.State.DimOffset2 = 10.0;
    m.State.DimExtGap = 1.0;
    m.State.DimTextGap = 1.0;
}

// Sub-figure 1 starts at the left edge of the page area with its top at the area's
// top; a second one (the diagram beside the panel) shares its elevation origin, its
// axis on the panel's axis.
std::string placeAndLayout(FigureModel& m, double pageWidth, double pageHeight) {
    m.ReadSubFigureExtents();
    figures::SubFigure& first = m.SubFig(1);
    first.offsetX = -first.extents.minX;
    first.offsetY = pageHeight - first.extents.height - first.extents.minY;
    if (m.SubFigureCount() > 1) {
        figures::SubFigure& second = m.SubFig(2);
        second.offsetX = first.offsetX + first.extents.minX + first.extents.width;
        second.offsetY = first.offsetY;
    }
    return m.LayoutAsPlaced("荷重分布図", pageWidth, pageHeight);
}

std::string diagramOnly(FigureModel& m, const PressureTable& t, bool mirrored, double pageWidth,
                        double pageHeight) {
    const DiagramScales sc = PressureScales(t, kDiagramMargin, pageWidth, pageHeight);
    WritePressureDiagram(m, t, sc.hs, sc.vs, mirrored);
    return placeAndLayout(m, pageWidth, pageHeight);
}

}  // namespace

std::string MakeEarthPressureFigure(const FigureInputs& in, int caseNo, double pageWidth,
                                    double pageHeight) {
    return in.model.BuildFigure([&](FigureModel& m) {
        checkCase(caseNo);
        setLayoutConstants(m);
        const calc::clsSpa& spa = slot(in.results.objSpa(caseNo), "objSpa");
        const calc::clsPressure& p = slot(in.results.objPressure(caseNo), "objPressure");
        const PressureTable t = MakePressureTable(p.Qdo(), spa.ELGL, spa.ELDL);
        const DiagramScales sc = PressureScales(t, kPanelWidth, pageWidth, pageHeight);
        WriteElevationPanel(m, t, kPanelWidth, sc.vs);
        WritePressureDiagram(m, t, sc.hs, sc.vs, false);
        return placeAndLayout(m, pageWidth, pageHeight);
    });
}

std::string MakeWallPressureFigure(const FigureInputs& in, int caseNo, double pageWidth,
                                   double pageHeight) {
    return in.model.BuildFigure([&](FigureModel& m) {
        checkCase(caseNo);
        setLayoutConstants(m);
        const calc::clsSpa& spa = slot(in.results.objSpaWall(caseNo), "objSpaWall");
        const calc::clsPressure& p = slot(in.results.wall.TateEarthP(caseNo), "TateEarthP");
        return diagramOnly(m, MakePressureTable(p.Qdo(), spa.ELGL, spa.ELDL), false, pageWidth,
                           pageHeight);
    });
}

std::string MakeWaterPressureFigure(const FigureInputs& in, int side, int caseNo, double pageWidth,
                                    double pageHeight) {
    return in.model.BuildFigure([&](FigureModel& m) {
        checkCase(caseNo);
        if (side != 0 && side != 1)
            throw formats::FormatError("water side " + std::to_string(side) + " is not 0 or 1");
        setLayoutConstants(m);
        const calc::CRwp& rwp = slot(in.results.wall.TateRwpOut, "TateRwpOut");
        const calc::clsPressure& p =
            side == 0 ? slot(in.results.wall.TateWaterOutP(caseNo), "TateWaterOutP")
                      : slot(in.results.wall.TateWaterInP(caseNo), "TateWaterInP");
        return diagramOnly(m, MakePressureTable(p.Qdo(), rwp.ELGL, rwp.ELDL), side == 1, pageWidth,
                           pageHeight);
    });
}

}  // namespace nuvra::figures
