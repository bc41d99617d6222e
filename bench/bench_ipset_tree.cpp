// UpdateUI over a large store: 10,000 IP sets naming 100 connections.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>

#include "adapters/o_AdapterInformation.h"
#include "app/IPSetFilter.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

static void FillStore(TempStore& store, int sets)
{
    QStringList sql;
    for (int c = 1; c <= 100; ++c)
        sql << QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Connection %1')").arg(c);
    for (int i = 0; i < sets; ++i)
        sql << (QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION)"
                                  " VALUES ('Set %1', '10.%2.%3.5', '255.255.255.0', '10.%2.%3.1', '10.%2.%3.2', %4, %5)")
                       .arg(i).arg(i / 256 % 256).arg(i % 256).arg(i % 2).arg(i % 100 + 1));
    store.Exec(sql);
}

static void BM_UpdateUI(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    TempStore store;
    FillStore(store, sets);
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

// One key typed into the filter over 10,000 sets, until the tree has laid itself
// out and painted: "7" hides two thirds of the sets, Backspace shows them again.
static void BM_FilterKeystroke(benchmark::State& state)
{
    TempStore store;
    FillStore(store, 10000);
    QTreeWidget tree;
    TqxIPSetManager manager;
    manager.SetIPSetDataSet(store.IPSets());
    manager.SetConnectionsDataSet(store.Connections());
    manager.SetIPSetTreeView(&tree);
    manager.UpdateUI();
    QLineEdit field;
    TqxIPSetFilter filter(&tree);
    QObject::connect(&field, &QLineEdit::textChanged, &filter, &TqxIPSetFilter::SetText);
    tree.show();
    QApplication::processEvents();
    const bool typing = state.range(0) == 0;
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(typing ? QString() : QStringLiteral("7"));
        QApplication::processEvents();
        state.ResumeTiming();
        if (typing)
            field.insert(QStringLiteral("7"));
        else
            field.backspace();
        QApplication::processEvents();
    }
    int hidden = 0;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        hidden += tree.topLevelItem(i)->isHidden();
    if (hidden != (typing ? 10000 - 3439 : 0))  // 3439 of "Set 0" .. "Set 9999" hold a 7
        state.SkipWithError("wrong filter");
}
BENCHMARK(BM_FilterKeystroke)->ArgName("backspace")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The current configuration tree for 200 adapters with two addresses each; with
// change: each refresh finds one address more or less on one adapter, as a live
// refresh does (the tree is updated in place), else nothing changed.
static void BM_BuildAdapterTree(benchmark::State& state)
{
    const bool change = state.range(0) != 0;
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
    bool more = false;
    TqxNetworkAdapterManager adapters([&](std::int32_t& count, TAdaptorRows& out) {
        out = rows;
        if (change && (more = !more))
            out[100].IPAddressList[2] = "10.3.0.1";
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
BENCHMARK(BM_BuildAdapterTree)->ArgName("change")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
