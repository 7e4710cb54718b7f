// Self weight of one design case per metre of channel: concrete of walls, tapers,
// haunches and slab, backfill on the footings and, with internal water, the water.
// X from the left end of the slab, Y up from the slab underside (m).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/loads/collection.h"

namespace nuvra::calc {

struct clsWeightItem {
    std::string Title;
    std::int32_t SectType = 0;  ///< 0 sum row, 1 rectangle, 2 triangle wide below, 3 wide above
    double Size1 = 0;           ///< width (m)
    double Size2 = 0;           ///< height (m)
    double Size3 = 0;
    std::int32_t N = 0;  ///< number of identical pieces
    double Area = 0;     ///< m², negative for a deduction
    double G = 0;        ///< kN/m³, negative marks a deduction
    double Weight = 0;   ///< kN/m
    double X = 0;
    double Y = 0;
    double Mx = 0;  ///< Weight·X
    double My = 0;  ///< Weight·Y
};

class colWeightItem : public Collection<clsWeightItem> {
  public:
    using Collection::Item;
    /// Appends the item; callers name the fields they give, e.g.
    /// Add({.Title = title, .SectType = 1, .Size1 = T1, .Size2 = H, .N = 2, .G = Gsc}).
    clsWeightItem& Add(clsWeightItem item);
    /// The first item with this title; nullptr when none has it.
    clsWeightItem* Item(std::string_view title);
    const clsWeightItem* Item(std::string_view title) const;
};

/// Title of the sum row appended by CalcWeight.
inline constexpr std::string_view kWeightSumTitle = "合計";

class clsWeight {
  public:
    std::int32_t Origin = 1;  ///< 1: X from the left end; 2: X mirrored at summation
    double Kh = 0;
    double Kv = 0;
    std::int32_t CaseNo = 0;
    double H = 0, B = 0, T1 = 0, T2 = 0, T3 = 0, T4 = 0, TB = 0, HW = 0, HWi = 0;
    double Gsc = 0, Gs = 0, Gt = 0, Gd = 0, Gw = 0;

    /// Lists the items of the case and appends the sum row. Never raises: a fault stops
    /// the calculation, keeps the items added so far and sets Error.
    void CalcWeight();

    const colWeightItem& Weight() const { return Weight_; }
    double He() const { return He_; }
    double MHe() const { return MHe_; }
    double Ve() const { return Ve_; }
    double MVe() const { return MVe_; }
    std::int32_t Error() const { return Error_; }

  private:
    void addBodyItems(double bw, double xc);
    void addCase1Backfill(double xc);
    void addWaterAndBackfill(double xc);
    void sumItems(double bw);

    colWeightItem Weight_;
    double He_ = 0, MHe_ = 0, Ve_ = 0, MVe_ = 0;
    std::int32_t Error_ = 0;
};

}  // namespace nuvra::calc
