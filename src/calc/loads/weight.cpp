#include "calc/loads/weight.h"

#include <algorithm>
#include <cmath>

#include "calc/common/rounding.h"

namespace nuvra::calc {
namespace {

double R2(double x) {
    return RoundDecimal(x, 2);
}
double R3(double x) {
    return RoundDecimal(x, 3);
}

const char* const kTitleWall = "たて壁";
const char* const kTitleDitto = "  〃";
const char* const kTitleHaunch = "ハンチ";
const char* const kTitleSlab = "底　版";
const char* const kTitleBackfill = "埋戻土";
const char* const kTitleWater = "内水部";

// One row of the table: section type, its two sizes, how many, unit weight and centroid.
clsWeightItem row(const char* title, std::int32_t sectType, double size1, double size2,
                  std::int32_t n, double g, double x, double y) {
    return {.Title = title,
            .SectType = sectType,
            .Size1 = size1,
            .Size2 = size2,
            .N = n,
            .G = g,
            .X = x,
            .Y = y};
}

}  // namespace

clsWeightItem& colWeightItem::Add(clsWeightItem item) {
    return AddItem(std::move(item));
}

clsWeightItem* colWeightItem::Item(std::string_view title) {
    for (clsWeightItem& it : *this)
        if (it.Title == title) return &it;
    return nullptr;
}

const clsWeightItem* colWeightItem::Item(std::string_view title) const {
    for (const clsWeightItem& it : *this)
        if (it.Title == title) return &it;
    return nullptr;
}

void clsWeight::CalcWeight() {
    Error_ = guarded([&] {
        Weight_.Clear();
        double bw = fin(B + 2 * (T2 + TB));
        double xc = R3(bw * 0.5);
        addBodyItems(bw, xc);
        if (CaseNo == 1)
            addCase1Backfill(xc);
        else
            addWaterAndBackfill(xc);
        sumItems(bw);
        // The seismic inertia of the self weight is not part of the design.
        He_ = MHe_ = Ve_ = MVe_ = 0;
    });
}

// Items are listed with their sizes first; sumItems fills area, weight and moments.
void clsWeight::addBodyItems(double bw, double xc) {
    Weight_.Add(row(kTitleWall, 1, T1, H, 2, Gsc, xc, R3(H / 2 + T3)));
    if (T2 - T1 > 0.001)
        Weight_.Add(row(kTitleDitto, 2, fin(T2 - T1), H, 2, Gsc, xc, R3(H / 3 + T3)));
    if (T4 > 0.001) Weight_.Add(row(kTitleHaunch, 2, T4, T4, 2, Gsc, xc, R3(T4 / 3 + T3)));
    Weight_.Add(row(kTitleSlab, 1, bw, T3, 1, Gsc, xc, R3(T3 / 2)));
}

// Groundwater at HW: the backfill on the footings is moist above it, saturated below.
void clsWeight::addCase1Backfill(double xc) {
    double hd = std::min(std::max(R3(T3 + H - HW), 0.0), H);
    double hs = std::min(std::max(R3(HW - T3), 0.0), H);
    double taper = cdiv(T2 - T1, H);
    double wd = R3(taper * hd);
    double ws = R3(taper * hs);
    if (TB <= 0.001) return;
    if (hd > 0.001) {
        Weight_.Add(row(kTitleBackfill, 1, fin(TB + ws), hd, 2, Gs, xc, R3(T3 + H - hd / 2)));
        if (wd > 0.001) Weight_.Add(row(kTitleDitto, 3, wd, hd, 2, Gs, xc, R3(T3 + H - hd / 3)));
    }
    if (hs > 0.001) {
        Weight_.Add(row(kTitleDitto, 1, TB, hs, 2, Gt, xc, R3(T3 + hs / 2)));
        if (ws > 0.001) Weight_.Add(row(kTitleDitto, 3, ws, hs, 2, Gt, xc, R3(T3 + 2 * hs / 3)));
    }
}

// Cases with internal water: the water (less the haunches), then dry backfill.
void clsWeight::addWaterAndBackfill(double xc) {
    Weight_.Add(row(kTitleWater, 1, B, HWi, 1, Gw, xc, R3(T3 + HWi / 2)));
    if (T4 > 0.001) Weight_.Add(row(kTitleDitto, 2, T4, T4, 2, -Gw, xc, R3(T3 + T4 / 3)));
    if (TB > 0.001) {
        Weight_.Add(row(kTitleBackfill, 1, TB, H, 2, Gs, xc, R3(T3 + H / 2)));
        if (T2 - T1 > 0.001)
            Weight_.Add(row(kTitleDitto, 3, fin(T2 - T1), H, 2, Gs, xc, R3(T3 + 2 * H / 3)));
    }
}

void clsWeight::sumItems(double bw) {
    double sumArea = 0, sumWeight = 0, sumMx = 0, sumMy = 0;
    for (clsWeightItem& it : Weight_) {
        double a = 0;
        if (it.SectType == 1)
            a = it.Size1 * it.Size2;
        else if (it.SectType == 2 || it.SectType == 3)
            a = 0.5 * it.Size1 * it.Size2;
        double area = R2(a * it.N);
        if (it.G < 0) area = -area;
        it.Area = area;
        it.Weight = R2(std::fabs(it.G) * it.Area);
        if (Origin == 2) it.X = fin(bw - it.X);
        it.Mx = R2(it.Weight * it.X);
        it.My = R2(it.Weight * it.Y);
        sumArea = fin(sumArea + it.Area);
        sumWeight = fin(sumWeight + it.Weight);
        sumMx = fin(sumMx + it.Mx);
        sumMy = fin(sumMy + it.My);
    }
    double xg = 0, yg = 0;
    if (sumWeight > 0.001) {
        xg = R3(sumMx / sumWeight);
        yg = R3(sumMy / sumWeight);
    }
    Weight_.Add({.Title = std::string(kWeightSumTitle),
                 .Area = sumArea,
                 .Weight = sumWeight,
                 .X = xg,
                 .Y = yg,
                 .Mx = sumMx,
                 .My = sumMy});
}

}  // namespace nuvra::calc
