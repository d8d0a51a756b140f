#include "EngineRig.h"
#include "foundations/Conversions.h"
#include "gamma/GammaState.h"

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

// What the analysis cannot do without: the model at the same 361 angles of
// the default engine, its results summed, nothing stored.
static void BM_GammaModelArithmetic(benchmark::State& state) {
    using kelvane::Field;
    kelvane::test::GammaRig rig;
    auto real = [&](Field f) { return kelvane::MyStrToReal(rig.Text(f), 0); };
    kelvane::GammaParameters p;
    p.dispCylHt = real(Field::DispCylHeight);
    p.dispCylDiam = real(Field::DispCylDiameter);
    p.dispHt = real(Field::DispHeight);
    p.pistonDiam = real(Field::PistonDiameter);
    p.pistonTh = real(Field::PistonThrow);
    p.phaseOffset = kelvane::StrToInt(rig.Text(Field::PhaseOffset));
    p.hotTemp = kelvane::StrToInt(rig.Text(Field::HotTemp));
    p.coldTemp = kelvane::StrToInt(rig.Text(Field::ColdTemp));
    for (auto _ : state) {
        double sum = 0;
        for (int angle = 0; angle <= 360; ++angle) {
            p.phase = angle;
            const kelvane::GammaState s = kelvane::GammaState::Compute(p);
            sum += s.pC + s.currVol + s.nHot + s.tHot + s.tCold + s.pistonPos;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_GammaModelArithmetic)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
