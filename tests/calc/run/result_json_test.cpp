#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/run/calc_run.h"
#include "calc/run/json_writer.h"
#include "calc/run/result_json.h"
#include "calc/run/result_lines.h"
#include "json_value.h"

namespace nuvra::calc {
namespace {

using Keys = std::vector<std::string>;

const Keys kTopLevel = {
    "RunCalculation", "blnFooting",  "objWeight",     "objYouatsuryoku", "objQqw",
    "objKh",          "objSpa",      "objKhWall",     "objSpaWall",      "objPressure",
    "objUkiagari",    "objNcNrNq",   "objQa",         "objQmax",         "TateRwpOut",
    "TateRwpIn",      "TateEarthP",  "TateWaterOutP", "TateWaterInP",    "TateM",
    "TateS",          "TateMmax",    "TateMmin",      "TateSmax",        "TateSmin",
    "TateRc",         "TeibanL",     "TeibanBw",      "TeibanWw",        "TeibanWs",
    "TeibanWp",       "TeibanWr",    "TeibanU",       "TeibanW",         "TeibanMS",
    "TeibanMmax",     "TeibanMmin",  "TeibanSmax",    "TeibanSmin",      "TeibanRc",
    "FootingHw",      "FootingHd",   "FootingWs",     "FootingWr",       "FootingWp",
    "FootingMS",      "FootingMmax", "FootingMmin",   "FootingSpos",     "FootingSneg",
    "FootingRc",      "DanEarthP",   "DanWaterP",     "DanRc",           "DanHeight",
    "DanSs",          "DanH1",       "DanD",          "DanLa",           "DanDLa",
    "DanL1",          "DanH2",       "DanHcut"};

test::JsonValue runDefault(bool* okOut = nullptr) {
    DesignData d;
    d.objInpJyoken.HW = 1;  // a split layer in case 1
    ResultStore s;
    bool ok = RunCalculation(d, s);
    if (okOut) *okOut = ok;
    return test::parseJson(ResultJson(s, ok));
}

TEST(ResultJson, TopLevelKeysInContractOrder) {
    bool ok = false;
    test::JsonValue doc = runDefault(&ok);
    EXPECT_EQ(doc.keys(), kTopLevel);
    EXPECT_TRUE(doc["RunCalculation"].boolean);
    EXPECT_TRUE(ok);
    // No footings: exactly the footing slots stay unassigned.
    for (std::size_t i = 14; i < kTopLevel.size(); ++i)
        EXPECT_EQ(doc[kTopLevel[i]].isNull(), kTopLevel[i].rfind("Footing", 0) == 0)
            << kTopLevel[i];
}

TEST(ResultJson, ShapesOfTheMemberSlots) {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    test::JsonValue doc = test::parseJson(ResultJson(s, true));
    const std::pair<const char*, std::size_t> arrays[] = {
        {"TateEarthP", 3}, {"TateWaterOutP", 3}, {"TateWaterInP", 3}, {"TateM", 3},
        {"TateS", 3},      {"TateRc", 2},        {"TeibanWp", 3},     {"TeibanWr", 3},
        {"TeibanW", 3},    {"TeibanMS", 3},      {"TeibanMmax", 3},   {"TeibanMmin", 3},
        {"TeibanSmax", 3}, {"TeibanSmin", 3},    {"TeibanRc", 2},     {"FootingWs", 3},
        {"FootingWr", 3},  {"FootingWp", 3},     {"FootingMS", 3},    {"FootingRc", 2},
        {"DanHeight", 21}, {"DanSs", 21}};
    for (const auto& [key, n] : arrays) {
        ASSERT_EQ(doc[key].kind, test::JsonValue::Kind::Array) << key;
        EXPECT_EQ(doc[key].items.size(), n) << key;
    }
    for (const test::JsonValue& row : doc["TateM"].items)
        EXPECT_EQ(row.items.size(), 4u);
    for (const char* key : {"TateMmax", "TeibanL", "FootingSneg", "DanHcut"})
        EXPECT_EQ(doc[key].kind, test::JsonValue::Kind::Number) << key;
    EXPECT_EQ(doc["TeibanMS"].items[0]["XSM"].items.size(), 3u);
    EXPECT_EQ(doc["FootingMS"].items[0]["XSM"].items.size(), 2u);
    // Longs as integers, verdicts as texts.
    EXPECT_EQ(doc["TateRc"].items[0]["Zai"].text, "2");
    EXPECT_EQ(doc["DanRc"]["HanteiSs"].kind, test::JsonValue::Kind::String);
}

TEST(ResultJson, EveryPropertyOfEveryClass) {
    test::JsonValue doc = runDefault();
    struct Case {
        const test::JsonValue* obj;
        Keys keys;
    };
    const test::JsonValue& weight = doc["objWeight"].items.at(0);
    const test::JsonValue& kh = doc["objKh"].items.at(0);
    const test::JsonValue& spa = doc["objSpa"].items.at(0);
    const test::JsonValue& pressure = doc["objPressure"].items.at(0);
    const Case cases[] = {
        {&weight, {"Origin", "Kh", "Kv",     "CaseNo", "H",   "B",   "T1",  "T2",
                   "T3",     "T4", "TB",     "HW",     "HWi", "Gsc", "Gs",  "Gt",
                   "Gd",     "Gw", "Weight", "He",     "MHe", "Ve",  "MVe", "Error"}},
        {&weight["Weight"].items.at(0),
         {"Title", "SectType", "Size1", "Size2", "Size3", "N", "Area", "G", "Weight", "X", "Y",
          "Mx", "My"}},
        {&doc["objYouatsuryoku"], {"B", "T2", "TB", "HW", "Gw", "UB", "U", "Up", "Error"}},
        {&doc["objQqw"],
         {"H",  "Keijyo", "D1X", "D1Q", "D2m", "D2Q", "D3X1", "D3X2", "D3Ho", "D3Gs", "D3Q",
          "Xq", "Xw",     "XHq", "XHw", "Iq",  "Iw",  "QQ",   "Qw",   "Q",    "Error"}},
        {&kh, {"Siki", "Kh", "Q", "Gw", "RWLKh", "RWL", "AddEL", "Jiban", "GtHi", "Error"}},
        {&kh["AddEL"].items.at(0), {"EL"}},
        {&kh["Jiban"].items.at(1), {"No",    "EU",    "EL",     "H",    "Gs1",  "Gs2",   "Gs3",
                                    "Gs1Hi", "Gs2Hi", "Gs22Hi", "GHj",  "GHj2", "Gs3Hi", "Gs3HU",
                                    "Gs3HL", "HwU",   "HwL",    "GwHU", "GwHL", "KhU",   "KhL"}},
        {&spa, {"Q", "Beta", "Jei", "Delta", "ELGL", "ELDL", "Jiban", "Q2", "Error"}},
        {&spa["Jiban"].items.at(1),
         {"No",  "EU", "EL",  "H",   "Kind",  "Gs",    "Fai", "CU", "CL",  "KhU",
          "KhL", "GH", "GHU", "GHL", "ZetaU", "ZetaL", "TU",  "TL", "KaU", "KaL",
          "PU",  "PL", "P1U", "P1L", "P2U",   "P2L",   "PaU", "PaL"}},
        {&pressure,
         {"Qdi", "WU", "WL", "THT", "Qdo", "Detail", "P", "Pv", "M", "Y", "ELY", "Error"}},
        {&pressure["Qdo"].items.at(0), {"EU", "EL", "H", "PU", "PL"}},
        {&pressure["Detail"].items.at(0), {"Section", "P", "Y", "H", "Pi", "Yi", "Mi"}},
        {&doc["objUkiagari"], {"W", "Pvo", "U", "Fa", "Pv", "Fs", "Hantei", "Error"}},
        {&doc["objNcNrNq"], {"Fai", "Nc", "Nr", "Nq", "Error"}},
        {&doc["objQa"],
         {"B", "C", "G1", "G2", "Df", "Nc", "Nr", "Nq", "Alpha", "Beta", "Qa", "Error"}},
        {&doc["objQmax"], {"W", "Pv", "B", "T2", "TB", "Qa", "Qmax", "Hantei", "Error"}},
        {&doc["TateRwpOut"], {"ELLWL", "ELRWL", "Gw", "ELGL", "ELDL", "DH", "Pw", "Error"}},
        {&doc["TateRc"].items.at(0),
         {"Error", "Md",  "Sd", "H",  "d1",       "Zai",      "Dia",      "ctc",     "Sca", "Ssa",
          "Tca",   "Toa", "N",  "B",  "d",        "Asi",      "U",        "P",       "k",   "j",
          "Sc",    "Ss",  "Tc", "T0", "HanteiSc", "HanteiSs", "HanteiTc", "HanteiTo"}},
        {&doc["TeibanWp"].items.at(0), {"Error", "Pv", "B", "WP"}},
        {&doc["TeibanWr"].items.at(0), {"Error", "W", "Pv", "U", "B", "WR"}},
        {&doc["TeibanMS"].items.at(0), {"Error", "Ms", "WR", "bl", "XSM"}},
        {&doc["TeibanMS"].items.at(0)["XSM"].items.at(0), {"x", "S", "M"}},
        {&doc["DanEarthP"],
         {"Qdi", "WU", "WL", "THT", "Qdo", "Detail", "P", "Pv", "M", "Y", "ELY", "Error"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.obj->keys(), c.keys);
    EXPECT_EQ(weight["Weight"].items.back()["Title"].text, "合計");
    EXPECT_EQ(doc["objKh"].items.size(), 3u);
    // Longs are written as integers, doubles in their shortest round-trip form.
    EXPECT_EQ(weight["CaseNo"].text, "1");
    EXPECT_EQ(weight["Weight"].items.at(0)["Weight"].text, "29.4");
}

TEST(ResultJson, UnassignedSlotsAndUnreachedCasesAreNull) {
    ResultStore s;
    test::JsonValue empty = test::parseJson(ResultJson(s, false));
    EXPECT_FALSE(empty["RunCalculation"].boolean);
    for (std::size_t i = 2; i < kTopLevel.size(); ++i)
        EXPECT_TRUE(empty[kTopLevel[i]].isNull()) << kTopLevel[i];

    // A per-case slot that a step began: the cases it did not reach are null.
    s.objWeight(1) = std::make_unique<clsWeight>();
    test::JsonValue part = test::parseJson(ResultJson(s, false));
    ASSERT_EQ(part["objWeight"].items.size(), 3u);
    EXPECT_FALSE(part["objWeight"].items[0].isNull());
    EXPECT_TRUE(part["objWeight"].items[1].isNull());
    EXPECT_TRUE(part["objWeight"].items[2].isNull());
}

TEST(ResultJson, FootingForcesHaveThreePointLists) {
    DesignData d;
    d.objInpJyoken.TB = 0.5;
    ResultStore s;
    ASSERT_TRUE(RunCalculation(d, s));
    test::JsonValue doc = test::parseJson(ResultJson(s, true));
    EXPECT_EQ(doc["FootingMS"].items.at(0).keys(),
              (Keys{"Error", "WR", "WP", "bl", "XSMr", "XSMp", "XSM"}));
}

TEST(ResultJson, PartlyFilledMemberSlots) {
    ResultStore s;
    // A number array begun by its step: the entries not reached read 0.
    s.slab.TeibanW.set(1, 4.5);
    s.curtailment.DanSs.set(0, 0);
    s.wall.TateM.set(1, 0, 2.5);
    // A face pair begun: the face not reached is null.
    s.wall.TateRc(1) = std::make_unique<CRcKukei>();
    s.slab.TeibanL = 0.0;
    test::JsonValue doc = test::parseJson(ResultJson(s, false));
    ASSERT_EQ(doc["TeibanW"].items.size(), 3u);
    EXPECT_EQ(doc["TeibanW"].items[0].number, 4.5);
    EXPECT_EQ(doc["TeibanW"].items[2].number, 0);
    EXPECT_EQ(doc["TeibanW"].items[2].kind, test::JsonValue::Kind::Number);
    EXPECT_EQ(doc["DanSs"].items.size(), 21u);
    EXPECT_EQ(doc["TateM"].items[0].items[0].number, 2.5);
    EXPECT_EQ(doc["TateM"].items[2].items[3].number, 0);
    EXPECT_FALSE(doc["TateRc"].items[0].isNull());
    EXPECT_EQ(doc["TateRc"].items[0]["HanteiSc"].text, "OUT");  // never calculated
    EXPECT_TRUE(doc["TateRc"].items[1].isNull());
    EXPECT_EQ(doc["TeibanL"].text, "0");  // assigned 0 is not null
    EXPECT_TRUE(doc["TeibanBw"].isNull());
    EXPECT_TRUE(doc["TeibanMmax"].isNull());
}

TEST(ResultJson, NonFiniteNumbersAreNull) {
    ResultStore s;
    s.objQa = std::make_unique<CQa>();
    s.objQa->C = std::numeric_limits<double>::quiet_NaN();
    s.objQa->G1 = std::numeric_limits<double>::infinity();
    s.objQa->G2 = -0.0;
    test::JsonValue doc = test::parseJson(ResultJson(s, true));
    EXPECT_TRUE(doc["objQa"]["C"].isNull());
    EXPECT_TRUE(doc["objQa"]["G1"].isNull());
    EXPECT_EQ(doc["objQa"]["G2"].number, 0);
    EXPECT_EQ(doc["objQa"]["B"].text, "0");
}

TEST(JsonWriter, EscapesAndNesting) {
    JsonWriter w;
    w.beginObject();
    w.field("a\"b", "x\\y\n\x01");
    w.key("list");
    w.beginArray();
    w.integer(-3);
    w.beginObject();
    w.endObject();
    w.beginArray();
    w.endArray();
    w.endArray();
    w.endObject();
    test::JsonValue v = test::parseJson(w.text());
    EXPECT_EQ(v["a\"b"].text, "x\\y\n\x01");
    ASSERT_EQ(v["list"].items.size(), 3u);
    EXPECT_EQ(v["list"].items[0].number, -3);
    EXPECT_EQ(w.text().back(), '\n');
}

TEST(ResultLines, FlotationAndBearingAsTheResultsDialogShowsThem) {
    CUkiagari u;
    u.W = 100;
    u.Pvo = 10;
    u.U = 50;
    u.Fa = 1.1;
    u.Calc();
    EXPECT_EQ(FlotationLine(u), "Ｆs = 2.20 ≧ Ｆa = 1.1  OK");
    u.Fa = 3;
    u.Calc();
    EXPECT_EQ(FlotationLine(u), "Ｆs = 2.20 ＜ Ｆa = 3.0  OUT");
    u.U = 0;
    u.Fa = 1.25;
    u.Calc();
    EXPECT_EQ(FlotationLine(u), "Ｆs = 999.99 ≧ Ｆa = 1.3  OK");

    CQmax q;
    q.W = 100;
    q.Pv = 10;
    q.B = 2;
    q.T2 = 0.3;
    q.TB = 0.5;
    q.Qa = 50;
    q.Calc();
    EXPECT_EQ(BearingLine(q), "ｑmax = 33.33 ≦ ｑa = 50  OK");
    q.Qa = 30.5;
    q.Calc();
    EXPECT_EQ(BearingLine(q), "ｑmax = 33.33 ＞ ｑa = 31  OUT");
    // A fresh check that never ran reports OUT with zeros.
    EXPECT_EQ(BearingLine(CQmax()), "ｑmax = 0.00 ＞ ｑa = 0  OUT");
}

}  // namespace
}  // namespace nuvra::calc
