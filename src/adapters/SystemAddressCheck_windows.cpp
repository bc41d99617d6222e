#include "adapters/SystemAddressCheck.h"

// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>
// clang-format on

#include <thread>

#include "controls/IPv4Rules.h"
#include "common/qxTranslate.h"

namespace {

// The DAD state Windows gives the address; IpDadStateInvalid when it holds no such address.
NL_DAD_STATE DadStateOf(std::uint32_t Address)
{
    PMIB_UNICASTIPADDRESS_TABLE table = nullptr;
    if (GetUnicastIpAddressTable(AF_INET, &table) != NO_ERROR)
        return IpDadStateInvalid;
    NL_DAD_STATE state = IpDadStateInvalid;
    for (ULONG i = 0; i < table->NumEntries; ++i) {
        const MIB_UNICASTIPADDRESS_ROW& row = table->Table[i];
        if (row.Address.si_family == AF_INET && ntohl(row.Address.Ipv4.sin_addr.s_addr) == Address) {
            state = row.DadState;
            // One duplicate row is enough, whichever adapter holds it.
            if (state == IpDadStateDuplicate)
                break;
        }
    }
    FreeMibTable(table);
    return state;
}

}  // namespace

// Windows netsh takes no such word: Windows always checks, and Netvane reads the result.
std::string WithoutSystemAddressCheck(const std::string& AddressLine)
{
    return AddressLine;
}

bool NetshFoundAddressInUse(std::uint32_t)
{
    return false;
}

std::string SystemAddressConflict(const std::string& Address, std::chrono::milliseconds Limit,
                                  const std::function<void()>& Pump)
{
    const auto address = ParseIpv4(Address);
    if (!address)
        return "";
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + Limit;
    for (;;) {
        const NL_DAD_STATE state = DadStateOf(*address);
        if (state == IpDadStateDuplicate)
            return Fill(Tx("SystemAddressCheck",
                           "Windows found that another device on the network already uses %1, so it does not use "
                           "the address"),
                        {Address});
        if (state != IpDadStateTentative || Clock::now() >= deadline)
            return "";
        if (Pump)
            Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
