// The long run of the desktop program, offscreen: the Ringbom window stepping
// 100 000 times, the Gamma and two-piston windows animating 10 000 ticks each,
// and a sweep of every yellow Gamma field. It prints the memory in use every
// 10 000 steps and fails when the memory passes the cap, when a step takes
// more than the step limit, or when any handler reports an error.
//
// The Ringbom window runs with All Data unticked (the charts show the last
// 360 degrees), the view a long run is watched in: with All Data ticked every
// tick redraws the whole record, and its time grows with the record
// (docs/PERFORMANCE.md). KELVANE_SOAK_ALL_DATA=1 runs it ticked instead.
// A step over the limit is counted and the run goes on, so that every figure
// is printed; the exit status is then non-zero.
//
// Run by scripts/soak (not by ctest: it takes several minutes). Settings:
//   KELVANE_SOAK_CAP_MB         memory cap (resident set), default 300
//   KELVANE_SOAK_STEP_MS        step limit, default 20
//   KELVANE_SOAK_RINGBOM_STEPS  default 100000
//   KELVANE_SOAK_TICKS          ticks of each animated window, default 10000
//
// A step is timed in the processor time of this thread (what the step costs),
// so that other programs on a shared machine do not fail the run; the wall
// time of the slowest step is printed beside it.
#include "TestPlatform.h"
#include "gamma/GammaSweep.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/SimulatorFrame.h"
#include "shell/TKelvaneDispatchForm.h"
#include "widgets/HandlerGuard.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

#include "gamma/GammaFields.h"
#include <sys/resource.h>
#include <unistd.h>

using namespace kelvane;

namespace {

struct Limits {
    double capMb = 300;
    double stepMs = 20;
    int ringbomSteps = 100000;
    int ticks = 10000;
};

double EnvNumber(const char* name, double fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    double v = std::strtod(text, &end);
    return end && *end == '\0' && v > 0 ? v : fallback;
}

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// What the event loop runs after a handler, without firing timers: the
// charts' queued replots, then the repaints they asked for.
void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

int g_errors = 0;

// Runs `steps` steps of one window, reporting every 10 000; false on failure.
bool Phase(const char* name, int steps, const Limits& limits, const std::function<void()>& step) {
    std::printf("== %s: %d steps\n", name, steps);
    double worstCpu = 0, worstWall = 0, blockCpu = 0;
    int slow = 0;
    double started = Seconds(CLOCK_MONOTONIC);
    for (int i = 1; i <= steps; ++i) {
        double cpu0 = Seconds(CLOCK_THREAD_CPUTIME_ID);
        double wall0 = Seconds(CLOCK_MONOTONIC);
        step();
        Settle();
        double cpu = (Seconds(CLOCK_THREAD_CPUTIME_ID) - cpu0) * 1e3;
        double wall = (Seconds(CLOCK_MONOTONIC) - wall0) * 1e3;
        worstCpu = std::max(worstCpu, cpu);
        worstWall = std::max(worstWall, wall);
        blockCpu = std::max(blockCpu, cpu);
        if (cpu > limits.stepMs) {
            if (++slow <= 5)
                std::printf("FAIL: %s step %d took %.2f ms (limit %.0f ms)\n", name, i, cpu,
                            limits.stepMs);
        }
        if (g_errors > 0) {
            std::printf("FAIL: %s step %d: a handler reported an error\n", name, i);
            return false;
        }
        if (i % 10000 == 0 || i == steps) {
            double rss = ResidentMb();
            std::printf("  %6d steps  rss %7.1f MB  peak %7.1f MB  slowest step %5.2f ms"
                        " (of the last block %5.2f ms)  %6.1f s\n",
                        i, rss, PeakMb(), worstCpu, blockCpu, Seconds(CLOCK_MONOTONIC) - started);
            std::fflush(stdout);
            blockCpu = 0;
            if (rss > limits.capMb) {
                std::printf("FAIL: %s: %.1f MB in use, over the cap of %.0f MB\n", name, rss,
                            limits.capMb);
                return false;
            }
        }
    }
    std::printf("  slowest step %.2f ms processor time, %.2f ms wall time; %d over the limit\n",
                worstCpu, worstWall, slow);
    return slow == 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KelvaneApplication app(argc, argv);
    TestPlatform platform;
    QTemporaryDir folder;
    SimulatorFrame::SetProgramFolderForTests(folder.path().toStdString() + "/");
    SetExceptionReporter([](std::exception_ptr) { ++g_errors; });

    Limits limits;
    limits.capMb = EnvNumber("KELVANE_SOAK_CAP_MB", limits.capMb);
    limits.stepMs = EnvNumber("KELVANE_SOAK_STEP_MS", limits.stepMs);
    limits.ringbomSteps =
        static_cast<int>(EnvNumber("KELVANE_SOAK_RINGBOM_STEPS", limits.ringbomSteps));
    limits.ticks = static_cast<int>(EnvNumber("KELVANE_SOAK_TICKS", limits.ticks));
    std::printf("cap %.0f MB, step limit %.0f ms; at start rss %.1f MB\n", limits.capMb,
                limits.stepMs, ResidentMb());

    bool ok = true;
    {
        // The whole program, so that whatever it wires between its windows
        // (the sweep's graph window among them) is what runs here.
        KelvaneProgram program;
        program.Launcher().show();

        TRingbomStirlingMainForm& ringbom = program.Window<TRingbomStirlingMainForm>("ringbom");
        ringbom.show(); // starts a run, as the window does when it opens
        Settle();
        if (ringbom.AllDataCB->isChecked() && EnvNumber("KELVANE_SOAK_ALL_DATA", 0) == 0)
            ringbom.AllDataCB->click();
        ok =
            Phase("Ringbom window", limits.ringbomSteps, limits, [&] { ringbom.TimerTimeout(); }) &&
            ok;
        std::printf("  recorded steps at the end: %d\n", ringbom.Engine().DisplacerSeries.Count());
        ringbom.Timer->stop();
        ringbom.hide();

        TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
        gamma.show();
        gamma.SpeedButtonClick(100);
        gamma.Timer->stop(); // the soak turns the crank itself
        ok = Phase("Gamma window", limits.ticks, limits, [&] { gamma.TimerTimeout(); }) && ok;

        TRiderStirlingMainForm& rider = program.Window<TRiderStirlingMainForm>("rider");
        rider.show();
        rider.SpeedButtonClick(100);
        rider.Timer->stop();
        ok = Phase("Two-piston window", limits.ticks, limits, [&] { rider.TimerTimeout(); }) && ok;

        // A sweep of every yellow field, through the window's double-click hook.
        {
            if (gamma.onSweepRequest) {
                gamma.StopButtonClick();
                for (Field field : GammaSweep::kYellowFields) {
                    std::string name =
                        std::string("Sweep of ") + GammaFields().RowOf(field).control;
                    ok = Phase(name.c_str(), 1, Limits{limits.capMb, 1e9, 1, 1},
                               [&] { gamma.Run([&] { gamma.onSweepRequest(field); }); }) &&
                         ok;
                }
            } else {
                std::printf("== Sweeps: the Gamma window has no sweep wired\n");
                ok = false;
            }
        }
        program.End();
    }

    std::printf("peak rss %.1f MB; errors reported %d\n", PeakMb(), g_errors);
    SetExceptionReporter(nullptr);
    SimulatorFrame::SetProgramFolderForTests({});
    std::printf(ok ? "soak: PASS\n" : "soak: FAIL\n");
    return ok ? 0 : 1;
}
