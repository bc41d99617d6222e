#include <gtest/gtest.h>

#include <sstream>

#include "FakeNmcli.h"
#include "netsh/NetshCommands.h"
#include "netsh/NetshError.h"

using namespace netsh;

namespace {

class NetshCommandsTest : public ::testing::Test {
protected:
    NetshCommandsTest() : profiles{{"Office LAN", "u-1", "v0", "manual"}, {"Spare", "u-2", "", "auto"}} {}

    NetshStatus Run(const std::vector<std::string>& args)
    {
        try {
            NetshCommands(nm, [this] { return ListProfiles(); }, out).Run(ParseNetshArguments(args));
        } catch (const ENetshError& e) {
            return e.Status();
        }
        return NetshStatus::Done;
    }

    const std::vector<std::string>* CallOf(const std::string& a, const std::string& b) const
    {
        for (const auto& c : fake.Calls)
            if (c.size() >= 2 && c[0] == a && c[1] == b)
                return &c;
        return nullptr;
    }

    std::vector<NmProfile> ListProfiles() const
    {
        if (!busUp)
            throw ENetshError(NetshStatus::NotRunning, "NetworkManager is not running");
        return profiles;
    }

    std::vector<NmProfile> profiles;
    bool busUp = true;
    FakeNmcli fake;
    Nmcli nm{std::ref(fake)};
    std::ostringstream out;
};

}  // namespace

TEST_F(NetshCommandsTest, UnknownConnectionChangesNothing)
{
    EXPECT_EQ(Run({"interface", "ip", "set", "address", "office lan", "dhcp"}), NetshStatus::UnknownConnection);
    EXPECT_FALSE(fake.Called("connection modify"));
    EXPECT_FALSE(fake.Called("connection up"));
}

TEST_F(NetshCommandsTest, AmbiguousNameIsRefusedUnlessOneIsInUse)
{
    profiles = {{"Twin", "u-1", "", "auto"}, {"Twin", "u-2", "", "auto"}};
    EXPECT_EQ(Run({"interface", "ip", "set", "address", "Twin", "dhcp"}), NetshStatus::UnknownConnection);
    EXPECT_FALSE(fake.Called("connection modify"));

    profiles[1].Device = "v0";
    EXPECT_EQ(Run({"interface", "ip", "set", "address", "Twin", "dhcp"}), NetshStatus::Done);
    EXPECT_EQ((*CallOf("connection", "modify"))[3], "u-2");
}

TEST_F(NetshCommandsTest, UnavailableDeviceSavesForLater)
{
    fake.Answer("connection up", 4, "", "Error: Connection activation failed: No suitable device found for this "
                                        "connection (device v0 not available because device has no carrier).\n");
    EXPECT_EQ(Run({"interface", "ip", "set", "address", "Office LAN", "dhcp"}), NetshStatus::Done);
    EXPECT_EQ(out.str(), "saved; takes effect when Office LAN connects\n");
}

TEST_F(NetshCommandsTest, DnsIsReappliedToTheActiveDevice)
{
    EXPECT_EQ(Run({"interface", "ip", "set", "dns", "Office LAN", "static", "10.9.0.2", "primary"}), NetshStatus::Done);
    EXPECT_EQ(*CallOf("connection", "modify"), (std::vector<std::string>{"connection", "modify", "uuid", "u-1",
                                                                         "ipv4.dns", "10.9.0.2",
                                                                         "ipv4.ignore-auto-dns", "yes"}));
    EXPECT_EQ(*CallOf("device", "reapply"), (std::vector<std::string>{"device", "reapply", "v0"}));
    EXPECT_FALSE(fake.Called("connection up"));
}

TEST_F(NetshCommandsTest, DnsOfADhcpProfileIsBroughtUpAnew)
{
    profiles[0].Method = "auto";
    EXPECT_EQ(Run({"interface", "ip", "set", "dns", "Office LAN", "dhcp"}), NetshStatus::Done);
    EXPECT_FALSE(fake.Called("device reapply"));
    ASSERT_TRUE(CallOf("connection", "up"));
    EXPECT_EQ(*CallOf("connection", "up"), (std::vector<std::string>{"connection", "up", "uuid", "u-1"}));
}

TEST_F(NetshCommandsTest, DnsOfAnInactiveProfileWaitsForItsConnection)
{
    EXPECT_EQ(Run({"interface", "ip", "set", "dns", "Spare", "dhcp"}), NetshStatus::Done);
    EXPECT_EQ(*CallOf("connection", "modify"), (std::vector<std::string>{"connection", "modify", "uuid", "u-2",
                                                                         "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"}));
    EXPECT_FALSE(fake.Called("device reapply"));
    EXPECT_FALSE(fake.Called("connection up"));
    EXPECT_EQ(out.str(), "saved; takes effect when Spare connects\n");
}

TEST_F(NetshCommandsTest, NetworkManagerNotRunningStopsBeforeAnyChange)
{
    busUp = false;
    EXPECT_EQ(Run({"interface", "ip", "set", "address", "Office LAN", "dhcp"}), NetshStatus::NotRunning);
    EXPECT_TRUE(fake.Calls.empty());
}
