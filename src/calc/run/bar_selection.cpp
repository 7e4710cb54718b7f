#include "calc/run/bar_selection.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "common/number_format.h"

namespace nuvra::calc {
namespace {

constexpr double kAreaTie = 1e-6;  // mm²: areas closer than this count as equal

double ratioOf(double stress, double allowable) {
    if (allowable > 0) return stress / allowable;
    return stress > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// Whether candidate (area, ctc, Dia) ranks before the best so far.
bool better(double area, double ctc, double dia, const BarChoice& best) {
    if (!best.found) return true;
    if (area < best.area - kAreaTie) return true;
    if (area > best.area + kAreaTie) return false;
    if (ctc != best.ctc) return ctc > best.ctc;
    return dia < best.Dia;
}

bool isFooting(SectionId id) {
    return id == SectionId::FootingSita || id == SectionId::FootingUe;
}

}  // namespace

std::vector<double> StandardDiameters(std::int32_t Zai) {
    if (Zai == 1) return {9, 13, 16, 19, 22, 25, 28, 32};
    return {10, 13, 16, 19, 22, 25, 29, 32};
}

std::vector<double> StandardSpacings() {
    std::vector<double> s;
    for (int c = 100; c <= 300; c += 25)
        s.push_back(c);
    return s;
}

double GoverningRatio(const CRcKukei& rc) {
    double r = ratioOf(rc.Sc(), rc.Sca);
    r = std::max(r, ratioOf(rc.Ss(), rc.Ssa));
    r = std::max(r, ratioOf(rc.Tc(), rc.Tca));
    return std::max(r, ratioOf(rc.T0(), rc.Toa));
}

bool PassesAll(const CRcKukei& rc) {
    return rc.Error() == 0 && rc.HanteiSc() == "OK" && rc.HanteiSs() == "OK" &&
           rc.HanteiTc() == "OK" && rc.HanteiTo() == "OK";
}

BarChoice SelectBars(const CRcKukei& rc, const BarCandidates& candidates) {
    BarChoice best;
    best.checked = true;
    best.currentDia = best.Dia = rc.Dia;
    best.currentCtc = best.ctc = rc.ctc;
    best.currentRatio = best.ratio = GoverningRatio(rc);
    best.currentPasses = PassesAll(rc);
    best.area = rc.Asi();

    const std::vector<double> diameters =
        candidates.diameters.empty() ? StandardDiameters(rc.Zai) : candidates.diameters;
    std::vector<double> spacings =
        candidates.spacings.empty() ? StandardSpacings() : candidates.spacings;
    // Widest spacing first: for one diameter the area grows as the spacing shrinks, so
    // the first spacing that passes is that diameter's best, and once the area exceeds
    // the best found so far no narrower spacing of it can win.
    std::sort(spacings.begin(), spacings.end(), std::greater<>());

    // One scratch copy carries the forces, section and allowables; only the bars change,
    // as when the engineer types them into the grid.
    CRcKukei trial = rc;
    for (double dia : diameters) {
        double perMetre = -1;  // area of one bar × 1000: the area at spacing s is perMetre / s
        for (double ctc : spacings) {
            if (perMetre >= 0 && best.found &&
                perMetre / ctc > best.area + kAreaTie + 1e-9 * best.area)
                break;
            trial.Dia = dia;
            trial.ctc = ctc;
            trial.Calc();
            if (trial.Error() == 0 && perMetre < 0) perMetre = trial.Asi() * ctc;
            if (!PassesAll(trial)) continue;
            if (better(trial.Asi(), ctc, dia, best)) {
                best.found = true;
                best.Dia = dia;
                best.ctc = ctc;
                best.area = trial.Asi();
                best.ratio = GoverningRatio(trial);
            }
            break;
        }
    }
    return best;
}

std::array<BarChoice, 6> SelectAllBars(const ResultStore& store, const BarCandidates& candidates) {
    std::array<BarChoice, 6> out{};
    for (std::size_t i = 0; i < kSectionIds.size(); ++i) {
        const SectionId id = kSectionIds[i];
        const CRcKukei* rc = FindSection(store, id);
        if (rc && (!isFooting(id) || store.blnFooting)) out[i] = SelectBars(*rc, candidates);
        out[i].id = id;
    }
    return out;
}

void ApplyBarChoices(ResultStore& store, const std::array<BarChoice, 6>& choices) {
    for (const BarChoice& c : choices)
        if (c.checked && c.found) RecalculateSection(store, c.id, c.Dia, c.ctc);
}

CInpHaikinS& RecordBars(CInpHaikin& record, SectionId id) {
    switch (id) {
        case SectionId::TateSoto:
            return record.TateSoto;
        case SectionId::TateUchi:
            return record.TateUchi;
        case SectionId::SokoSita:
            return record.SokoSita;
        case SectionId::SokoUe:
            return record.SokoUe;
        case SectionId::FootingSita:
            return record.FootingSita;
        case SectionId::FootingUe:
            break;
    }
    return record.FootingUe;
}

void ApplyBarChoices(CInpHaikin& record, const std::array<BarChoice, 6>& choices) {
    for (const BarChoice& c : choices) {
        if (!c.checked || !c.found) continue;
        CInpHaikinS& bars = RecordBars(record, c.id);
        bars.Dia = c.Dia;
        bars.ctc = c.ctc;
    }
    record.InpFlg = true;
}

std::string BarName(std::int32_t Zai, double Dia) {
    return (Zai == 1 ? "φ" : "D") + formatPicture(Dia, "#0");
}

}  // namespace nuvra::calc
