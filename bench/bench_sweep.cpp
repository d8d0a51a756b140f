#include "EngineRig.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/TPopUpGraphForm.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Counts the replots of the chart views in a window (not in its child windows).
void WatchReplots(QWidget& window, int& counter) {
    for (kelvane::ChartView* view : window.findChildren<kelvane::ChartView*>()) {
        if (view->window() == &window)
            QObject::connect(view, &QCustomPlot::afterReplot, [&counter] { ++counter; });
    }
}

bool AnyReplotPending(QWidget& window) {
    for (kelvane::ChartView* view : window.findChildren<kelvane::ChartView*>()) {
        if (view->ReplotPending())
            return true;
    }
    return false;
}

} // namespace

// The double-click sweep of the piston throw (101 values) in the shown Gamma
// window, the net-work graph window showing and every chart of both windows
// redrawn at most once a display frame and after the last value, offscreen.
static void BM_PistonThrowSweepInTheWindows(benchmark::State& state) {
    kelvane::TGammaStirlingMainForm gamma;
    kelvane::TPopUpGraphForm graph(gamma, kelvane::GammaEntry());
    gamma.Timer->stop();
    gamma.show();
    gamma.Host().Edit(kelvane::Field::PistonThrow)->setText("60");
    QApplication::processEvents();
    int replots = 0;
    WatchReplots(gamma, replots);
    WatchReplots(graph, replots);

    int sweeps = 0;
    for (auto _ : state) {
        gamma.Run([&] { graph.Sweep().FieldDblClick(kelvane::Field::PistonThrow); });
        // The last frame's replots, which wait for the frame to end.
        while (AnyReplotPending(gamma) || AnyReplotPending(graph))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ++sweeps;
    }
    state.counters["points"] = graph.Sweep().WorkSeries.Count();
    state.counters["replots/sweep"] = static_cast<double>(replots) / sweeps;
}
BENCHMARK(BM_PistonThrowSweepInTheWindows)->Unit(benchmark::kMillisecond)->Iterations(5);

// The arithmetic a sweep cannot do without, in the same program so that the
// machine's speed cancels out of their ratio: its 202 analyses (two a value)
// through a map host, nothing drawn.
static void BM_GammaAnalysesOfASweep(benchmark::State& state) {
    kelvane::test::GammaRig rig;
    for (auto _ : state) {
        for (int k = 0; k < 202; ++k)
            rig.engine.CalcButtonClick();
        benchmark::DoNotOptimize(rig.engine.meanPressure);
    }
}
BENCHMARK(BM_GammaAnalysesOfASweep)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
