#include <string_view>

#include "calc/run/json_objects.h"

namespace nuvra::calc {
namespace {

void writePoints(JsonWriter& w, std::string_view name, const colXSM& points) {
    w.key(name);
    w.beginArray();
    for (const clsXSM& p : points) {
        w.beginObject();
        w.field("x", p.x);
        w.field("S", p.S);
        w.field("M", p.M);
        w.endObject();
    }
    w.endArray();
}

}  // namespace

void write(JsonWriter& w, const CRwp& o) {
    w.beginObject();
    w.field("ELLWL", o.ELLWL);
    w.field("ELRWL", o.ELRWL);
    w.field("Gw", o.Gw);
    w.field("ELGL", o.ELGL);
    w.field("ELDL", o.ELDL);
    w.field("DH", o.DH());
    w.field("Pw", o.Pw());
    w.field("Error", o.Error());
    w.endObject();
}

void write(JsonWriter& w, const CRcKukei& o) {
    w.beginObject();
    w.field("Error", o.Error());
    w.field("Md", o.Md);
    w.field("Sd", o.Sd);
    w.field("H", o.H);
    w.field("d1", o.d1);
    w.field("Zai", static_cast<std::int32_t>(o.Zai));
    w.field("Dia", o.Dia);
    w.field("ctc", o.ctc);
    w.field("Sca", o.Sca);
    w.field("Ssa", o.Ssa);
    w.field("Tca", o.Tca);
    w.field("Toa", o.Toa);
    w.field("N", o.N);
    w.field("B", o.B());
    w.field("d", o.d());
    w.field("Asi", o.Asi());
    w.field("U", o.U());
    w.field("P", o.P());
    w.field("k", o.k());
    w.field("j", o.j());
    w.field("Sc", o.Sc());
    w.field("Ss", o.Ss());
    w.field("Tc", o.Tc());
    w.field("T0", o.T0());
    w.field("HanteiSc", o.HanteiSc());
    w.field("HanteiSs", o.HanteiSs());
    w.field("HanteiTc", o.HanteiTc());
    w.field("HanteiTo", o.HanteiTo());
    w.endObject();
}

void write(JsonWriter& w, const CWp& o) {
    w.beginObject();
    w.field("Error", o.Error());
    w.field("Pv", o.Pv);
    w.field("B", o.B);
    w.field("WP", o.WP());
    w.endObject();
}

void write(JsonWriter& w, const CWr& o) {
    w.beginObject();
    w.field("Error", o.Error());
    w.field("W", o.W);
    w.field("Pv", o.Pv);
    w.field("U", o.U);
    w.field("B", o.B);
    w.field("WR", o.WR());
    w.endObject();
}

void write(JsonWriter& w, const CTeibanMS& o) {
    w.beginObject();
    w.field("Error", o.Error());
    w.field("Ms", o.Ms);
    w.field("WR", o.WR);
    w.field("bl", o.bl);
    writePoints(w, "XSM", o.XSM());
    w.endObject();
}

void write(JsonWriter& w, const CFootingMS& o) {
    w.beginObject();
    w.field("Error", o.Error());
    w.field("WR", o.WR);
    w.field("WP", o.WP);
    w.field("bl", o.bl);
    writePoints(w, "XSMr", o.XSMr());
    writePoints(w, "XSMp", o.XSMp());
    writePoints(w, "XSM", o.XSM());
    w.endObject();
}

}  // namespace nuvra::calc
