// PDF export and pagination of a multi-page print file, and PDF export of the whole
// report of the example design.
//
// The synthetic print file is made here: per page a chapter heading, a table of 60 rows
// of numbers with Japanese names, and on every fifth page a figure of 200 segments,
// arrows and texts. Needs the report font (IPAGothic); runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "calc/run/calc_run.h"
#include "common/cp932.h"
#include "common/file_util.h"
#include "design/input_file.h"
#include "render/headless_gui.h"
#include "render/pdf_export.h"
#include "render/report_document.h"
#include "report/report_generation.h"

namespace {

std::string cp932(const std::string& utf8) {
    return nuvra::toCp932(utf8).value_or("");
}

class Sample {
  public:
    explicit Sample(int pages) {
        dir_ = scratch_.path();
        writeFigure();
        std::ofstream out(printFile(), std::ios::binary);
        char line[160];
        for (int p = 1; p <= pages; ++p) {
            if (p > 1) out << '\f';
            out << cp932("?R1" + std::to_string(p) + ". 外力の計算\r\n\r\n");
            out << cp932("    番号  名称        重量 W    腕長 x    モーメント M\r\n");
            for (int i = 1; i <= 60; ++i) {
                std::snprintf(line, sizeof line, "    %4d  %s  %10.3f%10.3f%14.3f\r\n", i,
                              i % 2 ? "側壁      " : "底版      ", 1.25 * i, 0.05 * i,
                              0.0625 * i * i);
                out << cp932(line);
            }
            if (p % 5 == 0) out << "  ?FG;000;000;" << dir_ << "/fig.lay\r\n";
        }
    }
    std::string printFile() const { return dir_ + "/bench.prn"; }
    std::string pdfFile() const { return dir_ + "/bench.pdf"; }
    nuvra::render::RenderOptions options() const { return {dir_, std::nullopt, std::nullopt}; }

  private:
    nuvra::ScratchFolder scratch_{"nuvra-bench-"};
    std::string dir_;

    void writeFigure() {
        std::ofstream fig(dir_ + "/fig.fig", std::ios::binary);
        fig << "nuvra\r\n"
            << cp932("荷重分布図") << "\r\n100.00, 50.00, 0.00,         0.00, 100.00, 50.00\r\n";
        fig << cp932("座標情報") << "\r\n";
        for (int i = 0; i < 200; ++i)
            fig << (i + 1) << ", " << (i % 100) << ".000000, " << (i / 100) * 50 << ".000000\r\n";
        fig << "END\r\n" << cp932("線分情報") << "\r\n";
        for (int i = 0; i < 100; ++i)
            fig << (i + 1) << ", " << (i + 1) << ", " << (i + 101) << ", " << (i % 3 + 1) << "\r\n";
        fig << "END\r\n" << cp932("矢印(1)") << "\r\n";
        for (int i = 0; i < 50; ++i)
            fig << (i + 1) << ", " << (2 * i + 1) << ", 5, 1\r\n";
        fig << "END\r\n" << cp932("文字情報") << "\r\n";
        for (int i = 0; i < 20; ++i)
            fig << cp932("土圧 ") << i << "\r\n"
                << i * 5 << ", 25.000000, 2, " << (i % 2 ? 1 : 3) << "\r\n";
        fig << "END\r\n";
        std::ofstream lay(dir_ + "/fig.lay", std::ios::binary);
        lay << cp932("荷重分布図") << "\r\n 130           60 \r\n"
            << dir_ << "/fig.fig\r\n 15            5 \r\nEND\r\n";
    }
};

void BM_ExportPdf(benchmark::State& state) {
    Sample sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto r = nuvra::render::exportPdf(sample.printFile(), sample.pdfFile(), sample.options());
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("pages");
}
BENCHMARK(BM_ExportPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_PaginatePrintFile(benchmark::State& state) {
    Sample sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        nuvra::render::ReportDocument doc;
        std::string error;
        if (!doc.open(sample.printFile(), sample.options(), error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(doc.pageCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaginatePrintFile)->Arg(1000)->Unit(benchmark::kMillisecond);

// The combined report of the bundled example design (every chapter with its figures),
// generated once, exported per iteration.
void BM_ExportExampleReportPdf(benchmark::State& state) {
    nuvra::DesignData d;
    nuvra::calc::ResultStore store;
    if (!nuvra::LoadInputFile(d, std::string(NUVRA_SOURCE_DIR) + "/examples/sample.nvr").ok ||
        !nuvra::calc::RunCalculation(d, store)) {
        state.SkipWithError("cannot calculate the example design");
        return;
    }
    nuvra::ScratchFolder scratch("nuvra-bench-");
    if (scratch.path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string& tmpl = scratch.path();
    const std::string app = std::string(NUVRA_BINARY_DIR) + "/bin";
    {
        nuvra::report::GenerationOptions options;
        options.AppFolder = app;
        options.OutputFolder = tmpl;
        nuvra::report::ReportGeneration gen(options);
        std::string combined;
        if (gen.Generate(d, store).Ok) combined = gen.Combine(gen.DefaultChoice());
        if (combined.empty()) {
            state.SkipWithError("cannot generate the report");
        } else {
            nuvra::render::RenderOptions ro{app, std::nullopt, std::nullopt};
            int pages = 0;
            for (auto _ : state) {
                auto r = nuvra::render::exportPdf(combined, tmpl + "/report.pdf", ro);
                if (!r.ok) state.SkipWithError(r.error.c_str());
                pages = r.pages;
            }
            state.counters["pages"] = pages;
        }
    }
}
BENCHMARK(BM_ExportExampleReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    nuvra::render::HeadlessGui gui(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
