#include "CannedIPHelper.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

TCannedLibrary gLibrary;
int gModule;

std::size_t Extras(const TCannedAdapter& a) {
    return a.MoreAddresses.size() + a.MoreGateways.size() + a.MoreDhcp.size() + a.MorePrimaryWins.size() +
           a.MoreSecondaryWins.size() + (a.HasCurrentAddress ? 1 : 0);
}

// Copies the canned elements after the records and chains them behind First.
void Chain(IP_ADDR_STRING& First, const std::vector<IP_ADDR_STRING>& More, IP_ADDR_STRING*& Pool) {
    IP_ADDR_STRING* last = &First;
    last->Next = nullptr;
    for (const IP_ADDR_STRING& element : More) {
        IP_ADDR_STRING* copy = new (Pool++) IP_ADDR_STRING(element);
        copy->Next = nullptr;
        last->Next = copy;
        last = copy;
    }
}

TIPHelperULong IPHLPAPI_CALL FakeGetAdaptersInfo(IP_ADAPTER_INFO* Buffer, TIPHelperULong* Size) {
    std::size_t needed = 0;
    for (const TCannedAdapter& a : gLibrary.Adapters)
        needed += sizeof(IP_ADAPTER_INFO) + Extras(a) * sizeof(IP_ADDR_STRING);
    if (!Buffer || *Size < needed) {
        ++gLibrary.SizeQueries;
        *Size = static_cast<TIPHelperULong>(needed);
        return gLibrary.SizeQueryResult;
    }
    ++gLibrary.Fills;
    if (gLibrary.FillOverflows > 0) {
        --gLibrary.FillOverflows;
        *Size = static_cast<TIPHelperULong>(needed + sizeof(IP_ADAPTER_INFO));
        return IPHLP_ERROR_BUFFER_OVERFLOW;
    }
    const std::size_t n = gLibrary.Adapters.size();
    auto* pool = reinterpret_cast<IP_ADDR_STRING*>(Buffer + n);
    for (std::size_t i = 0; i < n; ++i) {
        const TCannedAdapter& a = gLibrary.Adapters[i];
        IP_ADAPTER_INFO* r = new (Buffer + i) IP_ADAPTER_INFO(a.Record);
        r->Next = i + 1 < n ? Buffer + i + 1 : nullptr;
        Chain(r->IpAddressList, a.MoreAddresses, pool);
        Chain(r->GatewayList, a.MoreGateways, pool);
        Chain(r->DhcpServer, a.MoreDhcp, pool);
        Chain(r->PrimaryWinsServer, a.MorePrimaryWins, pool);
        Chain(r->SecondaryWinsServer, a.MoreSecondaryWins, pool);
        r->CurrentIpAddress = nullptr;
        if (a.HasCurrentAddress)
            r->CurrentIpAddress = new (pool++) IP_ADDR_STRING(a.CurrentAddress);
    }
    return IPHLP_NO_ERROR;
}

TIPHelperULong IPHLPAPI_CALL FakeGetPerAdapterInfo(TIPHelperULong Index, IP_PER_ADAPTER_INFO* Buffer,
                                                   TIPHelperULong* Size) {
    ++gLibrary.PerAdapterCalls;
    for (const TCannedAdapter& a : gLibrary.Adapters) {
        if (a.Record.Index != Index)
            continue;
        if (a.PerAdapterResult != IPHLP_NO_ERROR)
            return a.PerAdapterResult;
        const std::size_t needed =
            sizeof(IP_PER_ADAPTER_INFO) + (a.MoreDns.size() + (a.HasCurrentDns ? 1 : 0)) * sizeof(IP_ADDR_STRING);
        if (*Size < needed) {
            *Size = static_cast<TIPHelperULong>(needed);
            return IPHLP_ERROR_BUFFER_OVERFLOW;
        }
        IP_PER_ADAPTER_INFO* info = new (Buffer) IP_PER_ADAPTER_INFO(a.PerAdapter);
        auto* pool = reinterpret_cast<IP_ADDR_STRING*>(info + 1);
        Chain(info->DnsServerList, a.MoreDns, pool);
        info->CurrentDnsServer = a.HasCurrentDns ? new (pool++) IP_ADDR_STRING(a.CurrentDns) : nullptr;
        return IPHLP_NO_ERROR;
    }
    return IPHLP_ERROR_NO_DATA;
}

void* Load() {
    ++gLibrary.Loads;
    return gLibrary.LoadFails ? nullptr : &gModule;
}

void* Lookup(void*, const char* Name) {
    ++gLibrary.Lookups;
    if (std::strcmp(Name, "GetAdaptersInfo") == 0)
        return reinterpret_cast<void*>(&FakeGetAdaptersInfo);
    if (std::strcmp(Name, "GetPerAdapterInfo") == 0 && gLibrary.ExportsPerAdapterInfo)
        return reinterpret_cast<void*>(&FakeGetPerAdapterInfo);
    return nullptr;
}

void Free(void*) { ++gLibrary.Frees; }

const TIPHelperLibraryApi kCannedApi{Load, Lookup, Free};

}  // namespace

IP_ADDR_STRING CannedAddr(const std::string& Address, const std::string& Mask) {
    IP_ADDR_STRING element{};
    std::memcpy(element.IpAddress.String, Address.data(), std::min(Address.size(), sizeof element.IpAddress.String));
    std::memcpy(element.IpMask.String, Mask.data(), std::min(Mask.size(), sizeof element.IpMask.String));
    return element;
}

TCannedAdapter TCannedAdapter::Make(const std::string& Name, std::uint32_t Index,
                                    const std::vector<IP_ADDR_STRING>& Addresses) {
    TCannedAdapter a;
    std::memcpy(a.Record.AdapterName, Name.data(), std::min(Name.size(), sizeof a.Record.AdapterName));
    a.Record.Index = Index;
    a.Record.Type = 6;
    a.Record.IpAddressList = Addresses.at(0);
    a.MoreAddresses.assign(Addresses.begin() + 1, Addresses.end());
    return a;
}

TCannedLibrary& Canned() { return gLibrary; }

void InstallCannedIPHelper() {
    UnloadIPHelperLibrary();
    gLibrary = TCannedLibrary{};
    SetIPHelperLibraryApi(&kCannedApi);
}

void RemoveCannedIPHelper() {
    UnloadIPHelperLibrary();
    SetIPHelperLibraryApi(nullptr);
}
