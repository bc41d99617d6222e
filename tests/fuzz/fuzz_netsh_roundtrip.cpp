// The two lines composed for a connection, split as Windows splits them and read
// by the Linux netsh, reach it with exactly the connection name composed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/qxError.h"
#include "ipsets/NetshCommand.h"
#include "netsh/NetshArguments.h"
#include "netsh/NetshError.h"
#include "platform/CommandLine.h"

namespace {

void Check(const std::string& line, const std::string& name, netsh::NetshVerb verb, bool dhcp)
{
    std::vector<std::string> args = SplitCommandLine(line);
    args.erase(args.begin());
    try {
        const netsh::NetshRequest request = netsh::ParseNetshArguments(args);
        const bool readDhcp = verb == netsh::NetshVerb::SetAddress ? request.Address.Dhcp : request.Dns.Dhcp;
        if (request.Verb == verb && request.Connection == name && readDhcp == dhcp)
            return;
        std::fprintf(stderr, "netsh received \"%s\" from: %s\n", request.Connection.c_str(), line.c_str());
    } catch (const netsh::ENetshError& e) {
        std::fprintf(stderr, "netsh refused (%s): %s\n", e.what(), line.c_str());
    }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool dhcp = input.ConsumeBool();
    const std::string name = input.ConsumeRemainingBytesAsString();
    NetshCommandLines lines;
    try {
        // Addresses netsh takes, so that only the name decides the outcome.
        lines = ComposeNetshCommands(name, dhcp, "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2");
    } catch (const EqxError&) {
        return 0;  // refused before anything runs
    }
    if (name.empty())
        return 0;  // netsh needs a name; an empty one is refused by it, not composed wrong
    Check(lines.Address, name, netsh::NetshVerb::SetAddress, dhcp);
    Check(lines.Dns, name, netsh::NetshVerb::SetDns, dhcp);
    return 0;
}
