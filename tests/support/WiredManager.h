#pragma once
// The IP set manager wired as the window wires it: a store's two tables, both
// trees and an adapter manager of the test's own, with the veth "v0" carrying
// the given connection.
#include <QTreeWidget>
#include <string>
#include <vector>

#include "adapters/o_AdapterInformation.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

inline void WireManager(TqxIPSetManager& manager, TempStore& store, QTreeWidget& tree, QTreeWidget& adapterTree,
                        TqxNetworkAdapterManager& adapters, const std::string& connectionOfV0)
{
    manager.SetIPSetDataSet(store.IPSets());
    manager.SetConnectionsDataSet(store.Connections());
    manager.SetIPSetTreeView(&tree);
    manager.SetAdapterTreeview(&adapterTree);
    manager.SetAdapterManager(&adapters);
    manager.SetConnectionMapper([connectionOfV0](const std::vector<std::string>&) {
        return std::vector<TAdapterConnection>{{"v0", connectionOfV0}};
    });
}
