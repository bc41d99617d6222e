#include "adapters/o_AdapterInformation.h"

#include <string>

#include "common/qxError.h"
#include "common/qxTranslate.h"

void TqxNetworkAdapter::LoadFromAdaptorInfo(const TAdaptorInfo& Info) {
    FAdapterName = Info.AdapterName;
    FDescription = Info.Description;
    FMacAddress = Info.MacAddress;
    FFriendlyName = Info.FriendlyName;
    FAdaptorIndex = Info.Index;
    FAdaptorType = Info.aType;
    FDHCPEnabled = Info.DHCPEnabled == 1;
    FCurrIPAddress = Info.CurrIPAddress;
    FCurrIPMask = Info.CurrIPMask;
    FCurrDNSServer = Info.CurrentDNSServer;
    FIPAddressTot = Info.IPAddressTot;
    FGatewayTot = Info.GatewayTot;
    FDHCPTot = Info.DHCPTot;
    FHasWINS = Info.HaveWINS != 0;
    FDNSServerTot = Info.DNSServerTot;
    FPrimaryWINSTot = Info.PrimWINSTot;
    FSecondaryWINSTot = Info.SecWINSTot;
    FAnycastIPAddrTot = Info.AnycastIPAddrTot;
    FMulticastIPAddrTot = Info.MulticastIPAddrTot;
    FLeaseObtained = Info.LeaseObtained;
    FLeaseExpires = Info.LeaseExpires;
    FAutoConfigEnabled = Info.AutoConfigEnabled;
    FAutoConfigActive = Info.AutoConfigActive;
    FMtu = Info.Mtu;
    FIfType = Info.IfType;
    FOperStatus = Info.OperStatus;
    FIpv6Index = Info.Ipv6Index;
    FXmitLinkSpeed = Info.XmitLinkSpeed;
    FRecvLinkSpeed = Info.RecvLinkSpeed;
    FIpv4Metric = Info.Ipv4Metric;
    FIpv6Metric = Info.Ipv6Metric;
    FLuid = Info.Luid;
    FCompartmentId = Info.CompartmentId;
    FNetworkGuid = Info.NetworkGuid;
    FConnectionType = Info.ConnectionType;
    FTunnelType = Info.TunnelType;
    // Every entry is kept, the empty padding too: a list's size is the array's length.
    FIPAddressList = Info.IPAddressList;
    FIPMaskList = Info.IPMaskList;
    FGatewayList = Info.GatewayList;
    FDHCPList = Info.DHCPServer;
    FDNSServerList = Info.DNSServerList;
    FPrimaryWINSList = Info.PrimWINSServer;
    FSecondaryWINSList = Info.SecWINSServer;
    FAnycastIPAddrList = Info.AnycastIPAddrList;
    FMulticastIPAddrList = Info.MulticastIPAddrList;
    FPrefixIPAddrList = Info.PrefixIPAddrList;
}

void TqxNetworkAdapter::Assign(const TqxNetworkAdapter& Source) {
    if (&Source == this)
        return;
    FLuid = Source.FLuid;
    FCompartmentId = Source.FCompartmentId;
    FNetworkGuid = Source.FNetworkGuid;
    FConnectionType = Source.FConnectionType;
    FTunnelType = Source.FTunnelType;
    FAdapterName = Source.FAdapterName;
    FDescription = Source.FDescription;
    FMacAddress = Source.FMacAddress;
    FFriendlyName = Source.FFriendlyName;
    FAdaptorIndex = Source.FAdaptorIndex;
    FAdaptorType = Source.FAdaptorType;
    FDHCPEnabled = Source.FDHCPEnabled;
    FCurrIPAddress = Source.FCurrIPAddress;
    FCurrIPMask = Source.FCurrIPMask;
    FCurrDNSServer = Source.FCurrDNSServer;
    FIPAddressTot = Source.FIPAddressTot;
    FGatewayTot = Source.FGatewayTot;
    FDHCPTot = Source.FDHCPTot;
    FHasWINS = Source.FHasWINS;
    FDNSServerTot = Source.FDNSServerTot;
    FPrimaryWINSTot = Source.FPrimaryWINSTot;
    FSecondaryWINSTot = Source.FSecondaryWINSTot;
    FAnycastIPAddrTot = Source.FAnycastIPAddrTot;
    FMulticastIPAddrTot = Source.FMulticastIPAddrTot;
    FLeaseObtained = Source.FLeaseObtained;
    FLeaseExpires = Source.FLeaseExpires;
    FAutoConfigEnabled = Source.FAutoConfigEnabled;
    FAutoConfigActive = Source.FAutoConfigActive;
    FMtu = Source.FMtu;
    FIfType = Source.FIfType;
    FOperStatus = Source.FOperStatus;
    FIpv6Index = Source.FIpv6Index;
    FXmitLinkSpeed = Source.FXmitLinkSpeed;
    FRecvLinkSpeed = Source.FRecvLinkSpeed;
    FIpv4Metric = Source.FIpv4Metric;
    FIpv6Metric = Source.FIpv6Metric;
    FIPAddressList = Source.FIPAddressList;
    FIPMaskList = Source.FIPMaskList;
    FGatewayList = Source.FGatewayList;
    FDHCPList = Source.FDHCPList;
    FDNSServerList = Source.FDNSServerList;
    FPrimaryWINSList = Source.FPrimaryWINSList;
    FSecondaryWINSList = Source.FSecondaryWINSList;
    FAnycastIPAddrList = Source.FAnycastIPAddrList;
    FMulticastIPAddrList = Source.FMulticastIPAddrList;
    FPrefixIPAddrList = Source.FPrefixIPAddrList;
}

const TqxNetworkAdapter& TqxNetworkAdapters::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EqxError(Fill(Tx("AdapterInformation", "List index out of bounds (%1)"), {std::to_string(Index)}));
    return *FItems[static_cast<std::size_t>(Index)];
}

TqxNetworkAdapterManager::TqxNetworkAdapterManager(TAdaptorRowsReader Reader) : FReader(std::move(Reader)) {}

void TqxNetworkAdapterManager::EnumerateNetworkAdapters() {
    FAdapters.Clear();
    TAdaptorRows rows;
    std::int32_t count = 0;
    const std::uint32_t result = FReader(count, rows);
    if (result != IPHLP_NO_ERROR)
        throw EqxError(IPHelperErrorText(result));
    for (std::int32_t i = 0; i < count && static_cast<std::size_t>(i) < rows.size(); ++i) {
        auto adapter = std::make_unique<TqxNetworkAdapter>();
        adapter->LoadFromAdaptorInfo(rows[static_cast<std::size_t>(i)]);
        FAdapters.Add(std::move(adapter));
    }
}

TqxNetworkAdapterManager& NetworkAdapterManager() {
    static TqxNetworkAdapterManager manager;
    return manager;
}
