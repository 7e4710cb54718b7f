#include "calc/run/json_objects.h"

#include <string_view>

namespace nuvra::calc {
namespace {

void write(JsonWriter& w, const clsWeightItem& it) {
    w.beginObject();
    w.field("Title", it.Title);
    w.field("SectType", it.SectType);
    w.field("Size1", it.Size1);
    w.field("Size2", it.Size2);
    w.field("Size3", it.Size3);
    w.field("N", it.N);
    w.field("Area", it.Area);
    w.field("G", it.G);
    w.field("Weight", it.Weight);
    w.field("X", it.X);
    w.field("Y", it.Y);
    w.field("Mx", it.Mx);
    w.field("My", it.My);
    w.endObject();
}

void write(JsonWriter& w, const clsKhJiban& j) {
    w.beginObject();
    w.field("No", j.No);
    w.field("EU", j.EU);
    w.field("EL", j.EL);
    w.field("H", j.H);
    w.field("Gs1", j.Gs1);
    w.field("Gs2", j.Gs2);
    w.field("Gs3", j.Gs3);
    w.field("Gs1Hi", j.Gs1Hi);
    w.field("Gs2Hi", j.Gs2Hi);
    w.field("Gs22Hi", j.Gs22Hi);
    w.field("GHj", j.GHj);
    w.field("GHj2", j.GHj2);
    w.field("Gs3Hi", j.Gs3Hi);
    w.field("Gs3HU", j.Gs3HU);
    w.field("Gs3HL", j.Gs3HL);
    w.field("HwU", j.HwU);
    w.field("HwL", j.HwL);
    w.field("GwHU", j.GwHU);
    w.field("GwHL", j.GwHL);
    w.field("KhU", j.KhU);
    w.field("KhL", j.KhL);
    w.endObject();
}

void write(JsonWriter& w, const clsSpJiban& j) {
    w.beginObject();
    w.field("No", j.No);
    w.field("EU", j.EU);
    w.field("EL", j.EL);
    w.field("H", j.H);
    w.field("Kind", j.Kind);
    w.field("Gs", j.Gs);
    w.field("Fai", j.Fai);
    w.field("CU", j.CU);
    w.field("CL", j.CL);
    w.field("KhU", j.KhU);
    w.field("KhL", j.KhL);
    w.field("GH", j.GH);
    w.field("GHU", j.GHU);
    w.field("GHL", j.GHL);
    w.field("ZetaU", j.ZetaU);
    w.field("ZetaL", j.ZetaL);
    w.field("TU", j.TU);
    w.field("TL", j.TL);
    w.field("KaU", j.KaU);
    w.field("KaL", j.KaL);
    w.field("PU", j.PU);
    w.field("PL", j.PL);
    w.field("P1U", j.P1U);
    w.field("P1L", j.P1L);
    w.field("P2U", j.P2U);
    w.field("P2L", j.P2L);
    w.field("PaU", j.PaU);
    w.field("PaL", j.PaL);
    w.endObject();
}

void writeLoads(JsonWriter& w, std::string_view name, const colPressureLoad& c) {
    w.key(name);
    w.beginArray();
    for (const clsPressureLoad& s : c) {
        w.beginObject();
        w.field("EU", s.EU);
        w.field("EL", s.EL);
        w.field("H", s.H);
        w.field("PU", s.PU);
        w.field("PL", s.PL);
        w.endObject();
    }
    w.endArray();
}

}  // namespace

void write(JsonWriter& w, const clsWeight& o) {
    w.beginObject();
    w.field("Origin", o.Origin);
    w.field("Kh", o.Kh);
    w.field("Kv", o.Kv);
    w.field("CaseNo", o.CaseNo);
    w.field("H", o.H);
    w.field("B", o.B);
    w.field("T1", o.T1);
    w.field("T2", o.T2);
    w.field("T3", o.T3);
    w.field("T4", o.T4);
    w.field("TB", o.TB);
    w.field("HW", o.HW);
    w.field("HWi", o.HWi);
    w.field("Gsc", o.Gsc);
    w.field("Gs", o.Gs);
    w.field("Gt", o.Gt);
    w.field("Gd", o.Gd);
    w.field("Gw", o.Gw);
    w.key("Weight");
    w.beginArray();
    for (const clsWeightItem& it : o.Weight())
        write(w, it);
    w.endArray();
    w.field("He", o.He());
    w.field("MHe", o.MHe());
    w.field("Ve", o.Ve());
    w.field("MVe", o.MVe());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const clsYouatsuryoku& o) {
    w.beginObject();
    w.field("B", o.B);
    w.field("T2", o.T2);
    w.field("TB", o.TB);
    w.field("HW", o.HW);
    w.field("Gw", o.Gw);
    w.field("UB", o.UB());
    w.field("U", o.U());
    w.field("Up", o.Up());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const clsQqw& o) {
    w.beginObject();
    w.field("H", o.H);
    w.field("Keijyo", o.Keijyo);
    w.field("D1X", o.D1X);
    w.field("D1Q", o.D1Q);
    w.field("D2m", o.D2m);
    w.field("D2Q", o.D2Q);
    w.field("D3X1", o.D3X1);
    w.field("D3X2", o.D3X2);
    w.field("D3Ho", o.D3Ho);
    w.field("D3Gs", o.D3Gs);
    w.field("D3Q", o.D3Q);
    w.field("Xq", o.Xq());
    w.field("Xw", o.Xw());
    w.field("XHq", o.XHq());
    w.field("XHw", o.XHw());
    w.field("Iq", o.Iq());
    w.field("Iw", o.Iw());
    w.field("QQ", o.QQ());
    w.field("Qw", o.Qw());
    w.field("Q", o.Q());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const clsKh& o) {
    w.beginObject();
    w.field("Siki", o.Siki());
    w.field("Kh", o.Kh);
    w.field("Q", o.Q);
    w.field("Gw", o.Gw);
    w.field("RWLKh", o.RWLKh);
    w.field("RWL", o.RWL);
    w.key("AddEL");
    w.beginArray();
    for (const clsKhAddEL& a : o.AddEL()) {
        w.beginObject();
        w.field("EL", a.EL);
        w.endObject();
    }
    w.endArray();
    w.key("Jiban");
    w.beginArray();
    for (const clsKhJiban& j : o.Jiban())
        write(w, j);
    w.endArray();
    w.field("GtHi", o.GtHi());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const clsSpa& o) {
    w.beginObject();
    w.field("Q", o.Q);
    w.field("Beta", o.Beta);
    w.field("Jei", o.Jei);
    w.field("Delta", o.Delta);
    w.field("ELGL", o.ELGL);
    w.field("ELDL", o.ELDL);
    w.key("Jiban");
    w.beginArray();
    for (const clsSpJiban& j : o.Jiban())
        write(w, j);
    w.endArray();
    w.field("Q2", o.Q2());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const clsPressure& o) {
    w.beginObject();
    writeLoads(w, "Qdi", o.Qdi());
    w.field("WU", o.WU);
    w.field("WL", o.WL);
    w.field("THT", o.THT);
    writeLoads(w, "Qdo", o.Qdo());
    w.key("Detail");
    w.beginArray();
    for (const clsPressureDetail& d : o.Detail()) {
        w.beginObject();
        w.field("Section", d.Section);
        w.field("P", d.P);
        w.field("Y", d.Y);
        w.field("H", d.H);
        w.field("Pi", d.Pi);
        w.field("Yi", d.Yi);
        w.field("Mi", d.Mi);
        w.endObject();
    }
    w.endArray();
    w.field("P", o.P());
    w.field("Pv", o.Pv());
    w.field("M", o.M());
    w.field("Y", o.Y());
    w.field("ELY", o.ELY());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const CUkiagari& o) {
    w.beginObject();
    w.field("W", o.W);
    w.field("Pvo", o.Pvo);
    w.field("U", o.U);
    w.field("Fa", o.Fa);
    w.field("Pv", o.Pv());
    w.field("Fs", o.Fs());
    w.field("Hantei", o.Hantei());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const CNcNrNq& o) {
    w.beginObject();
    w.field("Fai", o.Fai);
    w.field("Nc", o.Nc());
    w.field("Nr", o.Nr());
    w.field("Nq", o.Nq());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const CQa& o) {
    w.beginObject();
    w.field("B", o.B);
    w.field("C", o.C);
    w.field("G1", o.G1);
    w.field("G2", o.G2);
    w.field("Df", o.Df);
    w.field("Nc", o.Nc);
    w.field("Nr", o.Nr);
    w.field("Nq", o.Nq);
    w.field("Alpha", o.Alpha());
    w.field("Beta", o.Beta());
    w.field("Qa", o.Qa());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const CQmax& o) {
    w.beginObject();
    w.field("W", o.W);
    w.field("Pv", o.Pv);
    w.field("B", o.B);
    w.field("T2", o.T2);
    w.field("TB", o.TB);
    w.field("Qa", o.Qa);
    w.field("Qmax", o.Qmax());
    w.field("Hantei", o.Hantei());
    w.field("Error", o.Error());
    w.endObject();
}

}  // namespace nuvra::calc
