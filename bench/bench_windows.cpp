// What a user of the desktop program waits for: a Calc with its four charts
// redrawn, an animation tick of each window, a redraw of each window, the
// Ringbom charts at a long record, and the program's start. Offscreen, with a
// desktop that never blocks and a program folder of its own.
#include "TestPlatform.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneApplication.h"
#include "shell/SimulatorFrame.h"
#include "widgets/HandlerGuard.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

using namespace kelvane;

namespace {

int g_errors = 0;

// Runs what the event loop would run next without firing any timer: the
// charts' queued replots first, then the window repaints they asked for.
void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

// Counts the replots of a window's four upper charts, to show the figure
// includes them.
struct ReplotCounter {
    int count = 0;
    explicit ReplotCounter(SimulatorFrame& form) {
        for (int c = 1; c <= 4; ++c)
            QObject::connect(form.Chart(c), &QCustomPlot::afterReplot, [this] { ++count; });
    }
};

// Splits a step's time into the handler (model, picture, grid, chart data),
// the queued chart replots and the window repaint, reported as counters.
// Each step starts a display frame after the last (untimed), as a timer's
// steps do: a chart replots at most once a frame.
class StepSplit {
  public:
    explicit StepSplit(benchmark::State& state) : state_(state) {}

    template <class Handler> void Run(Handler&& handler) {
        state_.PauseTiming();
        QThread::msleep(17);
        state_.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        handler();
        qint64 t1 = clock.nsecsElapsed();
        QCoreApplication::sendPostedEvents();
        qint64 t2 = clock.nsecsElapsed();
        QCoreApplication::sendPostedEvents();
        qint64 t3 = clock.nsecsElapsed();
        handler_ += t1;
        replot_ += t2 - t1;
        paint_ += t3 - t2;
    }
    void Report(benchmark::State& state) const {
        double n = static_cast<double>(state.iterations()) * 1e6;
        state.counters["handler_ms"] = static_cast<double>(handler_) / n;
        state.counters["replot_ms"] = static_cast<double>(replot_) / n;
        state.counters["paint_ms"] = static_cast<double>(paint_) / n;
    }

  private:
    benchmark::State& state_;
    qint64 handler_ = 0, replot_ = 0, paint_ = 0;
};

bool Failed(benchmark::State& state) {
    if (g_errors == 0)
        return false;
    state.SkipWithError("a handler reported an error");
    g_errors = 0;
    return true;
}

std::unique_ptr<TGammaStirlingMainForm> ShownGamma() {
    auto form = std::make_unique<TGammaStirlingMainForm>();
    form->show();
    form->Timer->stop(); // the benchmark turns the crank itself
    Settle();
    return form;
}

std::unique_ptr<TRiderStirlingMainForm> ShownRider() {
    auto form = std::make_unique<TRiderStirlingMainForm>();
    form->show();
    form->Timer->stop();
    if (form->GraphTimer->isActive())
        form->GraphTimerTimer();
    Settle();
    return form;
}

std::unique_ptr<TRingbomStirlingMainForm> ShownRingbom() {
    auto form = std::make_unique<TRingbomStirlingMainForm>();
    form->show();
    Settle();
    return form;
}

} // namespace

// "&Calc" in the Gamma window: the analysis, the grid, and the four charts
// replotted and repainted.
static void BM_GammaCalcInWindow(benchmark::State& state) {
    auto form = ShownGamma();
    ReplotCounter replots(*form);
    StepSplit split(state);
    for (auto _ : state)
        split.Run([&] { form->CalcButton->click(); });
    split.Report(state);
    state.counters["replots_per_calc"] =
        static_cast<double>(replots.count) / static_cast<double>(state.iterations());
    Failed(state);
}
BENCHMARK(BM_GammaCalcInWindow)->Unit(benchmark::kMillisecond);

// One animation tick of each window: model, picture, angle markers, redraw.
template <typename Form> void AnimationTicks(benchmark::State& state, Form& form) {
    form.SpeedButtonClick(100);
    form.Timer->stop();
    Settle();
    StepSplit split(state);
    for (auto _ : state)
        split.Run([&] { form.TimerTimeout(); });
    split.Report(state);
    Failed(state);
}

static void BM_GammaTick(benchmark::State& state) {
    AnimationTicks(state, *ShownGamma());
}
BENCHMARK(BM_GammaTick)->Unit(benchmark::kMillisecond);

static void BM_RiderTick(benchmark::State& state) {
    AnimationTicks(state, *ShownRider());
}
BENCHMARK(BM_RiderTick)->Unit(benchmark::kMillisecond);

// The Ringbom tick records a step, so the record grows during the run: a
// fixed count of ticks after `recorded` steps keeps the figure comparable.
// The window opens with All Data ticked (every tick redraws the whole
// record); unticked, the charts show the last 360 degrees.
static void BM_RingbomTick(benchmark::State& state) {
    auto form = ShownRingbom();
    if (state.range(1) == 0)
        form->AllDataCB->click();
    while (form->Engine().DisplacerSeries.Count() < state.range(0))
        form->Engine().Tick();
    form->SyncCharts();
    Settle();
    StepSplit split(state);
    for (auto _ : state)
        split.Run([&] { form->TimerTimeout(); });
    split.Report(state);
    state.counters["recorded_at_end"] = form->Engine().DisplacerSeries.Count();
    Failed(state);
}
BENCHMARK(BM_RingbomTick)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({50000, 1})
    ->Args({100000, 1})
    ->Args({1000, 0})
    ->Args({50000, 0})
    ->ArgNames({"recorded", "all_data"})
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

// A repaint of the whole shown window (charts drawn from their buffers).
static void BM_WindowRedraw(benchmark::State& state) {
    std::unique_ptr<SimulatorFrame> form;
    switch (state.range(0)) {
    case 0:
        form = ShownGamma();
        break;
    case 1:
        form = ShownRingbom();
        break;
    default:
        form = ShownRider();
        break;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(form->grab());
    Failed(state);
}
BENCHMARK(BM_WindowRedraw)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("gamma0_ringbom1_rider2")
    ->Unit(benchmark::kMillisecond);

// The Ringbom charts replotted (each chart's share as a counter) with a long
// record, showing a 360-degree window of it (All Data unticked) or all of it.
static void RingbomChartsReplot(benchmark::State& state, bool allData) {
    auto form = ShownRingbom();
    if (!allData)
        form->AllDataCB->click();
    RingbomEngine& engine = form->Engine();
    const int recorded = static_cast<int>(state.range(0));
    while (engine.DisplacerSeries.Count() < recorded)
        engine.Tick();
    form->PauseButton->click();
    form->SyncCharts();
    Settle();
    qint64 spent[5] = {};
    QElapsedTimer clock;
    for (auto _ : state) {
        for (int c = 1; c <= 4; ++c) {
            clock.start();
            form->Chart(c)->replot(QCustomPlot::rpImmediateRefresh);
            spent[c - 1] += clock.nsecsElapsed();
        }
    }
    for (int c = 1; c <= 4; ++c)
        state.counters["chart" + std::to_string(c) + "_ms"] =
            static_cast<double>(spent[c - 1]) / static_cast<double>(state.iterations()) / 1e6;
    state.counters["recorded"] = engine.DisplacerSeries.Count();
    Failed(state);
}

static void BM_RingbomChartsAt360(benchmark::State& state) {
    RingbomChartsReplot(state, false);
}
// Fixed iteration counts: the set-up (50 000 steps through the window) is
// long and would otherwise be repeated while the library settles on a count.
BENCHMARK(BM_RingbomChartsAt360)->Arg(50000)->Iterations(200)->Unit(benchmark::kMillisecond);

static void BM_RingbomChartsAllData(benchmark::State& state) {
    RingbomChartsReplot(state, true);
}
BENCHMARK(BM_RingbomChartsAllData)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// From starting the program to its launcher shown and painted (the program
// reports it and quits when KELVANE_EXIT_AFTER_SHOW is set).
static void BM_ProgramStart(benchmark::State& state) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELVANE_EXIT_AFTER_SHOW", "1");
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        program.start(KELVANE_PROGRAM, QStringList());
        bool shown = false;
        while (!shown && program.waitForReadyRead(10000))
            shown = program.readAll().contains("launcher shown");
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        program.waitForFinished(10000);
        if (!shown) {
            state.SkipWithError("the program did not report its launcher shown");
            break;
        }
    }
}
BENCHMARK(BM_ProgramStart)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KelvaneApplication app(argc, argv);
    TestPlatform platform;
    QTemporaryDir folder;
    SimulatorFrame::SetProgramFolderForTests(folder.path().toStdString() + "/");
    SetExceptionReporter([](std::exception_ptr) { ++g_errors; });

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetExceptionReporter(nullptr);
    SimulatorFrame::SetProgramFolderForTests({});
    return 0;
}
