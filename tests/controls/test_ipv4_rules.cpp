// The one rule set for static configurations, which the editor and netsh share.
#include <gtest/gtest.h>

#include "controls/IPv4Rules.h"

namespace {

struct RuleCase {
    const char* address;
    const char* mask;
    const char* gateway;  // "" for none
    const char* reason;   // "" when accepted
    TIPv4Field field = TIPv4Field::Address;
};

TEST(IPv4Rules, StaticConfigurations)
{
    const RuleCase cases[] = {
        {"10.0.0.5", "255.255.255.0", "10.0.0.1", ""},
        {"10.0.0.5", "255.255.255.0", "", ""},
        {"10.255.255.254", "255.0.0.0", "10.0.0.1", ""},
        // Point-to-point and single-host masks have no network or broadcast address.
        {"10.0.0.4", "255.255.255.254", "10.0.0.5", ""},
        {"10.0.0.0", "255.255.255.255", "", ""},
        {"10.0.0.5", "0.0.0.0", "", "invalid subnet mask \"0.0.0.0\"", TIPv4Field::SubnetMask},
        {"10.0.0.5", "255.0.255.0", "", "invalid subnet mask \"255.0.255.0\"", TIPv4Field::SubnetMask},
        {"0.0.0.0", "255.255.255.0", "", "address 0.0.0.0 cannot be given to a host with mask 255.255.255.0"},
        {"127.0.0.2", "255.0.0.0", "", "address 127.0.0.2 cannot be given to a host with mask 255.0.0.0"},
        {"224.0.0.5", "255.255.255.0", "", "address 224.0.0.5 cannot be given to a host with mask 255.255.255.0"},
        {"192.168.1.0", "255.255.255.0", "", "address 192.168.1.0 cannot be given to a host with mask 255.255.255.0"},
        {"192.168.1.255", "255.255.255.0", "",
         "address 192.168.1.255 cannot be given to a host with mask 255.255.255.0"},
        {"10.0.0.7", "255.255.255.252", "", "address 10.0.0.7 cannot be given to a host with mask 255.255.255.252"},
        {"10.0.0.5", "255.255.255.0", "10.0.1.1", "gateway 10.0.1.1 is outside the subnet of 10.0.0.5/24",
         TIPv4Field::Gateway},
        {"10.0.0.5", "255.255.255.0", "10.0.0.5", "gateway 10.0.0.5 cannot be a gateway for 10.0.0.5/24",
         TIPv4Field::Gateway},
        {"10.0.0.5", "255.255.255.0", "10.0.0.255", "gateway 10.0.0.255 cannot be a gateway for 10.0.0.5/24",
         TIPv4Field::Gateway},
        {"10.0.0.5", "255.255.255.0", "0.0.0.0", "gateway 0.0.0.0 is outside the subnet of 10.0.0.5/24",
         TIPv4Field::Gateway},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " " + c.mask + " " + c.gateway);
        const std::optional<Ipv4> gateway = *c.gateway ? ParseIpv4(c.gateway) : std::nullopt;
        const auto fault = CheckStaticAddress(*ParseIpv4(c.address), *ParseIpv4(c.mask), gateway);
        if (!*c.reason) {
            EXPECT_FALSE(fault) << fault->Reason;
            continue;
        }
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->Reason, c.reason);
        EXPECT_EQ(fault->Field, c.field);
    }
}

TEST(IPv4Rules, DnsServers)
{
    for (const char* good : {"10.0.0.2", "1.1.1.1", "223.255.255.254"})
        EXPECT_FALSE(CheckDnsServer(*ParseIpv4(good))) << good;
    for (const char* bad : {"0.0.0.0", "127.0.0.53", "255.255.255.255", "239.1.1.1"}) {
        const auto fault = CheckDnsServer(*ParseIpv4(bad));
        ASSERT_TRUE(fault) << bad;
        EXPECT_EQ(fault->Field, TIPv4Field::DnsServer);
        EXPECT_EQ(fault->Reason, std::string("invalid DNS server \"") + bad + "\"");
    }
}

}  // namespace
