// ReadAdaptorRows over 200 veth adapters in a namespace of its own, against
// `ip -j addr show` on the same namespace. Needs root; the namespace is
// removed when the run ends.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "adapters/IPHelper.h"
#include "adapters/o_AdapterInformation.h"
#include "NetNamespace_linux.h"

namespace {

constexpr int kPairs = 100;  // both ends in the namespace: 200 veth adapters

void BM_ReadAdaptorRows(benchmark::State& state) {
    std::int32_t count = 0;
    for (auto _ : state) {
        TAdaptorRows rows;
        if (ReadAdaptorRows(count, rows) != 0)
            state.SkipWithError("snapshot failed");
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["adapters"] = count;
}
BENCHMARK(BM_ReadAdaptorRows)->Unit(benchmark::kMillisecond);

void BM_EnumerateNetworkAdapters(benchmark::State& state) {
    TqxNetworkAdapterManager manager;
    for (auto _ : state)
        manager.EnumerateNetworkAdapters();
    state.counters["adapters"] = manager.Adapters().Count();
}
BENCHMARK(BM_EnumerateNetworkAdapters)->Unit(benchmark::kMillisecond);

void BM_IpJsonAddrShow(benchmark::State& state) {
    for (auto _ : state)
        if (RunProgram({"ip", "-j", "addr", "show"}) != 0)
            state.SkipWithError("ip failed");
}
BENCHMARK(BM_IpJsonAddrShow)->Unit(benchmark::kMillisecond);

// The namespace of the run; removed on every way out of main.
struct TBenchNamespace {
    std::string Name = "nvbench" + std::to_string(getpid());
    bool Made = false;
    ~TBenchNamespace() {
        if (Made)
            RunProgram({"ip", "netns", "del", Name});
    }
    bool Make() {
        Made = RunProgram({"ip", "netns", "add", Name}) == 0;
        if (!Made)
            return false;
        const std::string batch = "/tmp/" + Name + ".batch";
        {
            std::ofstream out(batch);
            for (int i = 0; i < kPairs; ++i) {
                out << "link add va" << i << " type veth peer name vb" << i << "\n";
                out << "addr add 10." << (i / 250) << "." << (i % 250) << ".1/24 dev va" << i << "\n";
                out << "addr add 10.1" << (i / 250) << "." << (i % 250) << ".2/24 dev vb" << i << "\n";
                out << "link set va" << i << " up\nlink set vb" << i << " up\n";
            }
            out << "route add default via 10.0.0.254 dev va0\n";
        }
        const bool filled = RunProgram({"ip", "-n", Name, "-batch", batch}) == 0;
        std::remove(batch.c_str());
        return filled;
    }
    bool Enter() const {
        const int fd = open(("/run/netns/" + Name).c_str(), O_RDONLY | O_CLOEXEC);
        const bool entered = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0)
            close(fd);
        return entered;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (geteuid() != 0) {
        std::fprintf(stderr, "bench_adapters: needs root to build its network namespace\n");
        return 0;
    }
    TBenchNamespace ns;
    if (!ns.Make() || !ns.Enter()) {
        std::fprintf(stderr, "bench_adapters: could not set up the namespace\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
