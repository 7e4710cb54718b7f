// Helpers of the renderer's fuzz targets: the Qt application object that painting
// needs, sample figure files in the scratch folder, and painting a figure into an image.
#pragma once

#include <string>

#include "formats/style_files.h"
#include "render/report_document.h"

namespace nuvra::render {
class ReportFont;
}

namespace nuvra::fuzz {

/// Creates the QGuiApplication (offscreen) once and loads the report font; aborts when
/// the font is missing, since every painting target would then test nothing.
void EnsureGui();

/// The report font, loaded by EnsureGui.
render::ReportFont& Font();

/// Writes the renderer's sample figure and layout files (shape.lay, shape.fig,
/// pressure.lay, elev.fig, diagram.fig) into the scratch folder in CP932 with CR LF, once.
void WriteSampleFigures();

/// The style tables of the fuzz build's application folder (read once).
const formats::StyleTables& AppStyles();

/// Paints the figure into a small image, its area scaled as the page would scale it.
void PaintFigure(const render::LoadedFigure& figure, const formats::StyleTables& styles);

}  // namespace nuvra::fuzz
