#include "foundations/Conversions.h"
#include "foundations/TLineSeries.h"

#include <benchmark/benchmark.h>

static void BM_MyRealToStr(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvane::MyRealToStr(v));
        v += 0.001;
    }
}
BENCHMARK(BM_MyRealToStr);

// A strip chart's step: append one point and drop the oldest, then ask the extremes.
static void BM_StripSeriesStep(benchmark::State& state) {
    kelvane::TLineSeries s;
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i)
        s.AddXY(i, (i * 37) % 101);
    int x = n;
    for (auto _ : state) {
        s.AddXY(x, (x * 37) % 101);
        s.DeleteFirst();
        benchmark::DoNotOptimize(s.YValues().MaxValue());
        ++x;
    }
}
BENCHMARK(BM_StripSeriesStep)->Arg(1000)->Arg(10000)->Arg(50000);

BENCHMARK_MAIN();
