#!/usr/bin/env python3
"""Prints the table of benchmark figures against their targets.

Reads the Google Benchmark JSON files that scripts/bench writes (one per
benchmark program, named after it) and prints a Markdown table. A figure whose
program was not built or did not run is shown as "not built" / "not run".
Standard library only.
"""
import json
import os
import re
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(folder):
    runs = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".json"):
            continue
        try:
            with open(os.path.join(folder, name)) as f:
                runs[name[: -len(".json")]] = json.load(f).get("benchmarks", [])
        except (OSError, ValueError):
            runs[name[: -len(".json")]] = []
    return runs


def find(runs, program, pattern):
    """The first run of `program` whose name matches `pattern`: the mean when
    repeated, else the run itself. None when absent or skipped with an error."""
    if program not in runs:
        return "not built"
    regex = re.compile(pattern)
    plain = None
    for b in runs[program]:
        name = b.get("run_name", b.get("name", ""))
        if not regex.search(name) or b.get("error_occurred"):
            continue
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == "mean":
                return b
        elif plain is None:
            plain = b
    return plain if plain is not None else "not run"


def ms(b, key="real_time"):
    return b[key] * TO_MS[b.get("time_unit", "ns")]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "build-bench/results"
    runs = load(folder)
    rows = []

    def timed(label, program, pattern, target_ms):
        b = find(runs, program, pattern)
        if isinstance(b, str):
            rows.append((label, b, f"{target_ms:g} ms", "", ""))
            return None
        value = ms(b)
        # Processor time of the benchmark's thread: what the work costs when
        # other programs share the machine (not meaningful for a child process).
        cpu = f"{ms(b, 'cpu_time'):.3g} ms" if program != "bench_windows" or "Start" not in pattern else ""
        rows.append((label, f"{value:.3g} ms", f"{target_ms:g} ms", value / target_ms, cpu))
        return value

    def ratio(label, program, over, under, target):
        """The ratio of two figures of one program (one run: the machine's
        drift cancels), on wall time with processor time beside it."""
        a, b = find(runs, program, over), find(runs, program, under)
        if isinstance(a, str) or isinstance(b, str):
            rows.append((label, a if isinstance(a, str) else b, f"{target:g}x" if target else "",
                         "", ""))
            return
        wall = ms(a) / ms(b)
        cpu = ms(a, "cpu_time") / ms(b, "cpu_time")
        rows.append((label, f"{wall:.2f}x", f"{target:g}x" if target else "",
                     wall / target if target else "", f"{cpu:.2f}x"))

    timed("Gamma analysis", "bench_gamma", r"^BM_GammaAnalysis", 0.05)
    ratio("Gamma analysis over its model's arithmetic (361 angles)", "bench_gamma",
          r"^BM_GammaAnalysis", r"^BM_GammaModelArithmetic", None)
    timed("Rider analysis (animation stopped)", "bench_rider",
          r"^BM_RiderCalcButtonClick/animating:0", 0.1)
    timed("Rider analysis (animating)", "bench_rider", r"^BM_RiderCalcButtonClick/animating:1", 0.1)
    ratio("Rider analysis (stopped) over its model's arithmetic", "bench_rider",
          r"^BM_RiderCalcButtonClick/animating:0", r"^BM_RiderModelArithmetic", None)
    steps = {}
    for n in (1000, 10000, 50000):
        steps[n] = timed(f"Ringbom step at {n // 1000} k recorded steps", "bench_ringbom",
                         rf"^BM_RingbomStepGrowing/{n}/", 1.0)
    if steps[1000] and steps[50000]:
        # On processor time: wall times of a few microseconds on a shared
        # machine are mostly the other programs.
        cpu = {n: ms(find(runs, "bench_ringbom", rf"^BM_RingbomStepGrowing/{n}/"), "cpu_time")
               for n in (1000, 50000)}
        growth = cpu[50000] / cpu[1000]
        rows.append(("Ringbom step, 50 k over 1 k (processor time)", f"{growth:.2f}x", "1.2x",
                     growth / 1.2, ""))
    else:
        rows.append(("Ringbom step, 50 k over 1 k", "not run", "1.2x", "", ""))
    timed("Sweep of 101 values, end to end", "bench_sweep", r"SweepInTheWindows", 500.0)
    ratio("Sweep in the windows over its 202 bare analyses", "bench_sweep",
          r"SweepInTheWindows", r"^BM_GammaAnalysesOfASweep", 2.5)
    timed("Calc in the Gamma window (4 charts)", "bench_windows", r"^BM_GammaCalcInWindow", 10.0)
    timed("Animation tick, Gamma window", "bench_windows", r"^BM_GammaTick", 5.0)
    for n, all_data, view in ((1000, 1, "All Data"), (10000, 1, "All Data"), (50000, 1, "All Data"),
                              (100000, 1, "All Data"), (1000, 0, "360-degree view"),
                              (50000, 0, "360-degree view")):
        timed(f"Animation tick, Ringbom window ({view}, {n // 1000} k steps)", "bench_windows",
              rf"^BM_RingbomTick/recorded:{n}/all_data:{all_data}/", 5.0)
    ratio("Ringbom tick (All Data), 100 k over 1 k recorded steps", "bench_windows",
          r"^BM_RingbomTick/recorded:100000/all_data:1/", r"^BM_RingbomTick/recorded:1000/all_data:1/",
          1.3)
    timed("Animation tick, two-piston window", "bench_windows", r"^BM_RiderTick", 5.0)
    for arg, window in ((0, "Gamma"), (1, "Ringbom"), (2, "two-piston")):
        timed(f"Redraw of the {window} window", "bench_windows",
              rf"^BM_WindowRedraw/gamma0_ringbom1_rider2:{arg}$", 50.0)
    timed("Ringbom 4-chart redraw at 50 k steps (360-degree view)", "bench_windows",
          r"^BM_RingbomChartsAt360/50000/", 10.0)
    timed("Ringbom 4-chart redraw at 1 k steps (All Data)", "bench_windows",
          r"^BM_RingbomChartsAllData/1000/", 10.0)
    timed("Ringbom 4-chart redraw at 10 k steps (All Data)", "bench_windows",
          r"^BM_RingbomChartsAllData/10000/", 10.0)
    timed("Program start to launcher shown", "bench_windows", r"^BM_ProgramStart", 300.0)

    cap_mb = 200.0
    b = find(runs, "bench_memory", r"^BM_RingbomRunPeakMemory")
    if isinstance(b, str):
        rows.append(("Peak memory after a 50 000-step Ringbom run", b, f"{cap_mb:g} MB", "", ""))
    else:
        mb = b["max_rss_mb"]
        rows.append(("Peak memory after a 50 000-step Ringbom run", f"{mb:.1f} MB",
                     f"{cap_mb:g} MB", mb / cap_mb, ""))

    print("| Measure | Figure (wall) | Processor time | Target | Measured/target |")
    print("|---|---:|---:|---:|---:|")
    over = 0
    for label, figure, target, share, cpu in rows:
        if isinstance(share, float):
            mark = "" if share <= 1.0 else " (over)"
            over += share > 1.0
            share = f"{share:.2f}{mark}"
        print(f"| {label} | {figure} | {cpu} | {target} | {share} |")
    if over:
        print(f"\n{over} figure(s) over target.")


if __name__ == "__main__":
    main()
