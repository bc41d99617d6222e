#include "adapters/IPHLPAPIReplacement_linux.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <mutex>
#include <new>

namespace {

constexpr const char* kNoAddress = "0.0.0.0";

template <typename TRecord>
bool Aligned(const void* Buffer) {
    return reinterpret_cast<std::uintptr_t>(Buffer) % alignof(TRecord) == 0;
}

// Texts longer than the field are cut so that the zero byte always fits.
void PutText(char* Field, std::size_t FieldSize, const std::string& Text) {
    std::memcpy(Field, Text.data(), std::min(Text.size(), FieldSize - 1));
}

std::size_t ExtraElements(std::size_t Count) { return Count > 1 ? Count - 1 : 0; }

// Fills an IP_ADDR_STRING list of Count entries (at least the first, which lives
// in the record); further elements are taken from Pool. Put writes entry i.
void PutList(IP_ADDR_STRING& First, std::size_t Count, IP_ADDR_STRING*& Pool,
             const std::function<void(IP_ADDR_STRING&, std::size_t)>& Put) {
    Put(First, 0);
    IP_ADDR_STRING* last = &First;
    for (std::size_t i = 1; i < Count; ++i) {
        IP_ADDR_STRING* element = new (Pool++) IP_ADDR_STRING{};
        Put(*element, i);
        last->Next = element;
        last = element;
    }
}

void PutAddresses(IP_ADDR_STRING& First, const std::vector<std::string>& Addresses, const char* Empty,
                  IP_ADDR_STRING*& Pool) {
    PutList(First, std::max<std::size_t>(Addresses.size(), 1), Pool, [&](IP_ADDR_STRING& Element, std::size_t i) {
        PutText(Element.IpAddress.String, sizeof Element.IpAddress.String, Addresses.empty() ? Empty : Addresses[i]);
    });
}

std::size_t AdapterSize(const TAdapterFacts& Adapter) {
    return sizeof(IP_ADAPTER_INFO) + sizeof(IP_ADDR_STRING) * (ExtraElements(Adapter.Addresses.size()) +
                                                               ExtraElements(Adapter.Gateways.size()) +
                                                               ExtraElements(Adapter.DhcpServers.size()));
}

void PutAdapter(IP_ADAPTER_INFO& Record, const TAdapterFacts& Adapter, IP_ADDR_STRING*& Pool) {
    Record.ComboIndex = Adapter.Index;
    PutText(Record.AdapterName, sizeof Record.AdapterName, Adapter.Name);
    PutText(Record.Description, sizeof Record.Description, Adapter.Description);
    Record.AddressLength =
        static_cast<std::uint32_t>(std::min(Adapter.HardwareAddress.size(), sizeof Record.Address));
    // Not memcpy: an adapter without a hardware address (a tun device) gives a null data pointer.
    std::copy_n(Adapter.HardwareAddress.begin(), Record.AddressLength, Record.Address);
    Record.Index = Adapter.Index;
    Record.Type = Adapter.Type;
    Record.DhcpEnabled = Adapter.DhcpEnabled ? 1 : 0;
    // An adapter without an IPv4 address shows 0.0.0.0 with mask 0.0.0.0, as on Windows.
    PutList(Record.IpAddressList, std::max<std::size_t>(Adapter.Addresses.size(), 1), Pool,
            [&](IP_ADDR_STRING& Element, std::size_t i) {
                const bool none = Adapter.Addresses.empty();
                PutText(Element.IpAddress.String, sizeof Element.IpAddress.String,
                        none ? kNoAddress : Adapter.Addresses[i].Address);
                PutText(Element.IpMask.String, sizeof Element.IpMask.String,
                        none ? kNoAddress : Adapter.Addresses[i].Mask);
            });
    Record.CurrentIpAddress = Adapter.Addresses.empty() ? nullptr : &Record.IpAddressList;
    PutAddresses(Record.GatewayList, Adapter.Gateways, kNoAddress, Pool);
    PutAddresses(Record.DhcpServer, Adapter.DhcpServers, "", Pool);
    Record.HaveWins = 0;  // no WINS on Linux: the two WINS lists keep one empty entry
    Record.LeaseObtained = Adapter.LeaseObtained;
    Record.LeaseExpires = Adapter.LeaseExpires;
}

// The details of the latest reading answer GetPerAdapterInfo once per adapter,
// so that a snapshot reads the system once and a later question reads it anew.
class TPerAdapterCache {
public:
    void Keep(std::vector<TAdapterFacts> Adapters) {
        std::lock_guard lock(FMutex);
        FAdapters = std::move(Adapters);
        FServed.assign(FAdapters.size(), false);
    }
    bool Take(std::uint32_t Index, TAdapterFacts& Adapter) {
        std::lock_guard lock(FMutex);
        for (std::size_t i = 0; i < FAdapters.size(); ++i)
            if (FAdapters[i].Index == Index && !FServed[i]) {
                Adapter = FAdapters[i];
                return true;
            }
        return false;
    }
    void Served(std::uint32_t Index) {
        std::lock_guard lock(FMutex);
        for (std::size_t i = 0; i < FAdapters.size(); ++i)
            if (FAdapters[i].Index == Index)
                FServed[i] = true;
    }

private:
    std::mutex FMutex;
    std::vector<TAdapterFacts> FAdapters;
    std::vector<bool> FServed;
};

TPerAdapterCache& Cache() {
    static TPerAdapterCache cache;
    return cache;
}

}  // namespace

TIPHelperULong LayOutAdaptersInfo(const std::vector<TAdapterFacts>& Adapters, IP_ADAPTER_INFO* Buffer,
                                  TIPHelperULong* Size) {
    if (!Size)
        return IPHLP_ERROR_INVALID_PARAMETER;
    if (Adapters.empty())
        return IPHLP_ERROR_NO_DATA;
    std::size_t needed = 0;
    for (const TAdapterFacts& adapter : Adapters)
        needed += AdapterSize(adapter);
    if (!Buffer || *Size < needed) {
        *Size = static_cast<TIPHelperULong>(needed);
        return IPHLP_ERROR_BUFFER_OVERFLOW;
    }
    if (!Aligned<IP_ADAPTER_INFO>(Buffer))
        return IPHLP_ERROR_INVALID_PARAMETER;

    // All adapter records first, then the further list elements they point to.
    std::memset(static_cast<void*>(Buffer), 0, needed);
    auto* pool = reinterpret_cast<IP_ADDR_STRING*>(Buffer + Adapters.size());
    for (std::size_t i = 0; i < Adapters.size(); ++i) {
        IP_ADAPTER_INFO* record = new (Buffer + i) IP_ADAPTER_INFO{};
        PutAdapter(*record, Adapters[i], pool);
        record->Next = i + 1 < Adapters.size() ? Buffer + i + 1 : nullptr;
    }
    return IPHLP_NO_ERROR;
}

TIPHelperULong LayOutPerAdapterInfo(const TAdapterFacts& Adapter, IP_PER_ADAPTER_INFO* Buffer, TIPHelperULong* Size) {
    if (!Size)
        return IPHLP_ERROR_INVALID_PARAMETER;
    const std::size_t needed =
        sizeof(IP_PER_ADAPTER_INFO) + sizeof(IP_ADDR_STRING) * ExtraElements(Adapter.DnsServers.size());
    if (!Buffer || *Size < needed) {
        *Size = static_cast<TIPHelperULong>(needed);
        return IPHLP_ERROR_BUFFER_OVERFLOW;
    }
    if (!Aligned<IP_PER_ADAPTER_INFO>(Buffer))
        return IPHLP_ERROR_INVALID_PARAMETER;
    std::memset(static_cast<void*>(Buffer), 0, needed);
    IP_PER_ADAPTER_INFO* info = new (Buffer) IP_PER_ADAPTER_INFO{};
    auto* pool = reinterpret_cast<IP_ADDR_STRING*>(info + 1);
    PutAddresses(info->DnsServerList, Adapter.DnsServers, "", pool);
    return IPHLP_NO_ERROR;
}

TIPHelperULong ReplacementGetAdaptersInfo(IP_ADAPTER_INFO* AdapterInfo, TIPHelperULong* SizePointer) {
    if (!SizePointer)
        return IPHLP_ERROR_INVALID_PARAMETER;
    std::vector<TAdapterFacts> adapters;
    if (!ReadAdapterFacts(adapters))
        return IPHLP_ERROR_GEN_FAILURE;
    const TIPHelperULong result = LayOutAdaptersInfo(adapters, AdapterInfo, SizePointer);
    Cache().Keep(std::move(adapters));
    return result;
}

TIPHelperULong ReplacementGetPerAdapterInfo(TIPHelperULong IfIndex, IP_PER_ADAPTER_INFO* PerAdapterInfo,
                                            TIPHelperULong* OutBufLen) {
    if (!OutBufLen)
        return IPHLP_ERROR_INVALID_PARAMETER;
    TAdapterFacts adapter;
    if (!Cache().Take(IfIndex, adapter)) {
        std::vector<TAdapterFacts> adapters;
        if (!ReadAdapterFacts(adapters))
            return IPHLP_ERROR_GEN_FAILURE;
        const auto found = std::find_if(adapters.begin(), adapters.end(),
                                        [&](const TAdapterFacts& a) { return a.Index == IfIndex; });
        if (found == adapters.end())
            return IPHLP_ERROR_NO_DATA;
        adapter = std::move(*found);
    }
    const TIPHelperULong result = LayOutPerAdapterInfo(adapter, PerAdapterInfo, OutBufLen);
    if (result == IPHLP_NO_ERROR)
        Cache().Served(IfIndex);
    return result;
}
