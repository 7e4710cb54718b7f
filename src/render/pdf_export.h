// PDF export and printing of a report, one page at a time.
//
// Pages are read, painted and handed to the PDF writer or printer one by one, so a
// report of ten thousand pages needs no more memory than one page. A QGuiApplication
// must exist (see HeadlessGui for programs without a window).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "render/report_document.h"

class QPrinter;

namespace nuvra::render {

struct ExportResult {
    bool ok = false;
    bool opened = false;  ///< the print file could be read (exportPdf)
    int pages = 0;
    std::string error;                  ///< why nothing (or no complete file) was written
    std::vector<std::string> warnings;  ///< what was drawn as a note or squeezed, and where
};

/// Called after each page with (pages done, pages in all); return false to stop.
using ProgressFn = std::function<bool(int, int)>;

/// Writes every page of an opened document to a PDF file. The file is written beside
/// the target under a scratch name (ScratchTag) and renamed over it only when complete;
/// a new file takes the umask, a replaced one keeps its mode, a write-protected one is
/// not replaced.
ExportResult writePdf(const ReportDocument& doc, const std::string& pdfPath,
                      const ProgressFn& progress = {});

/// Opens the print file and writes it as PDF: the one call a program needs.
ExportResult exportPdf(const std::string& printFile, const std::string& pdfPath,
                       const RenderOptions& options, const ProgressFn& progress = {});

/// Prints pages first..last (0-based, inclusive) on a printer set up by the caller.
/// Each page is scaled to the printer's paper when it is not A4.
ExportResult printPages(const ReportDocument& doc, QPrinter& printer, int first, int last,
                        const ProgressFn& progress = {});

}  // namespace nuvra::render
