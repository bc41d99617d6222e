#pragma once
// Which stored IP sets the machine shows right now. Pure: it works on the
// adapter snapshot, the stored rows and the connection -> adapter mapping that
// the caller read, so it needs no system to be tested.
#include <string>
#include <vector>

#include "ipsets/IPSetRecord.h"

class TqxNetworkAdapter;
class TqxNetworkAdapters;

// One adapter and the connection it carries, as the connection discovery maps them.
struct TAdapterConnection {
    std::string Adapter;
    std::string Connection;
};

// What one connection that has stored sets shows now.
struct TConnectionInEffect {
    std::string Connection;
    bool HasAdapter = false;  // false: no adapter of the snapshot carries it
    bool Dhcp = false;
    std::string Address;      // first IPv4 address, "" when it has none
    int Prefix = 0;
    std::vector<int> SetIds;  // the stored sets in effect on it, in stored order
    std::vector<std::string> SetNames;
};

// An empty text and 0.0.0.0 both mean "none" for a gateway or DNS server.
bool IsNoAddress(const std::string& Text);

// The adapter of the snapshot that carries the connection, as the mapping says; null when none does.
const TqxNetworkAdapter* AdapterOfConnection(const std::string& Connection, const TqxNetworkAdapters& Adapters,
                                             const std::vector<TAdapterConnection>& Mapping);

// A static set is in effect when the adapter has DHCP off, carries the set's
// address with its mask, its gateway (or none when the set has none) and its
// DNS server first (or none when the set has none); a DHCP set when the
// adapter's DHCP is on.
bool IsInEffect(const TStoredIPSet& Set, const TqxNetworkAdapter& Adapter);

// One entry per connection named by a stored set, in the order the sets name them.
std::vector<TConnectionInEffect> FindSetsInEffect(const std::vector<TStoredIPSet>& Sets,
                                                  const TqxNetworkAdapters& Adapters,
                                                  const std::vector<TAdapterConnection>& Mapping);

// "CONNECTION: [DHCP ]ADDRESS/PREFIX[ (SET)]"; several sets in effect are joined by ", ".
std::string InEffectLine(const TConnectionInEffect& Entry);
