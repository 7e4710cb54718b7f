// The figure builders of the calculation report. Each draws one figure from the design
// and the results of the last calculation run into the figure model, writes its figure
// files and its layout file, and returns the layout file's path — or the empty text on
// any failure (style files missing, capacities exceeded, an arithmetic fault ...).
// Page sizes are in mm.
#pragma once

#include <string>

#include "calc/run/result_store.h"
#include "design/records.h"
#include "figures/figure_model.h"

namespace nuvra::figures {

/// What every builder reads: the figure model to draw into, the design, the results.
struct FigureInputs {
    figures::FigureModel& model;
    const DesignData& design;
    const calc::ResultStore& results;
};

/// Cross-section "形状図": outline, ground, loads, main dimensions, groundwater level.
std::string MakeShapeFigure(const FigureInputs& in, double pageWidth, double pageHeight);

/// "ﾌﾞﾛｯｸ割図" of design case 1-3: division lines and numbered blocks.
std::string MakeBlockFigure(const FigureInputs& in, int caseNo, double pageWidth,
                            double pageHeight);

/// Earth pressure of the stability set for case 1-3: elevation panel and diagram.
std::string MakeEarthPressureFigure(const FigureInputs& in, int caseNo, double pageWidth,
                                    double pageHeight);

/// Earth pressure on the wall (wall-design set) for case 1-3.
std::string MakeWallPressureFigure(const FigureInputs& in, int caseNo, double pageWidth,
                                   double pageHeight);

/// Water pressure on the wall: side 0 outer water, side 1 inner water (mirrored).
std::string MakeWaterPressureFigure(const FigureInputs& in, int side, int caseNo, double pageWidth,
                                    double pageHeight);

/// "σs図": steel stress of the outer wall bars along the height, with σsa and σsa/2.
std::string MakeSteelStressFigure(const FigureInputs& in, double pageWidth, double pageHeight);

}  // namespace nuvra::figures
