#include "EngineRig.h"
#include "rider/RiderState.h"

#include <benchmark/benchmark.h>

// One revolution of the two-piston engine as the "&Calc" button runs it, with
// the animation stopped (so every angle also redraws, as in the window).
static void BM_RiderCalcButtonClick(benchmark::State& state) {
    kelvane::test::RiderRig rig;
    kelvane::RiderEngine& engine = rig.engine;
    engine.timer.Enabled = state.range(0) != 0;
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

// What the analysis cannot do without: the model at the same 361 angles of
// the default engine, its results summed, nothing stored.
static void BM_RiderModelArithmetic(benchmark::State& state) {
    kelvane::test::RiderRig rig;
    kelvane::RiderParameters p = kelvane::RiderParameters::Read(rig.host, false);
    for (auto _ : state) {
        double sum = 0;
        for (int angle = 0; angle <= 360; ++angle) {
            p.phase = angle;
            const kelvane::RiderState s = kelvane::RiderState::Compute(p);
            sum += s.pC + s.currVol + s.nHotShare + s.hotPos + s.coldPos;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RiderModelArithmetic)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
