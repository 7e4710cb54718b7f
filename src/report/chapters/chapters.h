// The chapter writers of the calculation report, in the order the report runs them.
// Each appends its chapter to the writer's current print file, draws its figures, and
// returns false on any error, leaving what it wrote in place.
#pragma once

#include "report/chapters/chapter_context.h"

namespace nuvra::report {

bool WriteDesignConditionsChapter(const ChapterContext& ctx);
bool WriteExternalForcesChapter(const ChapterContext& ctx);
bool WriteEarthPressureChapter(const ChapterContext& ctx);
bool WriteWaterPressureChapter(const ChapterContext& ctx);
bool WriteFlotationChapter(const ChapterContext& ctx);
bool WriteBearingChapter(const ChapterContext& ctx);
bool WriteWallChapter(const ChapterContext& ctx);
bool WriteWallSectionChapter(const ChapterContext& ctx);
bool WriteSlabChapter(const ChapterContext& ctx);
bool WriteFootingChapter(const ChapterContext& ctx);
bool WriteCurtailmentChapter(const ChapterContext& ctx);
bool WriteSummaryChapter(const ChapterContext& ctx);

}  // namespace nuvra::report
