#include "calc/run/result_json.h"

#include <string_view>

#include "calc/run/json_objects.h"
#include "calc/run/json_writer.h"

namespace nuvra::calc {
namespace {

template <class T>
void slot(JsonWriter& w, std::string_view name, const std::unique_ptr<T>& p) {
    w.key(name);
    if (p)
        write(w, *p);
    else
        w.null();
}

// An object slot per case or face that no step began is null as a whole; once begun,
// the entries not reached are null.
template <class T, std::int32_t Count, std::int32_t First>
void slot(JsonWriter& w, std::string_view name, const PerIndex<T, Count, First>& objects) {
    w.key(name);
    if (!objects.begun()) return w.null();
    w.beginArray();
    for (const std::unique_ptr<T>& p : objects) {
        if (p)
            write(w, *p);
        else
            w.null();
    }
    w.endArray();
}

void slot(JsonWriter& w, std::string_view name, const NumberSlot& n) {
    w.key(name);
    if (n)
        w.number(*n);
    else
        w.null();
}

// A number array is null until its first entry is assigned; the entries not reached
// then read 0.
template <std::size_t N, std::int32_t First>
void slot(JsonWriter& w, std::string_view name, const NumberArray<N, First>& a) {
    w.key(name);
    if (!a.assigned()) return w.null();
    w.beginArray();
    for (std::int32_t i = a.first(); i < a.first() + a.size(); ++i)
        w.number(a(i));
    w.endArray();
}

template <std::size_t Cols>
void slot(JsonWriter& w, std::string_view name, const CaseTable<Cols>& t) {
    w.key(name);
    if (!t.assigned()) return w.null();
    w.beginArray();
    for (std::int32_t c = 1; c <= kCaseCount; ++c) {
        w.beginArray();
        for (std::int32_t k = 0; k < t.columns(); ++k)
            w.number(t(c, k));
        w.endArray();
    }
    w.endArray();
}

void wallSlots(JsonWriter& w, const TatekabeSlots& s) {
    slot(w, "TateRwpOut", s.TateRwpOut);
    slot(w, "TateRwpIn", s.TateRwpIn);
    slot(w, "TateEarthP", s.TateEarthP);
    slot(w, "TateWaterOutP", s.TateWaterOutP);
    slot(w, "TateWaterInP", s.TateWaterInP);
    slot(w, "TateM", s.TateM);
    slot(w, "TateS", s.TateS);
    slot(w, "TateMmax", s.TateMmax);
    slot(w, "TateMmin", s.TateMmin);
    slot(w, "TateSmax", s.TateSmax);
    slot(w, "TateSmin", s.TateSmin);
    slot(w, "TateRc", s.TateRc);
}

void slabSlots(JsonWriter& w, const TeibanSlots& s) {
    slot(w, "TeibanL", s.TeibanL);
    slot(w, "TeibanBw", s.TeibanBw);
    slot(w, "TeibanWw", s.TeibanWw);
    slot(w, "TeibanWs", s.TeibanWs);
    slot(w, "TeibanWp", s.TeibanWp);
    slot(w, "TeibanWr", s.TeibanWr);
    slot(w, "TeibanU", s.TeibanU);
    slot(w, "TeibanW", s.TeibanW);
    slot(w, "TeibanMS", s.TeibanMS);
    slot(w, "TeibanMmax", s.TeibanMmax);
    slot(w, "TeibanMmin", s.TeibanMmin);
    slot(w, "TeibanSmax", s.TeibanSmax);
    slot(w, "TeibanSmin", s.TeibanSmin);
    slot(w, "TeibanRc", s.TeibanRc);
}

void footingSlots(JsonWriter& w, const FootingSlots& s) {
    slot(w, "FootingHw", s.FootingHw);
    slot(w, "FootingHd", s.FootingHd);
    slot(w, "FootingWs", s.FootingWs);
    slot(w, "FootingWr", s.FootingWr);
    slot(w, "FootingWp", s.FootingWp);
    slot(w, "FootingMS", s.FootingMS);
    slot(w, "FootingMmax", s.FootingMmax);
    slot(w, "FootingMmin", s.FootingMmin);
    slot(w, "FootingSpos", s.FootingSpos);
    slot(w, "FootingSneg", s.FootingSneg);
    slot(w, "FootingRc", s.FootingRc);
}

void curtailmentSlots(JsonWriter& w, const DanotoshiSlots& s) {
    slot(w, "DanEarthP", s.DanEarthP);
    slot(w, "DanWaterP", s.DanWaterP);
    slot(w, "DanRc", s.DanRc);
    slot(w, "DanHeight", s.DanHeight);
    slot(w, "DanSs", s.DanSs);
    slot(w, "DanH1", s.DanH1);
    slot(w, "DanD", s.DanD);
    slot(w, "DanLa", s.DanLa);
    slot(w, "DanDLa", s.DanDLa);
    slot(w, "DanL1", s.DanL1);
    slot(w, "DanH2", s.DanH2);
    slot(w, "DanHcut", s.DanHcut);
}

}  // namespace

std::string ResultJson(const ResultStore& store, bool runResult) {
    JsonWriter w;
    w.beginObject();
    w.field("RunCalculation", runResult);
    w.field("blnFooting", store.blnFooting);
    slot(w, "objWeight", store.objWeight);
    slot(w, "objYouatsuryoku", store.objYouatsuryoku);
    slot(w, "objQqw", store.objQqw);
    slot(w, "objKh", store.objKh);
    slot(w, "objSpa", store.objSpa);
    slot(w, "objKhWall", store.objKhWall);
    slot(w, "objSpaWall", store.objSpaWall);
    slot(w, "objPressure", store.objPressure);
    slot(w, "objUkiagari", store.objUkiagari);
    slot(w, "objNcNrNq", store.objNcNrNq);
    slot(w, "objQa", store.objQa);
    slot(w, "objQmax", store.objQmax);
    wallSlots(w, store.wall);
    slabSlots(w, store.slab);
    footingSlots(w, store.footing);
    curtailmentSlots(w, store.curtailment);
    w.endObject();
    return w.text();
}

}  // namespace nuvra::calc
