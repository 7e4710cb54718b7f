// What every chapter writer of the calculation report works with.
//
// A chapter writer is `bool WriteXxxChapter(const ChapterContext&)`: it appends its lines
// to the writer's current print file through ReportWriter::RunChapter, draws its figures
// through the builders of figures/figures.h, and returns false on any error, leaving what
// it wrote in place.
#pragma once

#include "calc/run/result_store.h"
#include "design/records.h"
#include "figures/figure_model.h"
#include "report/report_writer.h"

namespace nuvra::report {

struct ChapterContext {
    ReportWriter& writer;
    figures::FigureModel& figures;
    const DesignData& design;
    const calc::ResultStore& results;
};

}  // namespace nuvra::report
