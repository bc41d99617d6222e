#pragma once
// What an adapter of the snapshot has now, in the IP set editor's terms: its
// first IPv4 address with that address's mask, its first gateway and DNS server
// ("" where it has none) and whether DHCP configures it.
#include <string>

class TqxNetworkAdapter;

struct TAdapterSettings {
    std::string Address;
    std::string Mask;
    std::string Gateway;
    std::string Dns;
    bool Dhcp = false;
};

TAdapterSettings SettingsOf(const TqxNetworkAdapter& Adapter);
