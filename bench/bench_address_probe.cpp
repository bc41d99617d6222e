// What the look for another device on an address costs, in an NmSandbox whose far
// end holds 10.9.0.5 while NetworkManager's v0 is up with 10.9.0.6/24. Needs root.
//   ProbeAnswered:      the probe of 10.9.0.5 (a device answers), the neighbour entry flushed first
//   ProbeFree:          the probe of an address nobody holds: it waits its whole limit
//   NetshAfterProbe:    netsh's address change to a free address as Netvane runs it after a probe (dad=no)
//   NetshSystemCheck:   the same change checked by NetworkManager itself (no probe was possible)
// A free address applied from the window costs ProbeFree + NetshAfterProbe against the
// same change before the look existed.
#include <benchmark/benchmark.h>

#include <net/if.h>

#include <memory>

#include "NmSandbox.h"
#include "adapters/AddressProbe.h"

namespace {

using Args = std::vector<std::string>;

struct Setting {
    std::unique_ptr<NmSandbox> Box;
    std::unique_ptr<NmSandbox::NamespaceGuard> Near;
    std::uint32_t Index = 0;
};

Setting* Sandbox(benchmark::State& state)
{
    static Setting setting;
    if (!setting.Box) {
        if (const std::string why = NmSandbox::SkipReason(); !why.empty()) {
            state.SkipWithError(why.c_str());
            return nullptr;
        }
        setting.Box = std::make_unique<NmSandbox>();
        RunOrThrow({"ip", "-n", setting.Box->FarNamespace(), "addr", "add", "10.9.0.5/24", "dev", "v1"});
        setting.Box->AddEthernetProfile("Office LAN", {"ipv4.method", "manual", "ipv4.addresses", "10.9.0.6/24"});
        setting.Box->Nmcli({"connection", "up", "Office LAN"});
        setting.Near = setting.Box->EnterNear();
        setting.Index = ::if_nametoindex(NmSandbox::kDevice);
    }
    return &setting;
}

void Probe(benchmark::State& state, const std::string& address, bool answered)
{
    Setting* s = Sandbox(state);
    if (!s)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        RunOrThrow({"ip", "neigh", "flush", "dev", NmSandbox::kDevice});
        state.ResumeTiming();
        const std::string device = ProbeAddress({address, "10.9.0.6", s->Index}, kAddressProbeLimit, {});
        if (device.empty() == answered) {
            state.SkipWithError("unexpected answer");
            return;
        }
    }
}

void ProbeAnswered(benchmark::State& state) { Probe(state, "10.9.0.5", true); }
void ProbeFree(benchmark::State& state) { Probe(state, "10.9.0.7", false); }

void Change(benchmark::State& state, bool probed)
{
    if (!Sandbox(state))
        return;
    int turn = 0;
    for (auto _ : state) {
        Args argv{NETSH_PATH, "interface", "ip", "set", "address", "Office LAN", "static",
                  turn++ % 2 ? "10.9.0.7" : "10.9.0.8", "255.255.255.0", "10.9.0.1", "1"};
        if (probed)
            argv.push_back("dad=no");
        const netsh::ProcessResult r = netsh::RunProcess(argv);
        if (!r.Started || r.ExitCode != 0) {
            state.SkipWithError(r.Err.c_str());
            return;
        }
    }
}

void NetshAfterProbe(benchmark::State& state) { Change(state, true); }
void NetshSystemCheck(benchmark::State& state) { Change(state, false); }

}  // namespace

BENCHMARK(ProbeAnswered)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(ProbeFree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(NetshAfterProbe)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK(NetshSystemCheck)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK_MAIN();
