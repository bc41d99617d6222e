#include "adapters/IPHelper.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "common/qxText.h"

namespace {

constexpr const char* kNoAddress = "  0.  0.  0.  0";
constexpr std::size_t kRowsAtStart = 4;
constexpr std::size_t kListAtStart = 2;
constexpr TIPHelperULong kPerAdapterSize = 252;
// An adapter that comes or goes between the size query and the fill makes the
// fill answer 111; the pair is then asked again this many times.
constexpr int kFillRetries = 3;

// A zero-filled buffer aligned for the library's records.
struct TRecordBuffer {
    explicit TRecordBuffer(std::size_t Bytes)
        : Data(new std::max_align_t[(Bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)]()) {}
    std::unique_ptr<std::max_align_t[]> Data;
    template <typename T>
    T* As() { return reinterpret_cast<T*>(Data.get()); }
};

std::string AddressText(const IP_ADDRESS_STRING& Field) {
    return DecodeAnsi(Field.String, ::strnlen(Field.String, sizeof Field.String));
}

// A name ends at its first zero byte: the library may leave what it used the
// caller's buffer for after it (Wine leaves parts of its interface tables).
std::string FixedText(const char* Field, std::size_t Length) {
    return Trim(DecodeAnsi(Field, ::strnlen(Field, Length)));
}

// Walks an IP_ADDR_STRING chain into Addresses (and Masks), doubling the lists
// whenever they fill up; they are never shortened to the count.
void WalkList(const IP_ADDR_STRING* First, TTextList& Addresses, TTextList* Masks, std::int32_t& Total) {
    std::size_t i = 0;
    for (const IP_ADDR_STRING* element = First; element; element = element->Next) {
        Addresses[i] = AddressText(element->IpAddress);
        if (Masks)
            (*Masks)[i] = AddressText(element->IpMask);
        ++i;
        if (i == Addresses.size()) {
            Addresses.resize(2 * i);
            if (Masks)
                Masks->resize(2 * i);
        }
    }
    Total = static_cast<std::int32_t>(i);
}

void ReadPerAdapterInfo(TAdaptorInfo& Row, IP_PER_ADAPTER_INFO* FixedBuffer) {
    if (!IPHLPAPI::GetPerAdapterInfo)
        return;
    IP_PER_ADAPTER_INFO* info = FixedBuffer;
    TIPHelperULong size = kPerAdapterSize;
    TIPHelperULong result = IPHLPAPI::GetPerAdapterInfo(Row.Index, info, &size);
    // Many DNS servers do not fit the fixed buffer: ask once more with the size the library wants.
    std::unique_ptr<TRecordBuffer> larger;
    if (result == IPHLP_ERROR_BUFFER_OVERFLOW && size > kPerAdapterSize) {
        larger = std::make_unique<TRecordBuffer>(size);
        info = larger->As<IP_PER_ADAPTER_INFO>();
        result = IPHLPAPI::GetPerAdapterInfo(Row.Index, info, &size);
    }
    if (result != IPHLP_NO_ERROR)
        return;
    Row.AutoConfigEnabled = info->AutoconfigEnabled;
    Row.AutoConfigActive = info->AutoconfigActive;
    if (info->CurrentDnsServer)
        Row.CurrentDNSServer = AddressText(info->CurrentDnsServer->IpAddress);
    WalkList(&info->DnsServerList, Row.DNSServerList, nullptr, Row.DNSServerTot);
}

void FillRow(TAdaptorInfo& Row, const IP_ADAPTER_INFO& Adapter, IP_PER_ADAPTER_INFO* PerAdapterBuffer) {
    Row.IPAddressTot = Row.GatewayTot = Row.DHCPTot = Row.PrimWINSTot = Row.SecWINSTot = Row.DNSServerTot = 0;
    for (TTextList* list : {&Row.IPAddressList, &Row.IPMaskList, &Row.GatewayList, &Row.DHCPServer,
                            &Row.PrimWINSServer, &Row.SecWINSServer, &Row.DNSServerList})
        list->assign(kListAtStart, std::string());
    Row.CurrIPAddress = kNoAddress;
    Row.CurrIPMask = kNoAddress;

    Row.AdapterName = FixedText(Adapter.AdapterName, sizeof Adapter.AdapterName);
    Row.Description = FixedText(Adapter.Description, sizeof Adapter.Description);
    Row.MacAddress = MacAddrToStr(Adapter.Address, Adapter.AddressLength);
    Row.Index = Adapter.Index;
    Row.aType = Adapter.Type;
    Row.DHCPEnabled = Adapter.DhcpEnabled;
    if (Adapter.CurrentIpAddress) {
        Row.CurrIPAddress = AddressText(Adapter.CurrentIpAddress->IpAddress);
        Row.CurrIPMask = AddressText(Adapter.CurrentIpAddress->IpMask);
    }
    WalkList(&Adapter.IpAddressList, Row.IPAddressList, &Row.IPMaskList, Row.IPAddressTot);
    WalkList(&Adapter.GatewayList, Row.GatewayList, nullptr, Row.GatewayTot);
    WalkList(&Adapter.DhcpServer, Row.DHCPServer, nullptr, Row.DHCPTot);
    Row.HaveWINS = Adapter.HaveWins;
    WalkList(&Adapter.PrimaryWinsServer, Row.PrimWINSServer, nullptr, Row.PrimWINSTot);
    WalkList(&Adapter.SecondaryWinsServer, Row.SecWINSServer, nullptr, Row.SecWINSTot);
    Row.LeaseObtained = static_cast<std::int32_t>(Adapter.LeaseObtained);
    Row.LeaseExpires = static_cast<std::int32_t>(Adapter.LeaseExpires);
    ReadPerAdapterInfo(Row, PerAdapterBuffer);
}

}  // namespace

std::uint32_t ReadAdaptorRows(std::int32_t& Count, TAdaptorRows& Rows) {
    if (!LoadIPHelperLibrary())
        return IPHLP_ERROR_NOT_SUPPORTED;
    // A library without the entry point cannot give a snapshot; calling a null slot would crash.
    if (!IPHLPAPI::GetAdaptersInfo)
        return IPHLP_ERROR_NOT_SUPPORTED;
    Rows.assign(kRowsAtStart, TAdaptorInfo{});
    Count = 0;

    std::unique_ptr<TRecordBuffer> buffer;
    for (int attempt = 0;; ++attempt) {
        TIPHelperULong size = 0;
        TIPHelperULong result = IPHLPAPI::GetAdaptersInfo(nullptr, &size);
        if (result == IPHLP_ERROR_NO_DATA) {
            // No adapter at all is an empty snapshot, not a failure.
            Rows.clear();
            return IPHLP_NO_ERROR;
        }
        if (result != IPHLP_ERROR_BUFFER_OVERFLOW)
            return result;
        buffer = std::make_unique<TRecordBuffer>(size);
        result = IPHLPAPI::GetAdaptersInfo(buffer->As<IP_ADAPTER_INFO>(), &size);
        if (result == IPHLP_NO_ERROR)
            break;
        if (result == IPHLP_ERROR_NO_DATA) {
            Rows.clear();
            return IPHLP_NO_ERROR;
        }
        if (result != IPHLP_ERROR_BUFFER_OVERFLOW || attempt == kFillRetries)
            return result;
    }

    union {
        IP_PER_ADAPTER_INFO Info;
        unsigned char Bytes[kPerAdapterSize];
    } perAdapter;
    for (const IP_ADAPTER_INFO* adapter = buffer->As<IP_ADAPTER_INFO>(); adapter; adapter = adapter->Next) {
        FillRow(Rows[static_cast<std::size_t>(Count)], *adapter, &perAdapter.Info);
        ++Count;
        if (static_cast<std::size_t>(Count) == Rows.size())
            Rows.resize(2 * static_cast<std::size_t>(Count));
    }
    Rows.resize(static_cast<std::size_t>(Count));
    return IPHLP_NO_ERROR;
}

std::string MacAddrToStr(const std::uint8_t (&Address)[8], std::uint32_t Length) {
    if (Length == 0)
        return "00-00-00-00-00-00";
    if (Length > sizeof Address)
        Length = sizeof Address;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint32_t i = 0; i < Length; ++i) {
        text += kHex[Address[i] >> 4];
        text += kHex[Address[i] & 0x0F];
        text += '-';
    }
    text.pop_back();
    return text;
}
