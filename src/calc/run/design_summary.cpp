#include "calc/run/design_summary.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>

#include "calc/run/calc_run.h"
#include "calc/run/run_faults.h"
#include "common/number_format.h"
#include "design/input_file.h"

namespace nuvra::calc {
namespace {

constexpr const char* kFaceKeys[] = {"TateSoto", "TateUchi",    "SokoSita",
                                     "SokoUe",   "FootingSita", "FootingUe"};

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string number(const std::optional<double>& v, const char* picture) {
    return v ? formatPicture(*v, picture) : std::string();
}

std::string ratioText(const std::optional<double>& r) {
    if (!r) return {};
    return std::isfinite(*r) ? formatPicture(*r, "##0.000") : std::string("inf");
}

void addReason(std::string& reason, const std::string& what) {
    if (!reason.empty()) reason += "、";
    reason += what;
}

}  // namespace

const char* VerdictText(DesignVerdict v) {
    switch (v) {
        case DesignVerdict::OK:
            return "OK";
        case DesignVerdict::OUT:
            return "OUT";
        case DesignVerdict::ERROR:
            break;
    }
    return "ERROR";
}

DesignSummary SummarizeDesign(const DesignData& d, bool selectBars) {
    DesignSummary s;
    s.read = true;
    s.title = d.objInpJyoken.Title;
    s.Zai = d.objInpZairyo.Zai;
    ResultStore store;
    s.runOk = RunCalculation(d, store);

    std::string failures;
    if (store.objUkiagari) {
        s.Fs = store.objUkiagari->Fs();
        s.Fa = store.objUkiagari->Fa;
        if (store.objUkiagari->Hantei() != "OK") addReason(failures, "浮上");
    }
    if (store.objQmax) {
        s.qmax = store.objQmax->Qmax();
        s.qa = store.objQmax->Qa;
        if (store.objQmax->Hantei() != "OK") addReason(failures, "基礎地盤支持力");
    }
    for (std::size_t i = 0; i < kSectionIds.size(); ++i) {
        const SectionId id = kSectionIds[i];
        const bool footing = id == SectionId::FootingSita || id == SectionId::FootingUe;
        const CRcKukei* rc = FindSection(store, id);
        if (!rc || (footing && !store.blnFooting)) continue;
        s.ratio[i] = GoverningRatio(*rc);
        if (!PassesAll(*rc))
            addReason(failures, std::string(MemberLabel(id)) + " " + FaceLabel(id));
    }
    s.DanHcut = store.curtailment.DanHcut;
    if (selectBars) {
        s.barsSelected = true;
        s.bars = SelectAllBars(store, {});
    }

    if (!s.runOk) {
        s.verdict = DesignVerdict::ERROR;
        s.reason = "計算の途中でエラーが発生しました。";
        if (!store.faults.empty()) s.reason += RunFaultText(store.faults.front());
    } else if (!failures.empty()) {
        s.verdict = DesignVerdict::OUT;
        s.reason = "OUT：" + failures;
    } else {
        s.verdict = DesignVerdict::OK;
    }
    return s;
}

DesignSummary SummarizeFile(const std::string& path, bool selectBars) {
    DesignData d;
    const OpenResult r = OpenInputFile(d, path);
    DesignSummary s;
    if (r.file.ok) {
        s = SummarizeDesign(d, selectBars);
    } else {
        s.reason = r.versionMessage.empty() ? std::string() : r.versionMessage + " ";
        s.reason += firstLine(readFailureMessage(r.file.errorCode));
        if (!r.file.detail.empty()) s.reason += "（" + r.file.detail + "）";
    }
    s.file = path;
    return s;
}

std::vector<DesignSummary> SummarizeMany(std::size_t count, int jobs,
                                         const std::function<DesignSummary(std::size_t)>& one) {
    std::vector<DesignSummary> rows(count);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            rows[i] = one(i);
    };
    const std::size_t threads =
        std::min<std::size_t>(count, static_cast<std::size_t>(std::max(jobs, 1)));
    if (threads <= 1) {
        work();
        return rows;
    }
    std::vector<std::thread> pool;
    pool.reserve(threads - 1);
    for (std::size_t t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    return rows;
}

std::vector<DesignSummary> SummarizeFiles(const std::vector<std::string>& paths, int jobs,
                                          bool selectBars) {
    return SummarizeMany(paths.size(), jobs,
                         [&](std::size_t i) { return SummarizeFile(paths[i], selectBars); });
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string q = "\"";
    for (char c : text) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

std::string SummaryCsvHeader(const std::vector<std::string>& inputNames, bool bars) {
    std::string h = "file";
    for (const std::string& n : inputNames)
        h += "," + CsvField(n);
    h += ",title,RunCalculation,Fs,Fa,qmax,qa";
    for (const char* k : kFaceKeys)
        h += std::string(",") + k;
    h += ",DanHcut,verdict,reason";
    if (bars)
        for (const char* k : kFaceKeys)
            h += std::string(",") + k + "_bars";
    return h + "\r\n";
}

std::string SummaryCsvRow(const DesignSummary& s, bool bars) {
    std::string r = CsvField(s.file);
    for (const std::string& v : s.inputs)
        r += "," + CsvField(v);
    r += "," + CsvField(s.title);
    r += s.read ? (s.runOk ? ",true" : ",false") : ",";
    r += "," + number(s.Fs, "##0.00") + "," + number(s.Fa, "#0.0");
    r += "," + number(s.qmax, "###0.00") + "," + number(s.qa, "###0");
    for (const auto& ratio : s.ratio)
        r += "," + ratioText(ratio);
    r += "," + number(s.DanHcut, "###0");
    r += std::string(",") + VerdictText(s.verdict) + "," + CsvField(s.reason);
    if (bars) {
        for (const BarChoice& c : s.bars) {
            r += ",";
            if (!s.barsSelected || !c.checked) continue;
            r += c.found ? BarName(s.Zai, c.Dia) + "@" + formatPicture(c.ctc, "###0")
                         : std::string("なし");
        }
    }
    return r + "\r\n";
}

}  // namespace nuvra::calc
