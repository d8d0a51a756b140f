#include "EngineRig.h"

#include <benchmark/benchmark.h>

// One analysis of the default engine: 361 evaluations writing the grid texts,
// the statistics and the rescaled series, through a map host.
static void BM_GammaAnalysis(benchmark::State& state) {
    kelvane::test::GammaRig rig;
    kelvane::GammaEngine& engine = rig.engine;
    for (auto _ : state) {
        engine.CalcButtonClick();
        benchmark::DoNotOptimize(engine.meanPressure);
    }
}
BENCHMARK(BM_GammaAnalysis)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
