#include "calc/members/section_fill.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "calc/common/arith.h"

namespace nuvra::calc {

double ToaNumber(const std::string& text) {
    std::string_view s(text);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        raiseFault(kErrInvalidArgument);
    return negative ? -v : v;
}

void FillSectionCheck(CRcKukei& rc, double Md, double Sd, double H, double d1,
                      const CInpHaikinS& bars, const CInpZairyo& z) {
    rc.Md = Md;
    rc.Sd = Sd;
    rc.H = H;
    rc.d1 = d1;
    rc.Zai = z.Zai;
    rc.Dia = bars.Dia;
    rc.ctc = bars.ctc;
    rc.Sca = z.Sca;
    rc.Ssa = z.Ssa;
    rc.Tca = z.Ta;
    rc.Toa = ToaNumber(z.Toa);
    rc.Calc();
}

void FillDanRc(CRcKukei& rc, const DesignData& d) {
    CInpHaikinS remaining = d.objInpHaikin.TateSoto;
    remaining.ctc = 2 * remaining.ctc;
    FillSectionCheck(rc, 0, 0, d.objInpJyoken.T2 * 1000, d.objInpKaburi.TateSoto, remaining,
                     d.objInpZairyo);
}

}  // namespace nuvra::calc
