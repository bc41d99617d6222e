#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netsh {

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

}  // namespace netsh
