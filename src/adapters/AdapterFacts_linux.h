#pragma once
// What Linux knows about one network adapter, gathered from the kernel and,
// where it manages the adapter, from NetworkManager. Our GetAdaptersInfo and
// GetPerAdapterInfo lay these facts out as IP Helper records.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TAdapterAddress {
    std::string Address;
    std::string Mask;
};

struct TAdapterFacts {
    std::string Name;  // the interface name
    std::string Description;
    std::vector<std::uint8_t> HardwareAddress;
    std::uint32_t Index = 0;
    std::uint32_t Type = 1;  // IP Helper adapter type number
    bool DhcpEnabled = false;
    std::vector<TAdapterAddress> Addresses;
    std::vector<std::string> Gateways;
    bool HasDefaultRoute = false;
    std::vector<std::string> DhcpServers;
    std::vector<std::string> DnsServers;
    std::int64_t LeaseObtained = 0;
    std::int64_t LeaseExpires = 0;
};

// IP Helper adapter type numbers.
inline constexpr std::uint32_t kAdapterTypeOther = 1;
inline constexpr std::uint32_t kAdapterTypeEthernet = 6;
inline constexpr std::uint32_t kAdapterTypePpp = 23;
inline constexpr std::uint32_t kAdapterTypeLoopback = 24;
inline constexpr std::uint32_t kAdapterTypeWireless = 71;

// Every adapter of this thread's network namespace but loopback, complete.
// False when the kernel could not be read.
bool ReadAdapterFacts(std::vector<TAdapterFacts>& Adapters);

// Links (loopback left out), IPv4 addresses and default routes, over netlink.
bool ReadKernelAdapters(std::vector<TAdapterFacts>& Adapters);

// For each adapter that has an active NetworkManager connection: whether its
// profile uses DHCP, the DHCP server and lease, and the DNS servers. Returns,
// per adapter, whether NetworkManager answered for it (all false when it does not run).
std::vector<bool> ReadNetworkManagerFacts(std::vector<TAdapterFacts>& Adapters);

// The IPv4 "nameserver" entries of a resolv.conf text, in order.
std::vector<std::string> ParseResolvConfNameservers(std::string_view Text);
std::vector<std::string> ReadResolvConfNameservers();
