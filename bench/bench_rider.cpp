#include "EngineRig.h"

#include <benchmark/benchmark.h>

// One revolution of the two-piston engine as the "&Calc" button runs it, with
// the animation stopped (so every angle also redraws, as in the window).
static void BM_RiderCalcButtonClick(benchmark::State& state) {
    kelvane::test::RiderRig rig;
    kelvane::RiderEngine& engine = rig.engine;
    engine.animate = state.range(0) != 0;
    for (auto _ : state) {
        engine.CalcButtonClick();
        benchmark::DoNotOptimize(engine.avgPressure);
    }
}
BENCHMARK(BM_RiderCalcButtonClick)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("animating")
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
