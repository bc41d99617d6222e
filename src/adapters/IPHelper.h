#pragma once
// The adapter snapshot: every adapter's IPv4 configuration, read through the IP
// Helper binding into plain records whose addresses are already text.
#include <cstdint>
#include <string>
#include <vector>

#include "adapters/IPHLPAPI.h"

// A text list whose length is a capacity: the real entries come first (their
// number is in the matching ...Tot field), then empty entries.
using TTextList = std::vector<std::string>;

struct TGUID {
    std::uint32_t D1 = 0;
    std::uint16_t D2 = 0;
    std::uint16_t D3 = 0;
    std::uint8_t D4[8] = {};
};

// One adapter. Texts are UTF-8.
struct TAdaptorInfo {
    std::string AdapterName;
    std::string Description;
    std::string MacAddress;
    std::uint32_t Index = 0;
    std::uint32_t aType = 0;
    std::uint32_t DHCPEnabled = 0;
    std::string CurrIPAddress;
    std::string CurrIPMask;
    std::int32_t IPAddressTot = 0;
    TTextList IPAddressList;
    TTextList IPMaskList;
    std::int32_t GatewayTot = 0;
    TTextList GatewayList;
    std::int32_t DHCPTot = 0;
    TTextList DHCPServer;
    std::int32_t HaveWINS = 0;
    std::int32_t PrimWINSTot = 0;
    TTextList PrimWINSServer;
    std::int32_t SecWINSTot = 0;
    TTextList SecWINSServer;
    std::int32_t LeaseObtained = 0;
    std::int32_t LeaseExpires = 0;
    std::uint32_t AutoConfigEnabled = 0;
    std::uint32_t AutoConfigActive = 0;
    std::string CurrentDNSServer;
    std::int32_t DNSServerTot = 0;
    TTextList DNSServerList;
    TTextList AnycastIPAddrList;
    std::int32_t AnycastIPAddrTot = 0;
    TTextList MulticastIPAddrList;
    std::int32_t MulticastIPAddrTot = 0;
    TTextList PrefixIPAddrList;
    std::string FriendlyName;
    std::uint32_t Mtu = 0;
    std::uint32_t IfType = 0;
    TIF_OPER_STATUS OperStatus = IF_OPER_STATUS_NONE;
    std::uint32_t Ipv6Index = 0;
    std::int64_t XmitLinkSpeed = 0;
    std::int64_t RecvLinkSpeed = 0;
    std::uint32_t Ipv4Metric = 0;
    std::uint32_t Ipv6Metric = 0;
    NET_LUID Luid{};
    std::uint32_t CompartmentId = 0;
    TGUID NetworkGuid;
    NET_IF_CONNECTION_TYPE ConnectionType = NET_IF_CONNECTION_UNKNOWN;
    TUNNEL_TYPE TunnelType = TUNNEL_TYPE_NONE;
};

using TAdaptorRows = std::vector<TAdaptorInfo>;

// Reads every adapter into Rows; on success Count receives the number of valid
// rows and Rows ends at that length. Returns 0, 50 when the library cannot be bound
// (Count and Rows untouched), or the failing code of GetAdaptersInfo.
std::uint32_t ReadAdaptorRows(std::int32_t& Count, TAdaptorRows& Rows);

// "02-00-5E-0A-0B-0C": the first Length bytes (at most 8) as upper-case pairs
// joined by "-"; "00-00-00-00-00-00" when Length is 0.
std::string MacAddrToStr(const std::uint8_t (&Address)[8], std::uint32_t Length);

// The text of a fixed field in the system's 8-bit code page, as UTF-8.
std::string DecodeAnsi(const char* Text, std::size_t Length);
