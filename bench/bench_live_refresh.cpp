// Refresh latency: from `ip addr add` on a veth in a namespace of its own to the
// current configuration tree and the in-effect marks showing the address, with
// the program's own listener, coalescing and refresh. Needs root; the namespace
// is removed when the run ends. Also the CPU the live refresh uses while idle.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "NetNamespace_linux.h"
#include "adapters/o_AdapterInformation.h"
#include "ipsets/o_IPSetManager.h"
#include "ipsets/o_LiveRefresh.h"
#include "support/TempStore.h"
#include "support/WiredManager.h"

namespace {

std::string gNamespace;

bool TreeShows(QTreeWidget& tree, const QString& text)
{
    return !tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
}

// Runs the event loop, waiting for events, until the condition holds; false after 5 s.
template <typename F>
bool ProcessUntil(F done)
{
    QElapsedTimer clock;
    clock.start();
    QTimer guard;  // wakes the wait below at the latest then
    guard.start(5000);
    while (!done()) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void ProcessFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window's pieces: store with one set on the veth's connection, both trees, live refresh.
struct Setup {
    TempStore store;
    QTreeWidget tree, adapterTree;
    TqxNetworkAdapterManager adapters;
    TqxIPSetManager manager;
    TqxLiveRefresh live{&manager};
    int set = 0;

    Setup()
    {
        const int lan = store.AddConnection("Bench LAN");
        set = store.AddIPSet("Bench", "10.66.0.9", "255.255.255.0", "", "", false, lan);
        WireManager(manager, store, tree, adapterTree, adapters, "Bench LAN");
        manager.UpdateUI();
    }
};

void BM_AddressToTreeAndMarks(benchmark::State& state)
{
    Setup s;
    if (!s.live.Start()) {
        state.SkipWithError(s.live.Error().toStdString().c_str());
        return;
    }
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        RunProgram({"ip", "-n", gNamespace, "addr", "add", "10.66.0.9/24", "dev", "v0"});
        const bool shown = ProcessUntil(
            [&] { return TreeShows(s.adapterTree, "10.66.0.9") && s.manager.InEffectIDs().contains(s.set); });
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (!shown) {
            state.SkipWithError("the address never showed");
            break;
        }
        state.SetIterationTime(took.count());
        samples.push_back(took.count() * 1000);
        // Back to the start, then idle long enough that the next change is a fresh one.
        RunProgram({"ip", "-n", gNamespace, "addr", "del", "10.66.0.9/24", "dev", "v0"});
        ProcessUntil([&] { return !TreeShows(s.adapterTree, "10.66.0.9"); });
        ProcessFor(400);
    }
    if (!samples.empty()) {
        std::sort(samples.begin(), samples.end());
        state.counters["median_ms"] = samples[samples.size() / 2];
        state.counters["max_ms"] = samples.back();
    }
}
BENCHMARK(BM_AddressToTreeAndMarks)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long VoluntarySwitches()
{
    std::ifstream status("/proc/thread-self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::stol(line.substr(24));
    return -1;
}

// Idle: nothing changes for the given seconds. The CPU used and how often the
// GUI thread woke up (its voluntary context switches; the measuring wait's own
// timer accounts for one).
void BM_IdleLiveRefresh(benchmark::State& state)
{
    Setup s;
    if (!s.live.Start()) {
        state.SkipWithError(s.live.Error().toStdString().c_str());
        return;
    }
    ProcessFor(500);
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        const long switches = VoluntarySwitches();
        ProcessFor(static_cast<int>(state.range(0)) * 1000);
        state.counters["cpu_ms"] = (CpuSeconds() - cpu) * 1000;
        state.counters["wakeups"] = static_cast<double>(VoluntarySwitches() - switches);
        state.counters["refreshes"] = s.live.RefreshCount();
    }
}
BENCHMARK(BM_IdleLiveRefresh)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    if (geteuid() != 0) {
        std::fprintf(stderr, "bench_live_refresh: needs root to build its network namespace\n");
        return 0;
    }
    TNetNamespace ns, peer;
    if (!ns.Ok() || !peer.Ok() ||
        !ns.Ip({"link", "add", "v0", "type", "veth", "peer", "name", "v1", "netns", peer.Name()}) ||
        !ns.Ip({"link", "set", "v0", "up"})) {
        std::fprintf(stderr, "bench_live_refresh: could not set up the namespace\n");
        return 1;
    }
    gNamespace = ns.Name();
    // The whole program lives in the namespace, as Netvane would on that machine.
    const int fd = open(("/run/netns/" + ns.Name()).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || setns(fd, CLONE_NEWNET) != 0) {
        std::fprintf(stderr, "bench_live_refresh: could not enter the namespace\n");
        return 1;
    }
    close(fd);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
