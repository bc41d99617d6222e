// What the user feels of a running netsh: how long the event loop goes without a
// pump call (target: 50 ms at most), and how much a run costs beyond the command's
// own time and the fixed 1000 ms pause (target: 100 ms at most for the two commands).
#include "platform/FakeNetsh.h"
#include "platform/ProcessRunner.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
// A fake netsh that takes 2 s, as a slow netsh does; reports the longest gap between pumps.
void BM_LongestPumpGapWhileNetshRuns(benchmark::State& state)
{
    FakeNetsh netsh;
    netsh.SetSleep(2s);
    double longestMs = 0;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        ProcessRunOptions options;
        options.Pump = [&] {
            const Clock::time_point now = Clock::now();
            longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        };
        benchmark::DoNotOptimize(ExecuteAndWait("netsh interface ip set address \"Office\"  dhcp ", options));
        // From the last pump to the return counts as well.
        longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(Clock::now() - last).count());
    }
    state.counters["longest_gap_ms"] = longestMs;
}
BENCHMARK(BM_LongestPumpGapWhileNetshRuns)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Both commands of an application with a netsh that exits at once: the time beyond the two pauses.
void BM_OverheadOverTheTwoPauses(benchmark::State& state)
{
    FakeNetsh netsh;
    double overheadMs = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        ExecuteAndWait("netsh interface ip set address \"Office\"  static 10.0.0.5 255.0.0.0 10.0.0.1 1");
        ExecuteAndWait("netsh interface ip set dns \"Office\"  static 10.0.0.2 primary");
        const double totalMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        overheadMs = std::max(overheadMs, totalMs - 2000.0);
    }
    state.counters["worst_overhead_ms"] = overheadMs;
}
BENCHMARK(BM_OverheadOverTheTwoPauses)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK_MAIN();
