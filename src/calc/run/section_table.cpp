#include "calc/run/section_table.h"

#include <memory>

namespace nuvra::calc {
namespace {

struct Face {
    const char* member;
    const char* face;
};

constexpr Face kFaces[] = {
    {"たて壁", "外側筋"}, {"たて壁", "内側筋"},     {"底　版", "下側筋"},
    {"底　版", "上側筋"}, {"フーチング", "下側筋"}, {"フーチング", "上側筋"},
};

std::size_t index(SectionId id) {
    return static_cast<std::size_t>(id);
}

template <class Store>
auto& slotOf(Store& s, SectionId id) {
    switch (id) {
        case SectionId::TateSoto:
            return s.wall.TateRc(1);
        case SectionId::TateUchi:
            return s.wall.TateRc(2);
        case SectionId::SokoSita:
            return s.slab.TeibanRc(1);
        case SectionId::SokoUe:
            return s.slab.TeibanRc(2);
        case SectionId::FootingSita:
            return s.footing.FootingRc(1);
        case SectionId::FootingUe:
            break;
    }
    return s.footing.FootingRc(2);
}

}  // namespace

const char* MemberLabel(SectionId id) {
    return kFaces[index(id)].member;
}

const char* FaceLabel(SectionId id) {
    return kFaces[index(id)].face;
}

const CRcKukei* FindSection(const ResultStore& store, SectionId id) {
    return slotOf(store, id).get();
}

CRcKukei& SectionCheck(ResultStore& store, SectionId id) {
    std::unique_ptr<CRcKukei>& slot = slotOf(store, id);
    if (!slot) slot = std::make_unique<CRcKukei>();
    return *slot;
}

const CRcKukei& RecalculateSection(ResultStore& store, SectionId id, double Dia, double ctc) {
    CRcKukei& rc = SectionCheck(store, id);
    rc.Dia = Dia;
    rc.ctc = ctc;
    rc.Calc();
    return rc;
}

SectionTable BuildSectionTable(const ResultStore& store) {
    SectionTable t;
    t.footings = store.blnFooting;
    for (SectionId id : kSectionIds) {
        SectionRow& r = t.rows[index(id)];
        r.id = id;
        const CRcKukei* rc = FindSection(store, id);
        if (!rc) continue;
        r.present = true;
        r.Md = rc->Md;
        r.Sd = rc->Sd;
        r.Dia = rc->Dia;
        r.ctc = rc->ctc;
        r.Sc = rc->Sc();
        r.Ss = rc->Ss();
        r.Tc = rc->Tc();
        r.T0 = rc->T0();
        r.outSc = rc->HanteiSc() != "OK";
        r.outSs = rc->HanteiSs() != "OK";
        r.outTc = rc->HanteiTc() != "OK";
        r.outTo = rc->HanteiTo() != "OK";
    }
    if (const CRcKukei* outer = FindSection(store, SectionId::TateSoto)) {
        t.allowablesPresent = true;
        t.Sca = outer->Sca;
        t.Ssa = outer->Ssa;
        t.Tca = outer->Tca;
        t.Toa = outer->Toa;
    }
    return t;
}

bool CurtailmentImpossible(const ResultStore& store) {
    const CRcKukei* outer = FindSection(store, SectionId::TateSoto);
    return outer && outer->HanteiSs() != "OK";
}

}  // namespace nuvra::calc
