// The Linux netsh's reading of a command line: split by the Windows rules, then
// the arguments understood or refused with a status, never anything else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "netsh/NetshArguments.h"
#include "netsh/NetshError.h"
#include "platform/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args = SplitCommandLine("netsh " + std::string(line));
    if (args.empty())
        std::abort();
    args.erase(args.begin());
    try {
        const netsh::NetshRequest request = netsh::ParseNetshArguments(args);
        const bool setting = request.Verb == netsh::NetshVerb::SetAddress || request.Verb == netsh::NetshVerb::SetDns;
        if (setting && request.Connection.empty())
            std::abort();
        if (request.Verb == netsh::NetshVerb::SetAddress && !request.Address.Dhcp &&
            (request.Address.Prefix < 1 || request.Address.Prefix > 32))
            std::abort();
    } catch (const netsh::ENetshError&) {
    }
    return 0;
}
