// The chapter files of the calculation report, in the order of the print window's check
// boxes, with the writers that fill each.
#include "report/chapters/chapters.h"
#include "report/report_generation.h"

namespace nuvra::report {

std::vector<ChapterRow> StandardChapterRows() {
    return {
        {"設計条件", "conditions", RowCondition::Always, {WriteDesignConditionsChapter}},
        {"外力の計算",
         "external-forces",
         RowCondition::Always,
         {WriteExternalForcesChapter, WriteEarthPressureChapter}},
        {"浮上に対する検討", "flotation", RowCondition::Uplift, {WriteFlotationChapter}},
        {"基礎地盤支持力の検討", "bearing", RowCondition::Always, {WriteBearingChapter}},
        {"たて壁の設計",
         "wall",
         RowCondition::Always,
         {WriteWallChapter, WriteWaterPressureChapter, WriteWallSectionChapter}},
        {"底版の設計", "slab", RowCondition::Always, {WriteSlabChapter}},
        {"フーチングの設計", "footing", RowCondition::Footing, {WriteFootingChapter}},
        {"たて壁鉄筋の段落としの検討",
         "curtailment",
         RowCondition::Always,
         {WriteCurtailmentChapter}},
        {"照査結果一覧", "summary", RowCondition::Always, {WriteSummaryChapter}},
    };
}

}  // namespace nuvra::report
