#include "calc/run/run_faults.h"

#include "calc/common/arith.h"
#include "calc/run/result_store.h"

namespace nuvra::calc {
namespace {

const char* caseLabel(int c) {
    static const char* const labels[] = {"ケースⅠ", "ケースⅡ", "ケースⅢ"};
    return labels[c - 1];
}

class Collector {
  public:
    template <class T>
    void one(const std::unique_ptr<T>& p, const char* slot, const char* what) {
        if (p && p->Error() != 0) faults.push_back({slot, what, p->Error()});
    }
    template <class T>
    void perCase(const PerCase<T>& slots, const char* slot, const char* what) {
        for (int c = 1; c <= kCaseCount; ++c) {
            const auto& p = slots(c);
            if (p && p->Error() != 0)
                faults.push_back({std::string(slot) + "(" + std::to_string(c) + ")",
                                  std::string(what) + "（" + caseLabel(c) + "）", p->Error()});
        }
    }
    std::vector<RunFault> faults;
};

}  // namespace

std::vector<RunFault> ClassFaults(const ResultStore& s) {
    Collector k;
    k.perCase(s.objWeight, "objWeight", "自重の計算");
    k.one(s.objYouatsuryoku, "objYouatsuryoku", "揚圧力の計算");
    k.one(s.objQqw, "objQqw", "上載荷重の計算");
    k.perCase(s.objKh, "objKh", "地層の計算");
    k.perCase(s.objSpa, "objSpa", "土圧の計算");
    k.perCase(s.objKhWall, "objKhWall", "地層の計算（たて壁の設計用）");
    k.perCase(s.objSpaWall, "objSpaWall", "土圧の計算（たて壁の設計用）");
    k.perCase(s.objPressure, "objPressure", "圧力分布の計算");
    k.one(s.objUkiagari, "objUkiagari", "浮上の検討");
    k.one(s.objNcNrNq, "objNcNrNq", "支持力係数の計算");
    k.one(s.objQa, "objQa", "許容支持力の計算");
    k.one(s.objQmax, "objQmax", "地盤反力度の計算");
    k.one(s.wall.TateRwpOut, "TateRwpOut", "たて壁の残留水圧の計算");
    k.one(s.wall.TateRwpIn, "TateRwpIn", "たて壁の内水圧の計算");
    k.perCase(s.wall.TateEarthP, "TateEarthP", "たて壁の土圧分布の計算");
    k.perCase(s.wall.TateWaterOutP, "TateWaterOutP", "たて壁の外水圧分布の計算");
    k.perCase(s.wall.TateWaterInP, "TateWaterInP", "たて壁の内水圧分布の計算");
    k.perCase(s.slab.TeibanWp, "TeibanWp", "底版の鉛直荷重の計算");
    k.perCase(s.slab.TeibanWr, "TeibanWr", "底版の地盤反力の計算");
    k.perCase(s.slab.TeibanMS, "TeibanMS", "底版の断面力の計算");
    k.perCase(s.footing.FootingMS, "FootingMS", "フーチングの断面力の計算");
    k.one(s.curtailment.DanEarthP, "DanEarthP", "段落とし位置の土圧分布の計算");
    k.one(s.curtailment.DanWaterP, "DanWaterP", "段落とし位置の水圧分布の計算");
    return k.faults;
}

std::string CalcErrorText(std::int32_t error) {
    switch (error) {
        case kErrDivisionByZero:
            return "0 による除算";
        case kErrOverflow:
            return "オーバーフロー";
        case kErrInvalidArgument:
            return "計算できない値（負の数の平方根など）";
        default:
            return "計算エラー";
    }
}

std::string RunFaultText(const RunFault& f) {
    std::string detail = f.slot;
    if (f.error != 0)
        detail += "、エラー " + std::to_string(f.error) + "：" + CalcErrorText(f.error);
    return f.what + "でエラーが発生しました（" + detail + "）";
}

}  // namespace nuvra::calc
