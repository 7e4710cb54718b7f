#include "calc/run/result_lines.h"

#include "common/number_format.h"

namespace nuvra::calc {

std::string FlotationLine(const CUkiagari& u) {
    bool ok = u.Hantei() == "OK";
    return "Ｆs = " + formatPicture(u.Fs(), "##0.00") + (ok ? " ≧ " : " ＜ ") +
           "Ｆa = " + formatPicture(u.Fa, "#0.0") + (ok ? "  OK" : "  OUT");
}

std::string BearingLine(const CQmax& q) {
    bool ok = q.Hantei() == "OK";
    return "ｑmax = " + formatPicture(q.Qmax(), "###0.00") + (ok ? " ≦ " : " ＞ ") +
           "ｑa = " + formatPicture(q.Qa, "###0") + (ok ? "  OK" : "  OUT");
}

}  // namespace nuvra::calc
