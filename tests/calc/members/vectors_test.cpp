// Cross-checks against the reference designs in tests/vectors: every member-design
// object of their result stores is recalculated from its own inputs, and the slab,
// footing and wall pieces from the design file and the load results of the store.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calc/common/rounding.h"
#include "calc/members/curtailment.h"
#include "calc/members/design_cases.h"
#include "calc/members/footing_design.h"
#include "calc/members/section_fill.h"
#include "calc/members/slab_design.h"
#include "calc/members/wall_design.h"
#include "design/input_file.h"
#include "json_value.h"
#include "test_util.h"

namespace nuvra::calc {
namespace {

// Read-only view of a parsed JSON value, indexed by key or by position.
class Json {
  public:
    Json() = default;
    explicit Json(const test::JsonValue* v) : v_(v) {}
    Json operator[](const char* key) const { return Json(&(*v_)[key]); }
    Json operator[](std::size_t i) const { return Json(&v_->items.at(i)); }
    Json operator[](int i) const { return (*this)[static_cast<std::size_t>(i)]; }
    double d() const {
        if (v_->kind != test::JsonValue::Kind::Number) throw std::runtime_error("not a number");
        return v_->number;
    }
    const std::string& str() const { return v_->text; }
    bool b() const { return v_->boolean; }
    bool isNull() const { return v_->isNull(); }
    std::vector<Json> arr() const {
        std::vector<Json> a;
        for (const test::JsonValue& x : v_->items)
            a.emplace_back(&x);
        return a;
    }

  private:
    const test::JsonValue* v_ = nullptr;
};

struct Vector {
    std::string name;
    DesignData design;
    test::JsonValue doc;
    Json store() const { return Json(&doc); }
};

const std::vector<Vector>& vectors() {
    static const std::vector<Vector> all = [] {
        std::vector<Vector> v;
        std::string dir = test::vectorsDir();
        if (dir.empty()) return v;
        for (int i = 1; i <= 99; ++i) {
            std::string base = dir + "/vec-" + (i < 10 ? "0" : "") + std::to_string(i);
            if (!std::filesystem::exists(base + ".json")) continue;
            Vector x;
            x.name = base;
            if (!LoadInputFile(x.design, base + ".nvr").ok) continue;
            x.doc = test::parseJson(test::readFile(base + ".json"));
            v.push_back(std::move(x));
        }
        return v;
    }();
    return all;
}

#define FOR_EACH_VECTOR(v)                                             \
    if (vectors().empty()) GTEST_SKIP() << "reference designs absent"; \
    for (const Vector& v : vectors())

constexpr double kEps = 1e-9;

void expectRc(const Json& ref, const CRcKukei& rc) {
    EXPECT_EQ(ref["Error"].d() != 0, rc.Error() != 0);
    const std::pair<const char*, double> nums[] = {
        {"Md", rc.Md},   {"Sd", rc.Sd},   {"H", rc.H},     {"d1", rc.d1},   {"Zai", rc.Zai},
        {"Dia", rc.Dia}, {"ctc", rc.ctc}, {"Sca", rc.Sca}, {"Ssa", rc.Ssa}, {"Tca", rc.Tca},
        {"Toa", rc.Toa}, {"N", rc.N},     {"B", rc.B()},   {"d", rc.d()},   {"Asi", rc.Asi()},
        {"U", rc.U()},   {"P", rc.P()},   {"k", rc.k()},   {"j", rc.j()},   {"Sc", rc.Sc()},
        {"Ss", rc.Ss()}, {"Tc", rc.Tc()}, {"T0", rc.T0()}};
    for (const auto& [key, value] : nums)
        EXPECT_NEAR(value, ref[key].d(), kEps) << key;
    EXPECT_EQ(rc.HanteiSc(), ref["HanteiSc"].str());
    EXPECT_EQ(rc.HanteiSs(), ref["HanteiSs"].str());
    EXPECT_EQ(rc.HanteiTc(), ref["HanteiTc"].str());
    EXPECT_EQ(rc.HanteiTo(), ref["HanteiTo"].str());
}

void expectPoints(const Json& ref, const colXSM& pts) {
    ASSERT_EQ(static_cast<std::size_t>(pts.Count()), ref.arr().size());
    for (std::int32_t i = 1; i <= pts.Count(); ++i) {
        const Json r = ref[static_cast<std::size_t>(i - 1)];
        EXPECT_NEAR(pts.Item(i)->x, r["x"].d(), kEps) << i;
        EXPECT_NEAR(pts.Item(i)->S, r["S"].d(), kEps) << i;
        EXPECT_NEAR(pts.Item(i)->M, r["M"].d(), kEps) << i;
    }
}

TEST(Vectors, SectionChecksFromTheirInputs) {
    FOR_EACH_VECTOR(v) {
        std::vector<Json> objs;
        for (const char* slot : {"TateRc", "TeibanRc", "FootingRc"})
            for (const Json& o : v.store()[slot].arr())
                objs.push_back(o);
        objs.push_back(v.store()["DanRc"]);
        for (const Json& r : objs) {
            SCOPED_TRACE(v.name);
            CRcKukei rc;
            rc.Md = r["Md"].d();
            rc.Sd = r["Sd"].d();
            rc.H = r["H"].d();
            rc.d1 = r["d1"].d();
            rc.Zai = static_cast<std::int32_t>(r["Zai"].d());
            rc.Dia = r["Dia"].d();
            rc.ctc = r["ctc"].d();
            rc.Sca = r["Sca"].d();
            rc.Ssa = r["Ssa"].d();
            rc.Tca = r["Tca"].d();
            rc.Toa = r["Toa"].d();
            rc.Calc();
            expectRc(r, rc);
        }
    }
}

TEST(Vectors, SlabAndFootingClassesFromTheirInputs) {
    FOR_EACH_VECTOR(v) {
        SCOPED_TRACE(v.name);
        for (const Json& r : v.store()["TeibanWp"].arr()) {
            CWp o;
            o.Pv = r["Pv"].d();
            o.B = r["B"].d();
            o.Calc();
            EXPECT_NEAR(o.WP(), r["WP"].d(), kEps);
        }
        for (const Json& r : v.store()["TeibanWr"].arr()) {
            CWr o;
            o.W = r["W"].d();
            o.Pv = r["Pv"].d();
            o.U = r["U"].d();
            o.B = r["B"].d();
            o.Calc();
            EXPECT_NEAR(o.WR(), r["WR"].d(), kEps);
        }
        for (const Json& r : v.store()["TeibanMS"].arr()) {
            CTeibanMS o;
            o.Ms = r["Ms"].d();
            o.WR = r["WR"].d();
            o.bl = r["bl"].d();
            for (const Json& p : r["XSM"].arr())
                o.XSM().Add(p["x"].d());
            o.Calc();
            expectPoints(r["XSM"], o.XSM());
        }
        for (const Json& r : v.store()["FootingMS"].arr()) {
            CFootingMS o;
            o.WR = r["WR"].d();
            o.WP = r["WP"].d();
            o.bl = r["bl"].d();
            for (const Json& p : r["XSM"].arr())
                o.XSM().Add(p["x"].d());
            o.Calc();
            expectPoints(r["XSMr"], o.XSMr());
            expectPoints(r["XSMp"], o.XSMp());
            expectPoints(r["XSM"], o.XSM());
        }
    }
}

std::vector<PressureSegment> segments(const Json& pressure) {
    std::vector<PressureSegment> s;
    for (const Json& q : pressure["Qdi"].arr())
        s.push_back({q["EU"].d(), q["H"].d(), q["PU"].d(), q["PL"].d()});
    return s;
}

TEST(Vectors, WallForcesFromThePressures) {
    FOR_EACH_VECTOR(v) {
        SCOPED_TRACE(v.name);
        const CInpJyoken& j = v.design.objInpJyoken;
        const Json out = v.store()["TateRwpOut"];
        const Json in = v.store()["TateRwpIn"];
        EXPECT_EQ(TateOuterRWL(j.HW, j.T3 * 0.5), out["ELRWL"].d());
        Envelope m, s;
        for (int c = 1; c <= 3; ++c) {
            const Json earth = v.store()["TateEarthP"][c - 1];
            const Json wo = v.store()["TateWaterOutP"][c - 1];
            const Json wi = v.store()["TateWaterInP"][c - 1];
            EXPECT_EQ(segments(wo),
                      TateWaterOutSegments(c, out["ELGL"].d(), out["ELRWL"].d(), out["ELLWL"].d(),
                                           out["ELDL"].d(), out["Pw"].d(), out["DH"].d()));
            EXPECT_EQ(segments(wi),
                      TateWaterInSegments(c, in["ELGL"].d(), in["ELRWL"].d(), in["ELLWL"].d(),
                                          out["ELDL"].d(), in["Pw"].d(), in["DH"].d()));
            auto M = TateCaseComponents(c, j.Kento, earth["M"].d(), wo["M"].d(), wi["M"].d());
            auto S = TateCaseComponents(c, j.Kento, earth["P"].d(), wo["P"].d(), wi["P"].d());
            for (int k = 0; k < 4; ++k) {
                EXPECT_NEAR(M[k], v.store()["TateM"][c - 1][k].d(), kEps) << c << " " << k;
                EXPECT_NEAR(S[k], v.store()["TateS"][c - 1][k].d(), kEps) << c << " " << k;
            }
            m.take(M[3]);
            s.take(S[3]);
        }
        EXPECT_NEAR(m.max, v.store()["TateMmax"].d(), kEps);
        EXPECT_NEAR(m.min, v.store()["TateMmin"].d(), kEps);
        EXPECT_NEAR(s.max, v.store()["TateSmax"].d(), kEps);
        EXPECT_NEAR(s.min, v.store()["TateSmin"].d(), kEps);
    }
}

TEST(Vectors, SlabForcesFromTheLoads) {
    FOR_EACH_VECTOR(v) {
        SCOPED_TRACE(v.name);
        const CInpJyoken& j = v.design.objInpJyoken;
        const Json st = v.store();
        TeibanInputs in;
        in.HWi = j.HWi;
        in.B = j.B;
        in.T2 = j.T2;
        in.T3 = j.T3;
        in.TB = j.TB;
        in.Kento = j.Kento;
        in.Gw = v.design.objInpZairyo.Gw;
        in.Gsc = v.design.objInpZairyo.Gsc;
        for (int c = 0; c < 3; ++c) {
            for (const Json& row : st["objWeight"][c]["Weight"].arr())
                if (row["Title"].str() == "合計") in.W[c] = row["Weight"].d();
            in.Pv[c] = st["objPressure"][c]["Pv"].d();
            in.TateM[c] = st["TateM"][c][3].d();
        }
        in.Up = st["objYouatsuryoku"]["Up"].d();
        in.U = st["objYouatsuryoku"]["U"].d();
        TeibanSlots s;
        CalcTeibanForces(in, s);
        EXPECT_NEAR(value(s.TeibanL), st["TeibanL"].d(), kEps);
        EXPECT_NEAR(value(s.TeibanBw), st["TeibanBw"].d(), kEps);
        EXPECT_NEAR(value(s.TeibanWw), st["TeibanWw"].d(), kEps);
        EXPECT_NEAR(value(s.TeibanWs), st["TeibanWs"].d(), kEps);
        EXPECT_NEAR(value(s.TeibanU), st["TeibanU"].d(), kEps);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(s.TeibanWp(c + 1)->B, st["TeibanWp"][c]["B"].d(), kEps);
            EXPECT_NEAR(s.TeibanWr(c + 1)->U, st["TeibanWr"][c]["U"].d(), kEps);
            EXPECT_NEAR(s.TeibanWr(c + 1)->WR(), st["TeibanWr"][c]["WR"].d(), kEps);
            EXPECT_NEAR(s.TeibanW(c + 1), st["TeibanW"][c].d(), kEps);
            EXPECT_NEAR(s.TeibanMS(c + 1)->Ms, st["TeibanMS"][c]["Ms"].d(), kEps);
            EXPECT_NEAR(s.TeibanMS(c + 1)->WR, st["TeibanMS"][c]["WR"].d(), kEps);
            expectPoints(st["TeibanMS"][c]["XSM"], s.TeibanMS(c + 1)->XSM());
            EXPECT_NEAR(s.TeibanMmax(c + 1), st["TeibanMmax"][c].d(), kEps);
            EXPECT_NEAR(s.TeibanMmin(c + 1), st["TeibanMmin"][c].d(), kEps);
            EXPECT_NEAR(s.TeibanSmax(c + 1), st["TeibanSmax"][c].d(), kEps);
            EXPECT_NEAR(s.TeibanSmin(c + 1), st["TeibanSmin"][c].d(), kEps);
        }
    }
}

TEST(Vectors, FootingForcesFromTheLoads) {
    int withFootings = 0;
    FOR_EACH_VECTOR(v) {
        const Json st = v.store();
        if (!st["blnFooting"].b()) {
            EXPECT_TRUE(st["FootingMS"].isNull());
            continue;
        }
        ++withFootings;
        SCOPED_TRACE(v.name);
        const CInpJyoken& j = v.design.objInpJyoken;
        FootingInputs in;
        in.H = j.H;
        in.T3 = j.T3;
        in.TB = j.TB;
        in.HW = j.HW;
        in.Kento = j.Kento;
        in.Gs = v.design.objInpZairyo.Gs;
        in.Gt = v.design.objInpZairyo.Gt;
        in.Pv1 = st["objPressure"][0]["Pv"].d();
        in.Pv3 = st["objPressure"][2]["Pv"].d();
        in.TeibanWs = st["TeibanWs"].d();
        in.TeibanU = st["TeibanU"].d();
        for (int c = 0; c < 3; ++c)
            in.WR[c] = st["TeibanWr"][c]["WR"].d();
        FootingSlots s;
        CalcFootingForces(in, s);
        EXPECT_NEAR(value(s.FootingHw), st["FootingHw"].d(), kEps);
        EXPECT_NEAR(value(s.FootingHd), st["FootingHd"].d(), kEps);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(s.FootingWs(c + 1), st["FootingWs"][c].d(), kEps);
            EXPECT_NEAR(s.FootingWr(c + 1), st["FootingWr"][c].d(), kEps);
            EXPECT_NEAR(s.FootingWp(c + 1), st["FootingWp"][c].d(), kEps);
            const Json ms = st["FootingMS"][c];
            EXPECT_NEAR(s.FootingMS(c + 1)->WR, ms["WR"].d(), kEps);
            EXPECT_NEAR(s.FootingMS(c + 1)->WP, ms["WP"].d(), kEps);
            expectPoints(ms["XSMr"], s.FootingMS(c + 1)->XSMr());
            expectPoints(ms["XSMp"], s.FootingMS(c + 1)->XSMp());
            expectPoints(ms["XSM"], s.FootingMS(c + 1)->XSM());
        }
        EXPECT_NEAR(value(s.FootingMmax), st["FootingMmax"].d(), kEps);
        EXPECT_NEAR(value(s.FootingMmin), st["FootingMmin"].d(), kEps);
        EXPECT_NEAR(value(s.FootingSpos), st["FootingSpos"].d(), kEps);
        EXPECT_NEAR(value(s.FootingSneg), st["FootingSneg"].d(), kEps);
    }
    EXPECT_GT(withFootings, 0);
}

TEST(Vectors, FaceChecksFromTheDesign) {
    FOR_EACH_VECTOR(v) {
        SCOPED_TRACE(v.name);
        const DesignData& d = v.design;
        const Json st = v.store();
        const double T2 = d.objInpJyoken.T2 * 1000, T3 = d.objInpJyoken.T3 * 1000;
        struct Face {
            const char* slot;
            int face;
            double Md, Sd, H, d1;
            const CInpHaikinS& bars;
        };
        std::vector<Face> faces = {
            {"TateRc", 0, std::fabs(st["TateMmax"].d()), std::fabs(st["TateSmax"].d()), T2,
             d.objInpKaburi.TateSoto, d.objInpHaikin.TateSoto},
            {"TateRc", 1, std::fabs(st["TateMmin"].d()), std::fabs(st["TateSmin"].d()), T2,
             d.objInpKaburi.TateUchi, d.objInpHaikin.TateUchi},
            {"TeibanRc", 0, std::fabs(st["TeibanMmax"][0].d()), std::fabs(st["TeibanSmax"][1].d()),
             T3, d.objInpKaburi.SokoSita, d.objInpHaikin.SokoSita},
            {"TeibanRc", 1, std::fabs(st["TeibanMmin"][2].d()), std::fabs(st["TeibanSmin"][2].d()),
             T3, d.objInpKaburi.SokoUe, d.objInpHaikin.SokoUe},
        };
        if (st["blnFooting"].b()) {
            faces.push_back({"FootingRc", 0, std::fabs(st["FootingMmax"].d()),
                             st["FootingSpos"].d(), T3, d.objInpKaburi.SokoSita,
                             d.objInpHaikin.FootingSita});
            faces.push_back({"FootingRc", 1, std::fabs(st["FootingMmin"].d()),
                             st["FootingSneg"].d(), T3, d.objInpKaburi.SokoUe,
                             d.objInpHaikin.FootingUe});
        }
        for (const Face& f : faces) {
            SCOPED_TRACE(testing::Message() << f.slot << " " << f.face + 1);
            CRcKukei rc;
            FillSectionCheck(rc, f.Md, f.Sd, f.H, f.d1, f.bars, d.objInpZairyo);
            expectRc(st[f.slot][static_cast<std::size_t>(f.face)], rc);
        }
    }
}

TEST(Vectors, CurtailmentGeometryAndFinalSection) {
    FOR_EACH_VECTOR(v) {
        SCOPED_TRACE(v.name);
        const DesignData& d = v.design;
        const Json st = v.store();
        const WallShape w{d.objInpJyoken.H, d.objInpJyoken.T1, d.objInpJyoken.T2,
                          d.objInpJyoken.T3};
        const Json out = st["TateRwpOut"];
        EXPECT_EQ(segments(st["DanWaterP"]),
                  TateWaterOutSegments(1, out["ELGL"].d(), out["ELRWL"].d(), out["ELLWL"].d(),
                                       out["ELDL"].d(), out["Pw"].d(), out["DH"].d()));

        CRcKukei rc;
        FillDanRc(rc, d);
        EXPECT_EQ(rc.ctc, 2 * d.objInpHaikin.TateSoto.ctc);

        // The heights of the diagram depend on the geometry alone.
        DanotoshiSlots s;
        TraceSteelStress(
            rc, w, [](double) { return 0.0; }, s);
        for (int i = 0; i <= 20; ++i)
            EXPECT_NEAR(s.DanHeight(i), st["DanHeight"][static_cast<std::size_t>(i)].d(), kEps);

        // The store keeps the pressures and the section at the last level evaluated,
        // the level of the search against σsa/2.
        const double level = st["DanEarthP"]["WL"].d();
        const double moment = st["DanEarthP"]["M"].d() + st["DanWaterP"]["M"].d();
        const double half = 0.5 * d.objInpZairyo.Ssa;
        EvaluateAt(
            rc, w, level, [&](double) { return moment; }, &half);
        expectRc(st["DanRc"], rc);
        EXPECT_EQ(RoundDecimal((level - w.T3 * 0.5) * 1000, 0), st["DanH2"].d());
        EXPECT_EQ(st["DanLa"].d(), 30 * d.objInpHaikin.TateSoto.Dia);
        EXPECT_NEAR(st["DanDLa"].d(), st["DanD"].d() + st["DanLa"].d(), kEps);
        EXPECT_NEAR(st["DanL1"].d(), st["DanH1"].d() + st["DanDLa"].d(), kEps);
        EXPECT_EQ(st["DanHcut"].d(), std::max(st["DanL1"].d(), st["DanH2"].d()));
    }
}

}  // namespace
}  // namespace nuvra::calc
