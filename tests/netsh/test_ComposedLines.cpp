// The lines the program composes, split as Windows splits a command line, must
// reach netsh with exactly the connection name they were composed for.
#include <gtest/gtest.h>

#include "ipsets/NetshCommand.h"
#include "netsh/NetshArguments.h"
#include "platform/CommandLine.h"

using namespace netsh;

namespace {

NetshRequest Received(const std::string& line)
{
    std::vector<std::string> args = SplitCommandLine(line);
    args.erase(args.begin());  // the program
    return ParseNetshArguments(args);
}

TEST(ComposedLines, NetshReceivesTheComposedConnectionName)
{
    const char* names[] = {"Office",          "name=Office",  "NAME=Office", "Name=Office LAN", "addr=10.0.0.9",
                           "source=dhcp",     "mask=255.0.0.0", "gateway=",  "register=both",   "a=b",
                           "=",               "==",           "=Office",     " name = x ",      "B\xC3\xBCro=Netz",
                           "name=\\x",        "dhcp",         "static"};
    for (const char* name : names) {
        for (const bool dhcp : {false, true}) {
            SCOPED_TRACE(std::string(name) + (dhcp ? " dhcp" : " static"));
            const NetshCommandLines lines =
                ComposeNetshCommands(name, dhcp, "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2");
            const NetshRequest address = Received(lines.Address);
            EXPECT_EQ(address.Verb, NetshVerb::SetAddress);
            EXPECT_EQ(address.Connection, name);
            EXPECT_EQ(address.Address.Dhcp, dhcp);
            const NetshRequest dns = Received(lines.Dns);
            EXPECT_EQ(dns.Verb, NetshVerb::SetDns);
            EXPECT_EQ(dns.Connection, name);
            EXPECT_EQ(dns.Dns.Dhcp, dhcp);
        }
    }
}

}  // namespace
