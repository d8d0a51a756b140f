#include "foundations/MapHost.h"
#include "rider/RiderEngine.h"

#include <benchmark/benchmark.h>

// One revolution of the two-piston engine as the "&Calc" button runs it, with
// the animation stopped (so every angle also redraws, as in the window).
static void BM_RiderCalcButtonClick(benchmark::State& state) {
    kelvane::MapHost host;
    host.fields = {{"Phase", "0"},         {"PhaseOffset", "90"},  {"HotStrokeMin", "5"},
                   {"HotStrokeMax", "50"}, {"ColdStrokeMin", "5"}, {"ColdStrokeMax", "100"},
                   {"HotTemp", "300"},     {"ColdTemp", "100"}};
    kelvane::RiderEngine engine(host);
    host.onFieldChange = [&](const std::string& name) { engine.FieldChanged(name); };
    engine.SetGridLabels();
    engine.enable = true;
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
