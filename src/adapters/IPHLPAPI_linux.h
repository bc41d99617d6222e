#pragma once
// The IP Helper records, declared here with the published 64-bit Windows layout
// because no Windows headers exist on Linux. Our own GetAdaptersInfo and
// GetPerAdapterInfo lay these out in the caller's buffer exactly as Windows does.
#include <cstddef>
#include <cstdint>

#define IPHLPAPI_CALL

using TIPHelperULong = std::uint32_t;

inline constexpr std::size_t MAX_ADAPTER_DESCRIPTION_LENGTH = 128;
inline constexpr std::size_t MAX_ADAPTER_NAME_LENGTH = 256;
inline constexpr std::size_t MAX_ADAPTER_ADDRESS_LENGTH = 8;

struct IP_ADDRESS_STRING {
    char String[4 * 4];
};
using IP_MASK_STRING = IP_ADDRESS_STRING;

struct IP_ADDR_STRING {
    IP_ADDR_STRING* Next;
    IP_ADDRESS_STRING IpAddress;
    IP_MASK_STRING IpMask;
    std::uint32_t Context;
};

struct IP_ADAPTER_INFO {
    IP_ADAPTER_INFO* Next;
    std::uint32_t ComboIndex;
    char AdapterName[MAX_ADAPTER_NAME_LENGTH + 4];
    char Description[MAX_ADAPTER_DESCRIPTION_LENGTH + 4];
    std::uint32_t AddressLength;
    std::uint8_t Address[MAX_ADAPTER_ADDRESS_LENGTH];
    std::uint32_t Index;
    std::uint32_t Type;
    std::uint32_t DhcpEnabled;
    IP_ADDR_STRING* CurrentIpAddress;
    IP_ADDR_STRING IpAddressList;
    IP_ADDR_STRING GatewayList;
    IP_ADDR_STRING DhcpServer;
    std::int32_t HaveWins;
    IP_ADDR_STRING PrimaryWinsServer;
    IP_ADDR_STRING SecondaryWinsServer;
    std::int64_t LeaseObtained;  // time_t of 64-bit Windows
    std::int64_t LeaseExpires;
};

struct IP_PER_ADAPTER_INFO {
    std::uint32_t AutoconfigEnabled;
    std::uint32_t AutoconfigActive;
    IP_ADDR_STRING* CurrentDnsServer;
    IP_ADDR_STRING DnsServerList;
};

static_assert(sizeof(void*) != 8 || sizeof(IP_ADAPTER_INFO) == 704, "published 64-bit layout");
static_assert(sizeof(void*) != 8 || sizeof(IP_PER_ADAPTER_INFO) == 64, "published 64-bit layout");

// The interface types of ifdef.h, as published.
enum NET_IF_CONNECTION_TYPE : std::uint8_t {
    NET_IF_CONNECTION_UNKNOWN = 0,
    NET_IF_CONNECTION_DEDICATED = 1,
    NET_IF_CONNECTION_PASSIVE = 2,
    NET_IF_CONNECTION_DEMAND = 3,
    NET_IF_CONNECTION_MAXIMUM = 4,
};

enum TUNNEL_TYPE : std::uint8_t {
    TUNNEL_TYPE_NONE = 0,
    TUNNEL_TYPE_OTHER = 1,
    TUNNEL_TYPE_DIRECT = 2,
    TUNNEL_TYPE_6TO4 = 11,
    TUNNEL_TYPE_ISATAP = 13,
    TUNNEL_TYPE_TEREDO = 14,
};

union NET_LUID {
    std::uint64_t Value;
};
