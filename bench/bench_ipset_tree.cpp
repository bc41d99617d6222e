// UpdateUI over a large store: 10,000 IP sets naming 100 connections.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

static void BM_UpdateUI(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    TempStore store;
    store.Exec("BEGIN");
    QStringList sql;
    for (int c = 1; c <= 100; ++c)
        store.Exec(QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Connection %1')").arg(c));
    for (int i = 0; i < sets; ++i)
        store.Exec(QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION)"
                                  " VALUES ('Set %1', '10.%2.%3.5', '255.255.255.0', '10.%2.%3.1', '10.%2.%3.2', %4, %5)")
                       .arg(i).arg(i / 256 % 256).arg(i % 256).arg(i % 2).arg(i % 100 + 1));
    store.Exec("COMMIT");
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

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
