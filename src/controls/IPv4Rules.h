#pragma once
// What a static IPv4 configuration must be before it is given to a connection.
// The IP set editor and the Linux netsh both check with these, so a set the
// editor accepts is never refused when it is applied.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Dotted-quad IPv4 addresses held as host-order numbers.
using Ipv4 = std::uint32_t;

// Four decimal parts of one to three digits, each up to 255, and nothing else.
// Leading zeros are read as decimal: the address editor stores "010" as typed.
std::optional<Ipv4> ParseIpv4(std::string_view text);
std::string FormatIpv4(Ipv4 address);

// The prefix length of a subnet mask, or nothing when its ones are not contiguous.
std::optional<int> MaskToPrefix(Ipv4 mask);
Ipv4 PrefixToMask(int prefix);

bool InSubnet(Ipv4 address, Ipv4 other, int prefix);
// A host of its subnet: neither the subnet's own address nor its broadcast
// address (both are hosts on /31 and /32 links).
bool IsHostOfSubnet(Ipv4 address, int prefix);
// What a host may carry: 1.0.0.0 to 223.255.255.255 except loopback.
bool IsUnicast(Ipv4 address);

// Which value of a configuration a rule refused.
enum class TIPv4Field { Address, SubnetMask, Gateway, DnsServer };

struct TIPv4Fault {
    TIPv4Field Field;
    std::string Reason;  // lower-case start, no full stop: "gateway 10.8.0.1 is outside ..."
};

// A static configuration: a non-empty contiguous mask, an address that is a
// unicast host of its subnet, and, when given, a gateway that is another
// unicast host of that subnet. The first rule broken, or nothing.
std::optional<TIPv4Fault> CheckStaticAddress(Ipv4 address, Ipv4 mask, std::optional<Ipv4> gateway);

// A DNS server must be a unicast address.
std::optional<TIPv4Fault> CheckDnsServer(Ipv4 server);
