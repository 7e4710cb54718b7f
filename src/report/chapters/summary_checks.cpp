#include "report/chapters/summary_checks.h"

#include <cmath>

#include "calc/run/section_table.h"
#include "common/number_format.h"

namespace nuvra::report {
namespace {

std::optional<double> ratioOf(double value, double allowable) {
    if (allowable == 0) return std::nullopt;
    return value / allowable;
}

std::string nameOf(const CheckLine& c) {
    std::string name = c.member.empty() ? c.item : c.member + " " + c.bars + " " + c.item;
    if (c.ratio) name += "（比率 " + formatPicture(*c.ratio, "#0.00") + "）";
    return name;
}

std::string trimmed(std::string s) {
    // The grid's labels are padded with ideographic spaces ("底　版").
    const std::string wide = "　";
    for (std::size_t p; (p = s.find(wide)) != std::string::npos;)
        s.erase(p, wide.size());
    return s;
}

}  // namespace

CheckSummary SummariseChecks(const calc::ResultStore& r) {
    CheckSummary s;
    if (const auto& u = r.objUkiagari; u && std::fabs(u->U) > 0.001) {
        CheckLine c{"",    "",           "浮上に対する安全率", u->Fs(),
                    u->Fa, std::nullopt, u->Hantei() == "OK"};
        if (u->Fs() != 0) c.ratio = u->Fa / u->Fs();
        s.flotation = c;
    }
    if (const auto& q = r.objQmax)
        s.bearing = CheckLine{"",
                              "",
                              "基礎地盤支持力",
                              q->Qmax(),
                              q->Qa,
                              ratioOf(q->Qmax(), q->Qa),
                              q->Hantei() == "OK"};
    for (calc::SectionId id : calc::kSectionIds) {
        const calc::CRcKukei* rc = calc::FindSection(r, id);
        if (!rc) continue;
        const std::string member = trimmed(calc::MemberLabel(id));
        const std::string bars = trimmed(calc::FaceLabel(id));
        auto add = [&](const char* item, double v, double a, const std::string& verdict) {
            s.stresses.push_back({member, bars, item, v, a, ratioOf(v, a), verdict == "OK"});
        };
        add("圧縮応力度 σc", rc->Sc(), rc->Sca, rc->HanteiSc());
        add("引張応力度 σs", rc->Ss(), rc->Ssa, rc->HanteiSs());
        add("せん断応力度 τ", rc->Tc(), rc->Tca, rc->HanteiTc());
        add("付着応力度 τo", rc->T0(), rc->Toa, rc->HanteiTo());
    }
    s.curtailmentImpossible = calc::CurtailmentImpossible(r);
    if (!s.curtailmentImpossible && r.curtailment.DanHcut) s.cutHeight = *r.curtailment.DanHcut;

    auto collect = [&](const CheckLine& c) {
        if (!c.ok) s.failures.push_back(nameOf(c));
    };
    if (s.flotation) collect(*s.flotation);
    if (s.bearing) collect(*s.bearing);
    for (const CheckLine& c : s.stresses)
        collect(c);
    return s;
}

}  // namespace nuvra::report
