// One iteration: static -> DHCP -> static on one connection profile, with its
// address and its DNS server, in an NmSandbox. Needs root.
//   NetshCycle:        Netvane's two netsh commands per step (address, then DNS)
//   NmcliSameCommands: the same six commands with plain nmcli, two runs each
//                      ("connection modify", then "connection up" / "device reapply")
//   NmcliPerStep:      what one would type by hand: one "modify" with address and
//                      DNS together and one "up" per step
// On a busy machine compare medians of interleaved repetitions:
//   bench_netsh_cycle --benchmark_repetitions=6 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>

#include <memory>

#include "NmSandbox.h"

namespace {

const std::string kName = "Office LAN";
using Args = std::vector<std::string>;

NmSandbox* Sandbox(benchmark::State& state)
{
    static std::unique_ptr<NmSandbox> box;
    if (!box) {
        if (const std::string why = NmSandbox::SkipReason(); !why.empty()) {
            state.SkipWithError(why.c_str());
            return nullptr;
        }
        box = std::make_unique<NmSandbox>();
        box->AddEthernetProfile(kName);
    }
    return box.get();
}

bool Run(benchmark::State& state, const Args& argv)
{
    const netsh::ProcessResult r = netsh::RunProcess(argv);
    if (r.Started && r.ExitCode == 0)
        return true;
    state.SkipWithError((argv[0] + " " + argv[1] + ": " + r.Err).c_str());
    return false;
}

bool Netsh(benchmark::State& state, Args args)
{
    args.insert(args.begin(), NETSH_PATH);
    return Run(state, args);
}

bool Nmcli(benchmark::State& state, Args args)
{
    args.insert(args.begin(), "nmcli");
    return Run(state, args);
}

const Args kStaticAddress{"interface", "ip", "set", "address", kName, "static", "10.9.0.5", "255.255.255.0",
                          "10.9.0.1", "1"};
const Args kStaticDns{"interface", "ip", "set", "dns", kName, "static", "10.9.0.3", "primary"};
const Args kDhcpAddress{"interface", "ip", "set", "address", kName, "dhcp"};
const Args kDhcpDns{"interface", "ip", "set", "dns", kName, "dhcp"};

const Args kModStatic{"connection", "modify", "id", kName, "ipv4.method", "manual", "ipv4.addresses", "10.9.0.5/24",
                      "ipv4.gateway", "10.9.0.1"};
const Args kModStaticDns{"connection", "modify", "id", kName, "ipv4.dns", "10.9.0.3", "ipv4.ignore-auto-dns", "yes"};
const Args kModDhcp{"connection", "modify", "id", kName, "ipv4.method", "auto", "ipv4.addresses", "",
                    "ipv4.gateway", ""};
const Args kModDhcpDns{"connection", "modify", "id", kName, "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"};
const Args kUp{"connection", "up", "id", kName};
const Args kReapply{"device", "reapply", NmSandbox::kDevice};

void NetshCycle(benchmark::State& state)
{
    if (!Sandbox(state))
        return;
    for (auto _ : state)
        for (const auto& [address, dns] : {std::pair{&kStaticAddress, &kStaticDns},
                                           {&kDhcpAddress, &kDhcpDns},
                                           {&kStaticAddress, &kStaticDns}})
            if (!Netsh(state, *address) || !Netsh(state, *dns))
                return;
}

void NmcliSameCommands(benchmark::State& state)
{
    if (!Sandbox(state))
        return;
    for (auto _ : state)
        for (const auto& [address, dns] : {std::pair{&kModStatic, &kModStaticDns},
                                           {&kModDhcp, &kModDhcpDns},
                                           {&kModStatic, &kModStaticDns}})
            if (!Nmcli(state, *address) || !Nmcli(state, kUp) || !Nmcli(state, *dns) || !Nmcli(state, kReapply))
                return;
}

Args Joined(const Args& address, const Args& dns)
{
    Args all = address;
    all.insert(all.end(), dns.begin() + 4, dns.end());
    return all;
}

void NmcliPerStep(benchmark::State& state)
{
    if (!Sandbox(state))
        return;
    const Args toStatic = Joined(kModStatic, kModStaticDns), toDhcp = Joined(kModDhcp, kModDhcpDns);
    for (auto _ : state)
        for (const Args* step : {&toStatic, &toDhcp, &toStatic})
            if (!Nmcli(state, *step) || !Nmcli(state, kUp))
                return;
}

}  // namespace

BENCHMARK(NetshCycle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(NmcliSameCommands)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(NmcliPerStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_MAIN();
