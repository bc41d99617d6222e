#pragma once
// The adapter model: the rows of the adapter snapshot as objects, held in one
// process-wide list that is refilled on request.
//
//   TqxNetworkAdapterManager& manager = NetworkAdapterManager();
//   manager.EnumerateNetworkAdapters();              // raises EqxError on failure
//   for (int i = 0; i < manager.Adapters().Count(); ++i) {
//       const TqxNetworkAdapter& adapter = manager.Adapters().Items(i);
//       ... adapter.AdapterName(), adapter.IPAddressList() ...
//   }
//
// A reference to an adapter is valid until the next EnumerateNetworkAdapters.
// The text lists hold every entry of the snapshot, padding included: a list's
// size is a capacity; skip empty entries or use the matching ...Tot count.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "adapters/IPHelper.h"

class TqxNetworkAdapter {
public:
    TqxNetworkAdapter() = default;
    virtual ~TqxNetworkAdapter() = default;
    // Adapters are shared by reference and copied only on purpose, with Assign.
    TqxNetworkAdapter(const TqxNetworkAdapter&) = delete;
    TqxNetworkAdapter& operator=(const TqxNetworkAdapter&) = delete;

    void LoadFromAdaptorInfo(const TAdaptorInfo& Info);
    // Copies every value; the lists become independent copies of the source's.
    virtual void Assign(const TqxNetworkAdapter& Source);

    NET_LUID Luid() const { return FLuid; }
    std::uint32_t CompartmentId() const { return FCompartmentId; }
    const TGUID& NetworkGuid() const { return FNetworkGuid; }
    NET_IF_CONNECTION_TYPE ConnectionType() const { return FConnectionType; }
    TUNNEL_TYPE TunnelType() const { return FTunnelType; }

    const std::string& AdapterName() const { return FAdapterName; }
    const std::string& Description() const { return FDescription; }
    const std::string& MacAddress() const { return FMacAddress; }
    const std::string& FriendlyName() const { return FFriendlyName; }
    std::uint32_t AdaptorIndex() const { return FAdaptorIndex; }
    std::uint32_t AdaptorType() const { return FAdaptorType; }
    bool DHCPEnabled() const { return FDHCPEnabled; }
    const std::string& CurrIPAddress() const { return FCurrIPAddress; }
    const std::string& CurrIPMask() const { return FCurrIPMask; }
    const std::string& CurrDNSServer() const { return FCurrDNSServer; }
    std::int32_t IPAddressTot() const { return FIPAddressTot; }
    const TTextList& IPAddressList() const { return FIPAddressList; }
    const TTextList& IPMaskList() const { return FIPMaskList; }
    std::int32_t GatewayTot() const { return FGatewayTot; }
    const TTextList& GatewayList() const { return FGatewayList; }
    std::int32_t DHCPTot() const { return FDHCPTot; }
    const TTextList& DHCPList() const { return FDHCPList; }
    bool HasWINS() const { return FHasWINS; }
    std::int32_t DNSServerTot() const { return FDNSServerTot; }
    const TTextList& DNSServerList() const { return FDNSServerList; }
    std::int32_t PrimaryWINSTot() const { return FPrimaryWINSTot; }
    const TTextList& PrimaryWINSList() const { return FPrimaryWINSList; }
    std::int32_t SecondaryWINSTot() const { return FSecondaryWINSTot; }
    const TTextList& SecondaryWINSList() const { return FSecondaryWINSList; }
    std::int32_t AnycastIPAddrTot() const { return FAnycastIPAddrTot; }
    const TTextList& AnycastIPAddrList() const { return FAnycastIPAddrList; }
    std::int32_t MulticastIPAddrTot() const { return FMulticastIPAddrTot; }
    const TTextList& MulticastIPAddrList() const { return FMulticastIPAddrList; }
    const TTextList& PrefixIPAddrList() const { return FPrefixIPAddrList; }
    std::int32_t LeaseObtained() const { return FLeaseObtained; }
    std::int32_t LeaseExpires() const { return FLeaseExpires; }
    std::uint32_t AutoConfigEnabled() const { return FAutoConfigEnabled; }
    std::uint32_t AutoConfigActive() const { return FAutoConfigActive; }
    std::uint32_t Mtu() const { return FMtu; }
    std::uint32_t IfType() const { return FIfType; }
    TIF_OPER_STATUS OperStatus() const { return FOperStatus; }
    std::uint32_t Ipv6Index() const { return FIpv6Index; }
    std::int64_t XmitLinkSpeed() const { return FXmitLinkSpeed; }
    std::int64_t RecvLinkSpeed() const { return FRecvLinkSpeed; }
    std::uint32_t Ipv4Metric() const { return FIpv4Metric; }
    std::uint32_t Ipv6Metric() const { return FIpv6Metric; }

private:
    NET_LUID FLuid{};
    std::uint32_t FCompartmentId = 0;
    TGUID FNetworkGuid;
    NET_IF_CONNECTION_TYPE FConnectionType = NET_IF_CONNECTION_UNKNOWN;
    TUNNEL_TYPE FTunnelType = TUNNEL_TYPE_NONE;
    std::string FAdapterName;
    std::string FDescription;
    std::string FMacAddress;
    std::string FFriendlyName;
    std::uint32_t FAdaptorIndex = 0;
    std::uint32_t FAdaptorType = 0;
    bool FDHCPEnabled = false;
    std::string FCurrIPAddress;
    std::string FCurrIPMask;
    std::string FCurrDNSServer;
    std::int32_t FIPAddressTot = 0;
    TTextList FIPAddressList;
    TTextList FIPMaskList;
    std::int32_t FGatewayTot = 0;
    TTextList FGatewayList;
    std::int32_t FDHCPTot = 0;
    TTextList FDHCPList;
    bool FHasWINS = false;
    std::int32_t FDNSServerTot = 0;
    TTextList FDNSServerList;
    std::int32_t FPrimaryWINSTot = 0;
    TTextList FPrimaryWINSList;
    std::int32_t FSecondaryWINSTot = 0;
    TTextList FSecondaryWINSList;
    std::int32_t FAnycastIPAddrTot = 0;
    TTextList FAnycastIPAddrList;
    std::int32_t FMulticastIPAddrTot = 0;
    TTextList FMulticastIPAddrList;
    TTextList FPrefixIPAddrList;
    std::int32_t FLeaseObtained = 0;
    std::int32_t FLeaseExpires = 0;
    std::uint32_t FAutoConfigEnabled = 0;
    std::uint32_t FAutoConfigActive = 0;
    std::uint32_t FMtu = 0;
    std::uint32_t FIfType = 0;
    TIF_OPER_STATUS FOperStatus = IF_OPER_STATUS_NONE;
    std::uint32_t FIpv6Index = 0;
    std::int64_t FXmitLinkSpeed = 0;
    std::int64_t FRecvLinkSpeed = 0;
    std::uint32_t FIpv4Metric = 0;
    std::uint32_t FIpv6Metric = 0;
};

// The owning list: removing or clearing frees the adapters.
class TqxNetworkAdapters {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EqxError "List index out of bounds (n)" outside 0 to Count - 1.
    const TqxNetworkAdapter& Items(int Index) const;
    void Add(std::unique_ptr<TqxNetworkAdapter> Adapter) { FItems.push_back(std::move(Adapter)); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TqxNetworkAdapter>> FItems;
};

// Where the manager takes its snapshot from: ReadAdaptorRows unless a test says otherwise.
using TAdaptorRowsReader = std::function<std::uint32_t(std::int32_t& Count, TAdaptorRows& Rows)>;

class TqxNetworkAdapterManager {
public:
    explicit TqxNetworkAdapterManager(TAdaptorRowsReader Reader = ReadAdaptorRows);
    TqxNetworkAdapterManager(const TqxNetworkAdapterManager&) = delete;
    TqxNetworkAdapterManager& operator=(const TqxNetworkAdapterManager&) = delete;

    const TqxNetworkAdapters& Adapters() const { return FAdapters; }

    // Replaces the list with a fresh snapshot. On failure the list is left empty
    // and EqxError carries the system's text for the snapshot's result code.
    void EnumerateNetworkAdapters();

private:
    TAdaptorRowsReader FReader;
    TqxNetworkAdapters FAdapters;
};

// The process-wide manager, created on first use and destroyed at program end
// (a function-local static: the core has no application object to own it).
TqxNetworkAdapterManager& NetworkAdapterManager();

// The system's message for an IP Helper result code, without trailing blanks,
// line breaks or full stops.
std::string IPHelperErrorText(std::uint32_t Code);
