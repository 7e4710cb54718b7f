#include "calc/run/design_series.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "common/number_format.h"
#include "design/rules.h"

namespace nuvra::calc {
namespace {

bool parseNumber(std::string_view s, double& v) {
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

int decimalsOf(std::string_view picture) {
    const std::size_t point = picture.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);
}

std::string fieldList() {
    std::string names;
    for (const InputField& f : InputFields()) {
        if (!names.empty()) names += " ";
        names += FindInputField(f.name) ? f.name : std::string(f.record) + "." + f.name;
    }
    return names;
}

bool touchesInnerWaterRule(const std::vector<Variation>& vary) {
    for (const Variation& v : vary) {
        const std::string_view n = v.field->name;
        if (std::string_view(v.field->record) == "Jyoken" && (n == "H" || n == "T4" || n == "HWi"))
            return true;
    }
    return false;
}

}  // namespace

bool ParseVariation(const std::string& spec, Variation& out, std::string& message) {
    const std::size_t eq = spec.find('=');
    const std::string_view rest =
        eq == std::string::npos ? std::string_view() : std::string_view(spec).substr(eq + 1);
    const std::size_t c1 = rest.find(':');
    const std::size_t c2 = c1 == std::string_view::npos ? c1 : rest.find(':', c1 + 1);
    double from = 0, to = 0, step = 0;
    if (eq == std::string::npos || c2 == std::string_view::npos ||
        !parseNumber(rest.substr(0, c1), from) ||
        !parseNumber(rest.substr(c1 + 1, c2 - c1 - 1), to) ||
        !parseNumber(rest.substr(c2 + 1), step)) {
        message = "--vary は 名前=開始:終了:刻み の形で指定してください：" + spec;
        return false;
    }
    out = {};
    out.name = spec.substr(0, eq);
    out.field = FindInputField(out.name);
    if (!out.field) {
        std::string qualified;
        for (const InputField& f : InputFields()) {
            if (out.name != f.name) continue;
            if (!qualified.empty()) qualified += " または ";
            qualified += std::string(f.record) + "." + f.name;
        }
        if (qualified.find(" または ") != std::string::npos)
            message = "入力項目 " + out.name + " は複数のデータにあります。" + qualified +
                      " のように指定してください。";
        else
            message = "入力項目 " + out.name + " はありません。次の中から指定してください：" +
                      fieldList();
        return false;
    }
    if (!(step > 0) || from > to) {
        message = "刻みは正の値、開始は終了以下で指定してください：" + spec;
        return false;
    }
    const double count = std::floor((to - from) / step + 1e-9) + 1;
    if (count > static_cast<double>(kMaxSeriesDesigns)) {
        message = "設計の数が " + formatPicture(static_cast<double>(kMaxSeriesDesigns), "##,##0") +
                  " を超えます：" + spec;
        return false;
    }
    const double scale = std::pow(10.0, decimalsOf(out.field->input));
    for (int i = 0; i < static_cast<int>(count); ++i) {
        const double raw = from + i * step;
        if (!FitsInputPicture(*out.field, raw)) {
            message = out.name + " = " + shortest15(raw) + "：入力できる桁数を超えています（" +
                      out.field->input + "）";
            return false;
        }
        const double v = std::nearbyint(raw * scale) / scale;
        if (!InRange(*out.field, v)) {
            message = out.name + " = " + formatPicture(v, out.field->display) + "：" +
                      RangeMessage(*out.field);
            return false;
        }
        out.values.push_back(v);
    }
    return true;
}

bool CheckSeries(const std::vector<Variation>& vary, std::string& message) {
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < vary.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (vary[i].field == vary[j].field) {
                message = "同じ入力項目を二度変化させることはできません：" + vary[i].name;
                return false;
            }
        }
        combinations *= vary[i].values.size();
    }
    if (combinations > kMaxSeriesDesigns) {
        message = "組み合わせの数 " + formatPicture(static_cast<double>(combinations), "##,##0") +
                  " が上限の " + formatPicture(static_cast<double>(kMaxSeriesDesigns), "##,##0") +
                  " を超えます。";
        return false;
    }
    return true;
}

std::vector<DesignSummary> RunSeries(const DesignData& base, const std::string& file,
                                     const std::vector<Variation>& vary, int jobs,
                                     bool selectBars) {
    std::size_t count = vary.empty() ? 0 : 1;
    for (const Variation& v : vary)
        count *= v.values.size();
    const bool innerWater = touchesInnerWaterRule(vary);
    return SummarizeMany(count, jobs, [&](std::size_t index) {
        DesignData d = base;
        std::vector<std::string> inputs(vary.size());
        // The last input varies fastest.
        std::size_t rest = index;
        for (std::size_t k = vary.size(); k-- > 0;) {
            const Variation& v = vary[k];
            const double value = v.values[rest % v.values.size()];
            rest /= v.values.size();
            v.field->ref(d) = value;
            inputs[k] = formatPicture(value, v.field->input);
        }
        DesignSummary s;
        const CInpJyoken& j = d.objInpJyoken;
        if (innerWater && !checkInnerWaterRule(j.H, j.T4, j.HWi)) {
            s.title = j.Title;
            s.Zai = d.objInpZairyo.Zai;
            s.reason = kMsgHWiOutOfRange;
        } else {
            s = SummarizeDesign(d, selectBars);
        }
        s.file = file;
        s.inputs = std::move(inputs);
        return s;
    });
}

}  // namespace nuvra::calc
