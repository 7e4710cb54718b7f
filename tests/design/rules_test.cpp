#include "design/rules.h"

#include <gtest/gtest.h>

#include "design/records.h"

namespace nuvra {
namespace {

TEST(Records, NewDesignDefaults) {
    DesignData d;
    d.objInpJyoken.Title = "changed";
    d.objInpHaikin.FootingUe.ctc = 125;
    d.objInpKaburi.InpFlg = false;
    NewDesignData(d);
    EXPECT_EQ(d.objInpJyoken.Title, "(未定義)");
    EXPECT_EQ(d.objInpJyoken.Kento, 1);
    EXPECT_EQ(d.objInpMorido.Morido, 1);
    EXPECT_EQ(d.objInpKiso.Siji, 2);
    EXPECT_EQ(d.objInpZairyo.Zai, 2);
    EXPECT_EQ(d.objInpZairyo.Toa, "1.5");
    for (const CInpHaikinS* s :
         {&d.objInpHaikin.TateSoto, &d.objInpHaikin.TateUchi, &d.objInpHaikin.SokoUe,
          &d.objInpHaikin.SokoSita, &d.objInpHaikin.FootingUe, &d.objInpHaikin.FootingSita}) {
        EXPECT_EQ(s->Dia, 16);
        EXPECT_EQ(s->ctc, 300);
    }
    EXPECT_FALSE(d.objInpJyoken.InpFlg);
    EXPECT_FALSE(d.objInpMorido.InpFlg);
    EXPECT_FALSE(d.objInpKiso.InpFlg);
    EXPECT_TRUE(d.objInpKaburi.InpFlg);
    EXPECT_TRUE(d.objInpZairyo.InpFlg);
    EXPECT_TRUE(d.objInpHaikin.InpFlg);
}

TEST(InnerWaterRule, HundredthsHalfToEven) {
    struct {
        double H, T4, HWi;
        bool ok;
    } cases[] = {
        {2.00, 0.10, 2.00, true},   {2.00, 0.10, 2.01, false}, {2.00, 0.10, 0.09, false},
        {2.00, 0.10, 0.10, true},   {2.00, 0.10, 1.00, true},  {0, 0, 0, true},
        {2.00, 0.10, 2.004, true},   // 200.4 rounds to 200
        {2.00, 0.10, 2.005, true},   // 200.5 rounds to even 200
        {2.00, 0.10, 2.015, false},  // 201.5 rounds to even 202
        {2.00, 0.10, 2.50, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkInnerWaterRule(c.H, c.T4, c.HWi), c.ok)
            << c.H << " " << c.T4 << " " << c.HWi;
}

TEST(Proposals, ConcreteAllowablesByStrength) {
    struct {
        double Sck;
        int Zai;
        double Sca, Ta, Toa, Ec;
    } cases[] = {
        {18, 2, 7.0, 0.40, 1.4, 22000},   {20, 2, 7.0, 0.40, 1.4, 22000},
        {20.5, 2, 7.0, 0.40, 1.4, 22000},  // 20.5 rounds to even 20
        {21, 2, 8.0, 0.42, 1.5, 23500},   {23, 3, 8.0, 0.42, 1.5, 23500},
        {24, 2, 9.0, 0.45, 1.6, 25000},   {24, 1, 9.0, 0.45, 0.8, 25000},
        {30, 2, 11.0, 0.50, 1.8, 28000},  {30, 1, 11.0, 0.50, 0.9, 28000},
        {39, 2, 11.0, 0.50, 1.8, 28000},  {40, 2, 14.0, 0.55, 2.0, 31000},
        {99, 1, 14.0, 0.55, 1.0, 31000},
    };
    for (const auto& c : cases) {
        ConcreteAllowables a = proposeAllowables(c.Sck, c.Zai);
        EXPECT_EQ(a.Sca, c.Sca) << c.Sck;
        EXPECT_EQ(a.Ta, c.Ta) << c.Sck;
        EXPECT_EQ(a.Toa, c.Toa) << c.Sck << " " << c.Zai;
        EXPECT_EQ(a.Ec, c.Ec) << c.Sck;
        EXPECT_EQ(proposeToa(c.Sck, c.Zai), c.Toa);
    }
}

TEST(Proposals, SteelAllowableByGrade) {
    EXPECT_EQ(proposeSsa(1), 137);
    EXPECT_EQ(proposeSsa(2), 176);
    EXPECT_EQ(proposeSsa(3), 196);
    EXPECT_EQ(proposeSsa(4), 0);
}

}  // namespace
}  // namespace nuvra
