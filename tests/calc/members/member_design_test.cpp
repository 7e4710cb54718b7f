#include <gtest/gtest.h>

#include "calc/common/arith.h"
#include "calc/members/design_cases.h"
#include "calc/members/footing_design.h"
#include "calc/members/section_fill.h"
#include "calc/members/slab_design.h"
#include "calc/members/wall_design.h"

namespace nuvra::calc {
namespace {

using Segs = std::vector<PressureSegment>;

TEST(WallDesign, ResidualWaterLevel) {
    struct {
        double HW, DL, RWL;
    } cases[] = {{0, 0.15, 0},      {0.1, 0.15, 0},       {0.15, 0.15, 0}, {0.1505, 0.15, 0},
                 {0.1495, 0.15, 0}, {0.152, 0.15, 0.152}, {1.2, 0.15, 1.2}};
    for (const auto& c : cases)
        EXPECT_EQ(TateOuterRWL(c.HW, c.DL), c.RWL) << c.HW;
}

TEST(WallDesign, OuterWaterSegments) {
    // GL 2.3, DL 0.15, LWL 0: groundwater only in case 1.
    EXPECT_EQ(TateWaterOutSegments(1, 2.3, 1.3, 0, 0.15, 11.5, 1.15),
              (Segs{{2.3, 2.3 - 1.3, 0, 0}, {1.3, 1.3, 0, 11.5}}));
    // Water up to the ground: no dry segment on top.
    EXPECT_EQ(TateWaterOutSegments(1, 2.3, 2.3, 0, 0.15, 21.5, 2.15), (Segs{{2.3, 2.3, 0, 21.5}}));
    // Low water below the design level would add the constant part.
    EXPECT_EQ(TateWaterOutSegments(1, 2.3, 1.3, 0.5, 0.15, 8, 0.8),
              (Segs{{2.3, 2.3 - 1.3, 0, 0}, {1.3, 1.3 - 0.5, 0, 8}, {0.5, 0.5 - 0.15, 8, 8}}));
    const Segs dry{{2.3, 2.3 - 0.15, 0, 0}};
    EXPECT_EQ(TateWaterOutSegments(1, 2.3, 0, 0, 0.15, 0, 0), dry);
    EXPECT_EQ(TateWaterOutSegments(1, 2.3, 0.1509, 0, 0.15, 0.01, 0.0009), dry);
    for (int c : {2, 3})
        EXPECT_EQ(TateWaterOutSegments(c, 2.3, 1.3, 0, 0.15, 11.5, 1.15), dry);
}

TEST(WallDesign, InnerWaterSegments) {
    // GLi 2.3, RWLi 1.8 (HWi 1.5 above the slab top LWLi 0.3), DL 0.15: the water
    // pressure reaches 15 at the slab top and nothing is added below it.
    const Segs full{{2.3, 2.3 - 1.8, 0, 0}, {1.8, 1.8 - 0.3, 0, 15}};
    const Segs empty{{2.3, 2.3 - 0.15, 0, 0}};
    EXPECT_EQ(TateWaterInSegments(1, 2.3, 1.8, 0.3, 0.15, 15, 1.5), empty);
    EXPECT_EQ(TateWaterInSegments(2, 2.3, 1.8, 0.3, 0.15, 15, 1.5), full);
    EXPECT_EQ(TateWaterInSegments(3, 2.3, 1.8, 0.3, 0.15, 15, 1.5), full);
    EXPECT_EQ(TateWaterInSegments(2, 2.3, 0.3, 0.3, 0.15, 0, 0), empty);  // HWi = 0
    EXPECT_EQ(TateWaterInSegments(3, 2.3, 2.3, 0.3, 0.15, 20, 2.0),
              (Segs{{2.3, 2.3 - 0.3, 0, 20}}));  // brim-full
}

TEST(WallDesign, CaseComponents) {
    using A = std::array<double, 4>;
    struct {
        int c;
        std::int32_t Kento;
        A expected;
    } cases[] = {
        {1, 3, {5, 2, 0, 7}},   {2, 3, {0, 0, -3, -3}}, {3, 3, {4, 0, -3, 1}},
        {2, 1, {0, 0, 0, 0}},   {3, 1, {4, 0, -3, 1}},  {3, 2, {0, 0, 0, 0}},
        {2, 2, {0, 0, -3, -3}}, {1, 1, {5, 2, 0, 7}},   {1, 2, {5, 2, 0, 7}},
    };
    // Each case's own distributions: earth 5/-/4, outer water 2/9/9, inner water 8/3/3.
    const double earth[] = {5, 6, 4}, outer[] = {2, 9, 9}, inner[] = {8, 3, 3};
    for (const auto& t : cases)
        EXPECT_EQ(TateCaseComponents(t.c, t.Kento, earth[t.c - 1], outer[t.c - 1], inner[t.c - 1]),
                  t.expected)
            << "case " << t.c << " Kento " << t.Kento;
}

TEST(DesignCases, EnvelopeStaysOnItsSide) {
    Envelope all_pos, all_neg, mixed;
    for (double v : {3.0, 1.0, 2.0})
        all_pos.take(v);
    for (double v : {-3.0, -1.0})
        all_neg.take(v);
    for (double v : {-2.0, 4.0, 0.0})
        mixed.take(v);
    EXPECT_EQ(all_pos.max, 3);
    EXPECT_EQ(all_pos.min, 0);
    EXPECT_EQ(all_neg.max, 0);
    EXPECT_EQ(all_neg.min, -3);
    EXPECT_EQ(mixed.max, 4);
    EXPECT_EQ(mixed.min, -2);
}

TeibanInputs slabExample() {
    TeibanInputs in;
    in.HWi = 2;
    in.B = 2;
    in.T2 = 0.3;
    in.T3 = 0.3;
    in.TB = 0;
    in.Kento = 1;
    in.Gw = 9.8;
    in.Gsc = 24.5;
    in.W = {60.0, 80.0, 80.0};
    in.Pv = {5.0, 0.0, 4.0};
    in.Up = 3;
    in.U = 1.5;
    in.TateM = {6, 0, -2};
    return in;
}

TEST(SlabDesign, ThreePointsOverThreeCases) {
    TeibanSlots s;
    CalcTeibanForces(slabExample(), s);
    EXPECT_DOUBLE_EQ(value(s.TeibanL), 2.3);
    EXPECT_DOUBLE_EQ(value(s.TeibanBw), 2.3);  // no footing: the span, not B + 2·T2
    EXPECT_DOUBLE_EQ(value(s.TeibanWw), 19.6);
    EXPECT_DOUBLE_EQ(value(s.TeibanWs), 7.35);
    for (const auto& wp : s.TeibanWp)
        EXPECT_EQ(wp->WP(), 0);
    EXPECT_DOUBLE_EQ(s.TeibanWr(1)->WR(), 29.13);  // (2·5 + 60 − 3)/2.3
    EXPECT_DOUBLE_EQ(s.TeibanWr(2)->WR(), 34.78);
    EXPECT_DOUBLE_EQ(s.TeibanWr(3)->WR(), 38.26);
    EXPECT_EQ(s.TeibanWr(2)->U, 0);  // the uplift force loads case 1 only
    EXPECT_DOUBLE_EQ(s.TeibanW(1), 29.13 - 7.35 + 1.5);
    EXPECT_DOUBLE_EQ(s.TeibanW(2), 34.78 - 7.35 - 19.6);
    EXPECT_DOUBLE_EQ(s.TeibanW(3), 38.26 - 7.35 - 19.6);

    const CTeibanMS& ms1 = *s.TeibanMS(1);
    ASSERT_EQ(ms1.XSM().Count(), 3);
    EXPECT_EQ(ms1.XSM().Item(2)->x, 0.15);
    EXPECT_EQ(ms1.XSM().Item(3)->x, 1.15);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(1)->S, 26.77);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(2)->M, 2.25);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(3)->M, -9.39);
    // Kento 1 leaves case 2 out: no end moment, no load.
    EXPECT_EQ(s.TeibanMS(2)->Ms, 0);
    EXPECT_EQ(s.TeibanMS(2)->WR, 0);
    for (const clsXSM& p : s.TeibanMS(2)->XSM())
        EXPECT_EQ(p.M, 0);

    EXPECT_DOUBLE_EQ(s.TeibanMmax(1), 6);
    EXPECT_DOUBLE_EQ(s.TeibanMmin(1), -2);
    EXPECT_DOUBLE_EQ(s.TeibanSmax(2), 23.28);
    EXPECT_DOUBLE_EQ(s.TeibanMmin(3), -9.48);  // case 3 governs mid-span
    EXPECT_EQ(s.TeibanMmax(3), 0);
    EXPECT_EQ(s.TeibanSmin(1), 0);
}

TEST(SlabDesign, ReactionWidthWithFootings) {
    struct {
        double TB, Bw;
    } cases[] = {{0, 2.3}, {0.0089, 2.3}, {0.0095, 2 * 0.3095 + 2}, {0.01, 2.62}, {0.5, 3.6}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TeibanReactionWidth(2, 0.3, c.TB), c.Bw) << c.TB;
}

TEST(SlabDesign, KentoTwoLeavesCaseThreeOut) {
    TeibanInputs in = slabExample();
    in.Kento = 2;
    TeibanSlots s;
    CalcTeibanForces(in, s);
    for (const clsXSM& p : s.TeibanMS(3)->XSM()) {
        EXPECT_EQ(p.S, 0);
        EXPECT_EQ(p.M, 0);
    }
    EXPECT_DOUBLE_EQ(s.TeibanMmin(1), 0);
    EXPECT_NE(s.TeibanMS(2)->WR, 0);
}

TEST(SlabDesign, MissingObjectStopsWhereItIsRead) {
    TeibanInputs in = slabExample();
    in.W[1].reset();
    TeibanSlots s;
    EXPECT_THROW(CalcTeibanForces(in, s), ArithmeticFault);
    EXPECT_DOUBLE_EQ(value(s.TeibanWs), 7.35);
    EXPECT_NE(s.TeibanWr(1), nullptr);
    EXPECT_DOUBLE_EQ(s.TeibanWr(1)->WR(), 29.13);
    ASSERT_TRUE(s.TeibanWr(2) != nullptr);  // created, then the read failed
    EXPECT_EQ(s.TeibanWr(2)->W, 0);
    EXPECT_EQ(s.TeibanWr(3), nullptr);
    EXPECT_EQ(s.TeibanMS(1), nullptr);

    in = slabExample();
    in.U.reset();
    TeibanSlots s2;
    EXPECT_THROW(CalcTeibanForces(in, s2), ArithmeticFault);
    EXPECT_NE(s2.TeibanWr(3), nullptr);
    EXPECT_EQ(s2.TeibanW(1), 0);
}

TEST(SlabDesign, ZeroSpanFaultsOnlyInsideTheClasses) {
    TeibanInputs in = slabExample();
    in.B = 0;
    in.T2 = 0;
    TeibanSlots s;
    CalcTeibanForces(in, s);  // the classes keep their faults in Error
    EXPECT_NE(s.TeibanWp(1)->Error(), 0);
    EXPECT_NE(s.TeibanWr(1)->Error(), 0);
    EXPECT_EQ(s.TeibanWr(1)->WR(), 0);
    EXPECT_EQ(s.TeibanMS(1)->Error(), 0);
}

FootingInputs footingExample() {
    FootingInputs in;
    in.H = 2;
    in.T3 = 0.4;
    in.TB = 0.8;
    in.HW = 1.0;
    in.Kento = 3;
    in.Gs = 18;
    in.Gt = 20;
    in.Pv1 = 6;
    in.Pv3 = 8;
    in.TeibanWs = 9.8;
    in.TeibanU = 3;
    in.WR = {30.0, 35.0, 40.0};
    return in;
}

TEST(FootingDesign, RootMomentAndShearSection) {
    FootingSlots s;
    CalcFootingForces(footingExample(), s);
    EXPECT_DOUBLE_EQ(value(s.FootingHw), 0.6);
    EXPECT_DOUBLE_EQ(value(s.FootingHd), 1.4);
    EXPECT_DOUBLE_EQ(s.FootingWs(1), 37.2);
    EXPECT_EQ(s.FootingWs(2), 0);
    EXPECT_DOUBLE_EQ(s.FootingWs(3), 36);
    EXPECT_DOUBLE_EQ(s.FootingWr(1), -14);
    EXPECT_DOUBLE_EQ(s.FootingWr(2), 25.2);
    EXPECT_DOUBLE_EQ(s.FootingWr(3), -5.8);
    EXPECT_DOUBLE_EQ(s.FootingWp(1), 15);
    EXPECT_EQ(s.FootingWp(2), 0);
    EXPECT_DOUBLE_EQ(s.FootingWp(3), 20);

    const CFootingMS& ms1 = *s.FootingMS(1);
    ASSERT_EQ(ms1.XSM().Count(), 2);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(1)->x, 0.8);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(2)->x, 0.6);  // T3/2 from the root
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(1)->S, -17.2);
    EXPECT_DOUBLE_EQ(ms1.XSM().Item(1)->M, -7.68);
    EXPECT_DOUBLE_EQ(ms1.XSMp().Item(2)->S, -5.63);
    EXPECT_DOUBLE_EQ(ms1.XSMp().Item(2)->M, -2.03);

    EXPECT_DOUBLE_EQ(value(s.FootingMmax), 8.06);
    EXPECT_DOUBLE_EQ(value(s.FootingMmin), -7.68);
    EXPECT_DOUBLE_EQ(value(s.FootingSpos), 15.12);  // case 2 bends the footing upward
    EXPECT_DOUBLE_EQ(value(s.FootingSneg), 14.03);  // case 1 beats case 3 (10.98)
}

TEST(FootingDesign, GroundwaterBelowTheSlabTop) {
    FootingInputs in = footingExample();
    in.HW = 0.3;
    FootingSlots s;
    CalcFootingForces(in, s);
    EXPECT_EQ(value(s.FootingHw), 0);
    EXPECT_EQ(value(s.FootingHd), 2);
    EXPECT_DOUBLE_EQ(s.FootingWs(1), 36);
}

TEST(FootingDesign, KentoOneLeavesCaseTwoOut) {
    FootingInputs in = footingExample();
    in.Kento = 1;
    FootingSlots s;
    CalcFootingForces(in, s);
    EXPECT_EQ(s.FootingMS(2)->WR, 0);
    EXPECT_EQ(s.FootingMS(2)->WP, 0);
    EXPECT_EQ(value(s.FootingMmax), 0);  // only negative root moments remain
    EXPECT_DOUBLE_EQ(value(s.FootingMmin), -7.68);
    EXPECT_EQ(value(s.FootingSpos), 0);
}

TEST(FootingDesign, ShearSectionOffset) {
    struct {
        double T3, TB, e;
    } cases[] = {{0.4, 0.8, 0.2},  {0.4, 0.2, 0},    {0.4, 0.1995, 0},  {0.4, 0.15, 0},
                 {0.5, 0.3, 0.25}, {0.3, 0.5, 0.15}, {0.4, 0.2015, 0.2}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(FootingShearOffset(c.T3, c.TB), c.e) << c.T3 << " " << c.TB;
}

TEST(FootingDesign, ZeroLengthFaultsAtTheTriangularLoad) {
    FootingInputs in = footingExample();
    in.TB = 0;
    FootingSlots s;
    EXPECT_THROW(CalcFootingForces(in, s), ArithmeticFault);
    EXPECT_DOUBLE_EQ(s.FootingWr(3), -5.8);
    EXPECT_EQ(s.FootingWp(1), 0);
    EXPECT_EQ(s.FootingMS(1), nullptr);
}

TEST(SectionFill, BondStressText) {
    struct {
        const char* text;
        double value;
    } good[] = {{"1.5", 1.5}, {"0.75", 0.75}, {" 1.7 ", 1.7}, {".5", 0.5},
                {"+2", 2},    {"-1", -1},     {"1e0", 1}};
    for (const auto& g : good)
        EXPECT_EQ(ToaNumber(g.text), g.value) << g.text;
    for (const char* bad : {"", " ", "abc", "1.5x", "1,5", "nan", "inf", "-", "1e999"})
        EXPECT_THROW(ToaNumber(bad), ArithmeticFault) << bad;
}

TEST(SectionFill, WritesTheFaceFromTheRecords) {
    CInpZairyo z;  // SD295, σca 8, σsa 157, τa 0.42, τoa "1.5"
    CInpHaikinS bars{16, 200};
    CRcKukei rc;
    FillSectionCheck(rc, 50, 60, 400, 70, bars, z);
    EXPECT_EQ(rc.Error(), 0);
    EXPECT_EQ(rc.Zai, 2);
    EXPECT_EQ(rc.Tca, 0.42);
    EXPECT_EQ(rc.Toa, 1.5);
    EXPECT_DOUBLE_EQ(rc.Ss(), 166.98);
    EXPECT_EQ(rc.HanteiSs(), "OUT");  // against 157

    z.Toa = "x";
    CRcKukei bad;
    EXPECT_THROW(FillSectionCheck(bad, 50, 60, 400, 70, bars, z), ArithmeticFault);
    EXPECT_EQ(bad.Tca, 0.42);          // written before the conversion
    EXPECT_EQ(bad.HanteiSs(), "OUT");  // never calculated
}

}  // namespace
}  // namespace nuvra::calc
