#include "EngineRig.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A default engine shown as the window shows it, run until `recorded` steps
// are on the strip charts (All Data ticked, so every step also moves the axes).
struct Rig : kelvane::test::RingbomRig {
    explicit Rig(int recorded) {
        while (engine.DisplacerSeries.Count() < recorded)
            engine.Tick();
    }
};

} // namespace

// One timer tick (model step, recording of the 16 series, pressure-axis
// rescale, angle markers) with the record growing from `recorded` steps.
static void BM_RingbomStepGrowing(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    for (auto _ : state)
        rig.engine.Tick();
    state.counters["recorded_at_end"] = rig.engine.DisplacerSeries.Count();
}
BENCHMARK(BM_RingbomStepGrowing)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Iterations(1000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The same tick with the record held at `recorded` steps by the cap, so the
// dropping of whole revolutions (and the rescans it may cause) is included.
static void BM_RingbomStepCapped(benchmark::State& state) {
    const int recorded = static_cast<int>(state.range(0));
    Rig rig(recorded);
    rig.engine.record.stripChartMaxSteps = recorded;
    for (auto _ : state)
        rig.engine.Tick();
    state.counters["recorded_at_end"] = rig.engine.DisplacerSeries.Count();
}
BENCHMARK(BM_RingbomStepCapped)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Iterations(7200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
