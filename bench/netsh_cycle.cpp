// One iteration: static -> DHCP -> static on one connection profile, with its
// address and its DNS server, in an NmSandbox. Needs root.
//   NetshCycle:        Netvane's two netsh commands per step (address, then DNS)
//   NmcliSameCommands: the same six commands with plain nmcli, two runs each
//                      ("connection modify", then "connection up" / "device reapply")
//   NmcliPerStep:      what one would type by hand: one "modify" with address and
//                      DNS together and one "up" per step
// netsh has NetworkManager listen for another device on a new static address
// (ipv4.dad-timeout 1000 for that activation) unless told "dad=no", as Netvane
// tells it after probing the address itself. Like against like:
//   NetshCycleNoDad:      NetshCycle with "dad=no", against NmcliSameCommands
//   NmcliSameCommandsDad: NmcliSameCommands listening as long, the profile's
//                         dad-timeout put back in the DNS step, against NetshCycle
// NmcliSameCommands' reapply right after a DHCP activation keeps the static DNS
// server (NetworkManager 1.42), where netsh brings the profile up anew so that the
// DHCP one is used: the nmcli side does less there than netsh.
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
Args NoDad(Args args)
{
    args.push_back("dad=no");
    return args;
}
const Args kStaticAddressNoDad = NoDad(kStaticAddress);
const Args kDhcpAddress{"interface", "ip", "set", "address", kName, "dhcp"};
const Args kDhcpDns{"interface", "ip", "set", "dns", kName, "dhcp"};

const Args kModStatic{"connection", "modify", "id", kName, "ipv4.method", "manual", "ipv4.addresses", "10.9.0.5/24",
                      "ipv4.gateway", "10.9.0.1"};
const Args kModStaticDns{"connection", "modify", "id", kName, "ipv4.dns", "10.9.0.3", "ipv4.ignore-auto-dns", "yes"};
const Args kModDhcp{"connection", "modify", "id", kName, "ipv4.method", "auto", "ipv4.addresses", "",
                    "ipv4.gateway", ""};
const Args kModDhcpDns{"connection", "modify", "id", kName, "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"};
Args With(Args args, const std::string& setting, const std::string& value)
{
    args.push_back(setting);
    args.push_back(value);
    return args;
}
const Args kModStaticDad = With(kModStatic, "ipv4.dad-timeout", "1000");
const Args kModStaticDnsDadBack = With(kModStaticDns, "ipv4.dad-timeout", "-1");
const Args kUp{"connection", "up", "id", kName};
const Args kReapply{"device", "reapply", NmSandbox::kDevice};

void NetshCycleOf(benchmark::State& state, const Args& staticAddress)
{
    if (!Sandbox(state))
        return;
    for (auto _ : state)
        for (const auto& [address, dns] : {std::pair{&staticAddress, &kStaticDns},
                                           {&kDhcpAddress, &kDhcpDns},
                                           {&staticAddress, &kStaticDns}})
            if (!Netsh(state, *address) || !Netsh(state, *dns))
                return;
}

void NetshCycle(benchmark::State& state)
{
    NetshCycleOf(state, kStaticAddress);
}

void NetshCycleNoDad(benchmark::State& state)
{
    NetshCycleOf(state, kStaticAddressNoDad);
}

void NmcliCycleOf(benchmark::State& state, const Args& toStatic, const Args& toStaticDns)
{
    if (!Sandbox(state))
        return;
    for (auto _ : state)
        for (const auto& [address, dns] : {std::pair{&toStatic, &toStaticDns},
                                           {&kModDhcp, &kModDhcpDns},
                                           {&toStatic, &toStaticDns}})
            if (!Nmcli(state, *address) || !Nmcli(state, kUp) || !Nmcli(state, *dns) || !Nmcli(state, kReapply))
                return;
}

void NmcliSameCommands(benchmark::State& state)
{
    NmcliCycleOf(state, kModStatic, kModStaticDns);
}

void NmcliSameCommandsDad(benchmark::State& state)
{
    NmcliCycleOf(state, kModStaticDad, kModStaticDnsDadBack);
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
BENCHMARK(NetshCycleNoDad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(NmcliSameCommandsDad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(NmcliPerStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_MAIN();
