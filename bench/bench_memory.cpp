// Peak memory of a long Ringbom run: the core engine through a map host,
// recording 50 000 steps on its strip charts, as the window records them.
#include "EngineRig.h"
#include "ringbom/RingbomEngine.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

static double MaxRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

static void BM_RingbomRunPeakMemory(benchmark::State& state) {
    const int steps = static_cast<int>(state.range(0));
    const double before = MaxRssMegabytes();
    int recorded = 0;
    for (auto _ : state) {
        kelvane::test::RingbomRig rig;
        kelvane::RingbomEngine& engine = rig.engine;
        while (engine.DisplacerSeries.Count() < steps)
            engine.Tick();
        recorded = engine.DisplacerSeries.Count();
        state.counters["max_rss_mb"] = MaxRssMegabytes();
    }
    state.counters["rss_before_mb"] = before;
    state.counters["recorded"] = recorded;
}
// One run: the figure is the process's high-water mark after it.
BENCHMARK(BM_RingbomRunPeakMemory)->Arg(50000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
