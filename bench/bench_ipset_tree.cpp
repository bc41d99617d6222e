// UpdateUI over a large store: 10,000 IP sets naming 100 connections.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include "adapters/o_AdapterInformation.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

static void BM_UpdateUI(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    TempStore store;
    QStringList sql;
    for (int c = 1; c <= 100; ++c)
        sql << QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Connection %1')").arg(c);
    for (int i = 0; i < sets; ++i)
        sql << (QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION)"
                                  " VALUES ('Set %1', '10.%2.%3.5', '255.255.255.0', '10.%2.%3.1', '10.%2.%3.2', %4, %5)")
                       .arg(i).arg(i / 256 % 256).arg(i % 256).arg(i % 2).arg(i % 100 + 1));
    store.Exec(sql);
    QTreeWidget tree;
    QTreeWidget adapters;
    TqxIPSetManager manager;
    manager.SetIPSetDataSet(store.IPSets());
    manager.SetConnectionsDataSet(store.Connections());
    manager.SetIPSetTreeView(&tree);
    manager.SetAdapterTreeview(&adapters);
    tree.show();
    for (auto _ : state) {
        manager.UpdateUI();
        QApplication::processEvents();  // the tree lays itself out and paints
    }
    if (tree.topLevelItemCount() != sets)
        state.SkipWithError("wrong tree");
}
BENCHMARK(BM_UpdateUI)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The current configuration tree for 200 adapters with two addresses each.
static void BM_BuildAdapterTree(benchmark::State& state)
{
    TAdaptorRows rows(200);
    for (int i = 0; i < 200; ++i) {
        TAdaptorInfo& a = rows[i];
        a.AdapterName = "veth" + std::to_string(i);
        a.Description = "veth";
        a.MacAddress = "02-00-5E-0A-0B-0C";
        a.IPAddressList = {"10.1.0.1", "10.2.0.1", "", ""};
        a.IPMaskList = {"255.255.0.0", "255.255.0.0", "", ""};
        a.GatewayList = {"10.1.0.254", ""};
        a.DHCPServer = a.PrimWINSServer = a.SecWINSServer = {"", ""};
        a.DNSServerList = {"10.1.0.53", ""};
    }
    TqxNetworkAdapterManager adapters([&rows](std::int32_t& count, TAdaptorRows& out) {
        out = rows;
        count = static_cast<std::int32_t>(rows.size());
        return std::uint32_t{0};
    });
    QTreeWidget tree;
    TqxIPSetManager manager;
    manager.SetAdapterManager(&adapters);
    manager.SetAdapterTreeview(&tree);
    tree.show();
    for (auto _ : state) {
        manager.UpdateUI();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BuildAdapterTree)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
