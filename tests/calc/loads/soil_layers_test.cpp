#include <gtest/gtest.h>

#include "calc/common/arith.h"
#include "calc/loads/soil_layers.h"

namespace nuvra::calc {
namespace {

// One layer 4 m thick from elevation 4 down to 0, moist 18, saturated 20.
clsKh fourMetres(double rwl, std::int32_t siki) {
    clsKh k;
    k.setSiki(siki);
    k.RWL = rwl;
    k.Jiban().Add(1, 4, 4, 18, 20);
    return k;
}

TEST(SoilLayers, SplitAtTheWaterLevel) {
    clsKh k = fourMetres(3, 1);
    k.Calc();
    ASSERT_EQ(k.Error(), 0);
    ASSERT_EQ(k.Jiban().Count(), 2);
    const clsKhJiban& a = *k.Jiban().Item(1);
    const clsKhJiban& b = *k.Jiban().Item(2);
    EXPECT_EQ(a.No, 1);
    EXPECT_EQ(b.No, 1);
    EXPECT_DOUBLE_EQ(a.EU, 4);
    EXPECT_DOUBLE_EQ(a.EL, 3);
    EXPECT_DOUBLE_EQ(a.H, 1);
    EXPECT_DOUBLE_EQ(b.EU, 3);
    EXPECT_DOUBLE_EQ(b.EL, 0);
    EXPECT_DOUBLE_EQ(b.H, 3);
    EXPECT_DOUBLE_EQ(a.Gs3, 18);  // above the water
    EXPECT_DOUBLE_EQ(b.Gs3, 10);  // submerged: Gs2 − 10
    EXPECT_DOUBLE_EQ(b.HwL, 3);
    EXPECT_DOUBLE_EQ(b.GwHL, 30.3);
    EXPECT_DOUBLE_EQ(b.Gs22Hi, 30);
    EXPECT_DOUBLE_EQ(a.KhU, 0.15);  // dry layer keeps Kh
    EXPECT_DOUBLE_EQ(b.KhU, 0.3);   // R2(20 / 10 · 0.15)
    EXPECT_DOUBLE_EQ(b.KhL, 0.3);
}

TEST(SoilLayers, NoSplitAtOrBeyondTheBoundaries) {
    for (double rwl : {0.0, -1.0, 4.0, 4.0005, 3.9995, 0.0004, 5.0}) {
        SCOPED_TRACE(rwl);
        clsKh k = fourMetres(rwl, 1);
        k.Calc();
        ASSERT_EQ(k.Jiban().Count(), 1);
        const clsKhJiban& j = *k.Jiban().Item(1);
        if (rwl <= 0.0004) {
            EXPECT_DOUBLE_EQ(j.Gs3, 18);
            EXPECT_EQ(j.HwU, 0);
        } else {
            EXPECT_DOUBLE_EQ(j.Gs3, 10);
        }
    }
}

TEST(SoilLayers, ExtraElevationsSplitAgain) {
    clsKh k = fourMetres(3, 1);
    k.AddEL().Add(1.5);
    k.AddEL().Add(0);  // at the bottom: nothing to split
    k.Calc();
    ASSERT_EQ(k.Jiban().Count(), 3);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->H, 1.5);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(3)->EU, 1.5);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(3)->EL, 0);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(3)->HwU, 1.5);
}

TEST(SoilLayers, SeismicFormulas) {
    struct Case {
        std::int32_t siki;
        double khUpper, khLowerTop, khLowerBottom, gtHi;
    };
    const Case cases[] = {
        {1, 0.15, 0.3, 0.3, 0},
        // (2·(0 + 18 + 0) + 60) / (2·(0 + 18 + 0) + 30) · 0.15 = 0.218
        {0, 0.15, 0.22, 0.22, 18},
        // top: (0 + 18)/18 · 0.15; bottom: (30.3 + 48)/48 · 0.15 = 0.245
        {2, 0.15, 0.15, 0.24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.siki);
        clsKh k = fourMetres(3, c.siki);
        k.Calc();
        ASSERT_EQ(k.Error(), 0);
        EXPECT_DOUBLE_EQ(k.Jiban().Item(1)->KhU, c.khUpper);
        EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->KhU, c.khLowerTop);
        EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->KhL, c.khLowerBottom);
        EXPECT_DOUBLE_EQ(k.GtHi(), c.gtHi);
    }
    clsKh k2 = fourMetres(3, 2);
    k2.Calc();
    EXPECT_DOUBLE_EQ(k2.Jiban().Item(2)->Gs3HU, 18);
    EXPECT_DOUBLE_EQ(k2.Jiban().Item(2)->Gs3HL, 48);
}

TEST(SoilLayers, FormulaOutsideTheRangeIsIgnored) {
    clsKh k;
    EXPECT_EQ(k.Siki(), 0);
    k.setSiki(2);
    k.setSiki(5);
    EXPECT_EQ(k.Siki(), 2);
    k.setSiki(-1);
    EXPECT_EQ(k.Siki(), 2);
    EXPECT_DOUBLE_EQ(k.Kh, 0.15);
    EXPECT_DOUBLE_EQ(k.Gw, 10.1);
}

TEST(SoilLayers, WaterLevelLayerGetsKhAtItsTop) {
    clsKh k = fourMetres(3, 1);
    k.RWLKh = 1;
    k.Calc();
    EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->KhU, 0.15);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->KhL, 0.3);
}

TEST(SoilLayers, SaturatedWeightOfTenFaultsAfterTheSplit) {
    clsKh k;
    k.setSiki(1);
    k.RWL = 3;
    k.Jiban().Add(1, 4, 4, 18, 10);
    k.Calc();
    EXPECT_EQ(k.Error(), kErrDivisionByZero);
    EXPECT_EQ(k.Jiban().Count(), 2);
    EXPECT_DOUBLE_EQ(k.Jiban().Item(2)->Gs3, 0);
}

}  // namespace
}  // namespace nuvra::calc
