// The Windows side of the look for another device on an address, under Wine:
// IP Helper's SendARP for the probe, its address table for the system's verdict.
#include <gtest/gtest.h>

#include "adapters/AddressProbe.h"
#include "adapters/SystemAddressCheck.h"
#include "ipsets/AddressGuard.h"

using namespace std::chrono_literals;

TEST(WindowsAddressCheck, NetshLinesStayWindowsOwnAndTheHostsAddressesAreNoDuplicates)
{
    // Windows checks every address it sets: the line Netvane composes goes to netsh unchanged.
    const std::string line = "netsh interface ip set address \"Office LAN\"  static 10.9.0.5 255.255.255.0  1";
    for (TAddressCheck check : {TAddressCheck::None, TAddressCheck::Held, TAddressCheck::Probe, TAddressCheck::System})
        EXPECT_EQ(TAddressGuard::AddressLine(line, check), line);
    EXPECT_FALSE(NetshFoundAddressInUse(kNetshAddressInUse));

    // The host's own addresses, and one it does not hold, as the address table has them.
    EXPECT_EQ(SystemAddressConflict("127.0.0.1", 1000ms, {}), "");
    EXPECT_EQ(SystemAddressConflict("192.0.2.123", 1000ms, {}), "");
    // An address on no link of the host: nobody answers, and the probe ends by its limit.
    EXPECT_EQ(ProbeAddress({"192.0.2.123", "", 0}, 300ms, {}), "");
}
