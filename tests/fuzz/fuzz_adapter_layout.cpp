// The Linux adapter records laid out from any facts and read back through the
// snapshot: every record and list element inside the buffer, every text ended.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "adapters/FactsLibrary_linux.h"

namespace {

std::vector<std::string> Texts(FuzzedDataProvider& input)
{
    std::vector<std::string> texts(input.ConsumeIntegralInRange<std::size_t>(0, 5));
    for (std::string& t : texts)
        t = input.ConsumeRandomLengthString(24);
    return texts;
}

TAdapterFacts Facts(FuzzedDataProvider& input)
{
    TAdapterFacts a;
    a.Name = input.ConsumeRandomLengthString(300);
    a.Description = input.ConsumeRandomLengthString(150);
    a.HardwareAddress = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 12));
    a.Index = input.ConsumeIntegral<std::uint32_t>();
    a.Type = input.ConsumeIntegral<std::uint32_t>();
    a.DhcpEnabled = input.ConsumeBool();
    for (std::string& address : Texts(input))
        a.Addresses.push_back({address, input.ConsumeRandomLengthString(24)});
    a.Gateways = Texts(input);
    a.DhcpServers = Texts(input);
    a.DnsServers = Texts(input);
    a.LeaseObtained = input.ConsumeIntegral<std::int64_t>();
    a.LeaseExpires = input.ConsumeIntegral<std::int64_t>();
    return a;
}

// Every pointer of a list stays inside [begin, end) and every text is ended.
void CheckList(const IP_ADDR_STRING& first, const char* begin, const char* end)
{
    for (const IP_ADDR_STRING* e = &first; e; e = e->Next) {
        const char* at = reinterpret_cast<const char*>(e);
        if (at < begin || at + sizeof *e > end)
            std::abort();
        if (!std::memchr(e->IpAddress.String, 0, sizeof e->IpAddress.String) ||
            !std::memchr(e->IpMask.String, 0, sizeof e->IpMask.String))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    gFacts.assign(input.ConsumeIntegralInRange<std::size_t>(0, 4), {});
    for (TAdapterFacts& a : gFacts)
        a = Facts(input);

    TIPHelperULong needed = 0;
    if (LayOutAdaptersInfo(gFacts, nullptr, &needed) == IPHLP_ERROR_BUFFER_OVERFLOW) {
        std::vector<IP_ADAPTER_INFO> storage(needed / sizeof(IP_ADAPTER_INFO) + 1);
        const char* begin = reinterpret_cast<const char*>(storage.data());
        const char* end = begin + needed;
        if (LayOutAdaptersInfo(gFacts, storage.data(), &needed) != IPHLP_NO_ERROR)
            std::abort();
        for (const IP_ADAPTER_INFO* r = storage.data(); r; r = r->Next) {
            const char* at = reinterpret_cast<const char*>(r);
            if (at < begin || at + sizeof *r > end || r->AddressLength > sizeof r->Address ||
                !std::memchr(r->AdapterName, 0, sizeof r->AdapterName) ||
                !std::memchr(r->Description, 0, sizeof r->Description))
                std::abort();
            for (const IP_ADDR_STRING* list : {&r->IpAddressList, &r->GatewayList, &r->DhcpServer})
                CheckList(*list, begin, end);
        }
    }

    // The snapshot reads the same records through the IP Helper binding.
    static const bool bound = [] {
        SetIPHelperLibraryApi(&kFactsApi);
        return true;
    }();
    (void)bound;
    std::int32_t count = 0;
    TAdaptorRows rows;
    if (ReadAdaptorRows(count, rows) == IPHLP_NO_ERROR && count != static_cast<std::int32_t>(gFacts.size()))
        std::abort();
    return 0;
}
