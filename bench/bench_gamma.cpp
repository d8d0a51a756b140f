#include "foundations/MapHost.h"
#include "gamma/GammaEngine.h"

#include <benchmark/benchmark.h>

// One analysis of the default engine: 361 evaluations writing the grid texts,
// the statistics and the rescaled series, through a map host.
static void BM_GammaAnalysis(benchmark::State& state) {
    kelvane::MapHost host;
    host.fields = {{"HotTemp", "300"},         {"ColdTemp", "100"},   {"DispCylHeight", "100"},
                   {"DispCylDiameter", "100"}, {"DispHeight", "60"},  {"PistonDiameter", "30"},
                   {"PistonThrow", "60"},      {"PhaseOffset", "90"}, {"Phase", "0"}};
    kelvane::GammaEngine engine(host);
    host.onFieldChange = [&](const std::string&) { engine.PistonThrowChange(); };
    engine.SetGridLabels();
    engine.enable = true;
    for (auto _ : state) {
        engine.CalcButtonClick();
        benchmark::DoNotOptimize(engine.meanPressure);
    }
}
BENCHMARK(BM_GammaAnalysis)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
