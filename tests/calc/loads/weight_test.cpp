#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/loads/weight.h"

namespace nuvra::calc {
namespace {

// Walls 0.3 → 0.5 thick, 2 m high, slab 0.4, haunch 0.2, footings 0.6, water at 1.4 m.
clsWeight sampleCase(std::int32_t caseNo) {
    clsWeight w;
    w.CaseNo = caseNo;
    w.H = 2;
    w.B = 2;
    w.T1 = 0.3;
    w.T2 = 0.5;
    w.T3 = 0.4;
    w.T4 = 0.2;
    w.TB = 0.6;
    w.HW = 1.4;
    w.HWi = 1.5;
    w.Gsc = 24.5;
    w.Gs = 18;
    w.Gt = 20;
    w.Gd = 10;
    w.Gw = 9.8;
    return w;
}

struct Row {
    const char* title;
    std::int32_t type;
    double size1, size2;
    std::int32_t n;
    double g, y, area, weight, mx, my;
};

void expectRows(const clsWeight& w, const std::vector<Row>& rows) {
    ASSERT_EQ(w.Weight().Count(), static_cast<std::int32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const clsWeightItem& it = *w.Weight().Item(static_cast<std::int32_t>(i + 1));
        SCOPED_TRACE("item " + std::to_string(i + 1) + " " + r.title);
        EXPECT_EQ(it.Title, r.title);
        EXPECT_EQ(it.SectType, r.type);
        EXPECT_NEAR(it.Size1, r.size1, 1e-12);
        EXPECT_NEAR(it.Size2, r.size2, 1e-12);
        EXPECT_EQ(it.Size3, 0);
        EXPECT_EQ(it.N, r.n);
        EXPECT_DOUBLE_EQ(it.G, r.g);
        EXPECT_NEAR(it.Y, r.y, 1e-12);
        EXPECT_NEAR(it.Area, r.area, 1e-12);
        EXPECT_NEAR(it.Weight, r.weight, 1e-12);
        EXPECT_NEAR(it.Mx, r.mx, 1e-12);
        EXPECT_NEAR(it.My, r.my, 1e-12);
    }
}

TEST(SelfWeight, Case1ListsBodyAndBackfillSplitAtTheWater) {
    clsWeight w = sampleCase(1);
    w.CalcWeight();
    EXPECT_EQ(w.Error(), 0);
    // Slab 4.2 m wide, centreline at 2.1 m; taper 0.1 m per metre of height.
    expectRows(w, {
                      {"たて壁", 1, 0.3, 2, 2, 24.5, 1.4, 1.2, 29.4, 61.74, 41.16},
                      {"  〃", 2, 0.2, 2, 2, 24.5, 1.067, 0.4, 9.8, 20.58, 10.46},
                      {"ハンチ", 2, 0.2, 0.2, 2, 24.5, 0.467, 0.04, 0.98, 2.06, 0.46},
                      {"底　版", 1, 4.2, 0.4, 1, 24.5, 0.2, 1.68, 41.16, 86.44, 8.23},
                      {"埋戻土", 1, 0.7, 1, 2, 18, 1.9, 1.4, 25.2, 52.92, 47.88},
                      {"  〃", 3, 0.1, 1, 2, 18, 2.067, 0.1, 1.8, 3.78, 3.72},
                      {"  〃", 1, 0.6, 1, 2, 20, 0.9, 1.2, 24, 50.4, 21.6},
                      {"  〃", 3, 0.1, 1, 2, 20, 1.067, 0.1, 2, 4.2, 2.13},
                      {"合計", 0, 0, 0, 0, 0, 1.01, 6.12, 134.34, 282.12, 135.64},
                  });
    EXPECT_NEAR(w.Weight().Item("合計")->X, 2.1, 1e-12);
    for (const clsWeightItem& it : w.Weight())
        if (it.SectType != 0) {
            EXPECT_DOUBLE_EQ(it.X, 2.1);
        }
}

TEST(SelfWeight, Case2ListsWaterLessHaunchesThenDryBackfill) {
    clsWeight w = sampleCase(2);
    w.CalcWeight();
    EXPECT_EQ(w.Error(), 0);
    std::vector<Row> rows = {
        {"たて壁", 1, 0.3, 2, 2, 24.5, 1.4, 1.2, 29.4, 61.74, 41.16},
        {"  〃", 2, 0.2, 2, 2, 24.5, 1.067, 0.4, 9.8, 20.58, 10.46},
        {"ハンチ", 2, 0.2, 0.2, 2, 24.5, 0.467, 0.04, 0.98, 2.06, 0.46},
        {"底　版", 1, 4.2, 0.4, 1, 24.5, 0.2, 1.68, 41.16, 86.44, 8.23},
        {"内水部", 1, 2, 1.5, 1, 9.8, 1.15, 3, 29.4, 61.74, 33.81},
        // The haunches displace water: negative area and weight.
        {"  〃", 2, 0.2, 0.2, 2, -9.8, 0.467, -0.04, -0.39, -0.82, -0.18},
        {"埋戻土", 1, 0.6, 2, 2, 18, 1.4, 2.4, 43.2, 90.72, 60.48},
        {"  〃", 3, 0.2, 2, 2, 18, 1.733, 0.4, 7.2, 15.12, 12.48},
    };
    double area = 0, weight = 0, mx = 0, my = 0;
    for (const Row& r : rows)
        area += r.area, weight += r.weight, mx += r.mx, my += r.my;
    rows.push_back({"合計", 0, 0, 0, 0, 0, 1.038, area, weight, mx, my});
    expectRows(w, rows);
    EXPECT_NEAR(weight, 160.75, 1e-9);
}

TEST(SelfWeight, PlainSectionHasOnlyWallsSlabAndWater) {
    for (std::int32_t c : {1, 2, 3}) {
        clsWeight w = sampleCase(c);
        w.T2 = w.T1;
        w.T4 = 0;
        w.TB = 0;
        w.CalcWeight();
        std::vector<std::string> titles;
        for (const clsWeightItem& it : w.Weight())
            titles.push_back(it.Title);
        if (c == 1)
            EXPECT_EQ(titles, (std::vector<std::string>{"たて壁", "底　版", "合計"}));
        else
            EXPECT_EQ(titles, (std::vector<std::string>{"たて壁", "底　版", "内水部", "合計"}));
    }
}

TEST(SelfWeight, Case1WaterLevelDecidesTheBackfillRows) {
    struct Case {
        double hw;
        std::vector<std::string> titles;  // backfill rows only
        std::vector<double> widths;
    };
    const Case cases[] = {
        // At or below the slab top: dry backfill only, its rectangle TB + 0 wide.
        {0.4, {"埋戻土", "  〃"}, {0.6, 0.2}},
        {0.0, {"埋戻土", "  〃"}, {0.6, 0.2}},
        // At or above the wall top: no dry part, the first row is the submerged one.
        {2.4, {"  〃", "  〃"}, {0.6, 0.2}},
        {3.0, {"  〃", "  〃"}, {0.6, 0.2}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.hw);
        clsWeight w = sampleCase(1);
        w.HW = k.hw;
        w.CalcWeight();
        ASSERT_EQ(w.Error(), 0);
        ASSERT_EQ(w.Weight().Count(), 4 + 2 + 1);
        for (std::size_t i = 0; i < k.titles.size(); ++i) {
            const clsWeightItem& it = *w.Weight().Item(static_cast<std::int32_t>(5 + i));
            EXPECT_EQ(it.Title, k.titles[i]);
            EXPECT_NEAR(it.Size1, k.widths[i], 1e-12);
            EXPECT_DOUBLE_EQ(it.G, k.hw >= 2.4 ? 20 : 18);
        }
    }
}

TEST(SelfWeight, MirroredOriginMovesX) {
    clsWeight w = sampleCase(3);
    w.B = 2.0155;  // slab 4.2155 wide: centre rounded to 2.108, mirrored 2.1075
    w.Origin = 2;
    w.CalcWeight();
    EXPECT_NEAR(w.Weight().Item(1)->X, 4.2155 - 2.108, 1e-12);
}

TEST(SelfWeight, ItemLookupByPositionAndTitle) {
    clsWeight w = sampleCase(1);
    w.CalcWeight();
    const colWeightItem& items = w.Weight();
    EXPECT_EQ(items.Item(0), nullptr);
    EXPECT_EQ(items.Item(items.Count() + 1), nullptr);
    EXPECT_EQ(items.Item("存在しない"), nullptr);
    ASSERT_NE(items.Item("合計"), nullptr);
    EXPECT_EQ(items.Item("合計"), items.Item(items.Count()));
    // A repeated title finds its first item.
    EXPECT_EQ(items.Item("  〃"), items.Item(2));
}

TEST(SelfWeight, ZeroHeightStopsCase1AndKeepsItsItems) {
    clsWeight w = sampleCase(1);
    w.H = 0;
    w.CalcWeight();
    EXPECT_NE(w.Error(), 0);
    EXPECT_EQ(w.Weight().Count(), 4);  // the body items, listed before the fault
    EXPECT_EQ(w.Weight().Item("合計"), nullptr);
    // Without water and backfill rows a zero height is harmless.
    clsWeight w3 = sampleCase(3);
    w3.H = 0;
    w3.CalcWeight();
    EXPECT_EQ(w3.Error(), 0);
    EXPECT_NE(w3.Weight().Item("合計"), nullptr);
}

TEST(SelfWeight, RecalculationStartsAfresh) {
    clsWeight w = sampleCase(1);
    w.H = 0;
    w.CalcWeight();
    w.H = 2;
    w.CalcWeight();
    EXPECT_EQ(w.Error(), 0);
    EXPECT_EQ(w.Weight().Count(), 9);
}

TEST(Collection, InsertBeforeAfterAndRemove) {
    colWeightItem c;
    c.Add({.Title = "a", .SectType = 1});
    c.Add({.Title = "c", .SectType = 1});
    c.AddItem(clsWeightItem{"b"}, 1, false);
    c.AddItem(clsWeightItem{"0"}, 1, true);
    std::string order;
    for (const clsWeightItem& it : c)
        order += it.Title;
    EXPECT_EQ(order, "0abc");
    c.Remove(2);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(2)->Title, "b");
    EXPECT_THROW(c.Remove(4), ArithmeticFault);
    EXPECT_THROW(c.AddItem(clsWeightItem{"x"}, 9, false), ArithmeticFault);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Item(1), nullptr);
}

}  // namespace
}  // namespace nuvra::calc
