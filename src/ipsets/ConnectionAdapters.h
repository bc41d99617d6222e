#pragma once
// Which adapter of the current snapshot carries which connection: the snapshot
// of an adapter manager (the process-wide one unless a test gives another) and
// the connection discovery's own walk (NetworkManager's devices on Linux, the
// registry's connection name of each adapter GUID on Windows) unless a test gives
// a mapping of its own. The IP set tree's marks, the IP set editor's "Take
// Current Settings" and the address check before applying all read it here.
//
//   const TConnectionAdapters source;                 // the system's
//   if (const TqxNetworkAdapter* a = source.AdapterOf("Office LAN")) ... a->IPAddressList() ...
#include <functional>
#include <string>
#include <vector>

#include "ipsets/InEffect.h"

class TqxNetworkAdapter;
class TqxNetworkAdapterManager;

using TConnectionMapper = std::function<std::vector<TAdapterConnection>(const std::vector<std::string>& Adapters)>;

// The discovery's walk for these adapter names; adapters without a name are left out.
std::vector<TAdapterConnection> SystemConnectionMapping(const std::vector<std::string>& Adapters);

struct TConnectionAdapters {
    TqxNetworkAdapterManager* Adapters = nullptr;  // null: NetworkAdapterManager()
    TConnectionMapper Mapper = SystemConnectionMapping;

    TqxNetworkAdapterManager& Manager() const;
    // The connection of each adapter of the manager's snapshot as it stands (no new reading).
    std::vector<TAdapterConnection> Mapping() const;
    // The adapter of the snapshot that carries the connection; null when none does.
    const TqxNetworkAdapter* AdapterOf(const std::string& Connection) const;
    // The adapter of the snapshot of that name; null when there is none.
    const TqxNetworkAdapter* AdapterNamed(const std::string& AdapterName) const;
    // The connection the adapter carries; "" when the discovery knows none.
    std::string ConnectionOf(const std::string& AdapterName) const;
};
