#include <gtest/gtest.h>

#include "adapters/o_AdapterInformation.h"
#include "ipsets/InEffect.h"

namespace {

TStoredIPSet Static(int id, const std::string& name, const std::string& address, const std::string& mask,
                    const std::string& gateway, const std::string& dns, const std::string& connection = "LAN")
{
    TStoredIPSet s;
    s.Id = id;
    s.Name = name;
    s.Address = address;
    s.Mask = mask;
    s.Gateway = gateway;
    s.Dns = dns;
    s.Connection = connection;
    return s;
}

TStoredIPSet Dhcp(int id, const std::string& name, const std::string& connection = "LAN")
{
    TStoredIPSet s = Static(id, name, "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", connection);
    s.Dhcp = true;
    return s;
}

// An adapter as the snapshot lists it: padded lists, 0.0.0.0 for "no gateway".
struct Shape {
    bool dhcp = false;
    TTextList addresses;
    TTextList masks;
    TTextList gateways{"0.0.0.0", ""};
    TTextList dns{""};
};

TAdaptorInfo Row(const std::string& name, const Shape& s)
{
    TAdaptorInfo a;
    a.AdapterName = name;
    a.DHCPEnabled = s.dhcp ? 1 : 0;
    a.IPAddressList = s.addresses;
    a.IPMaskList = s.masks;
    a.GatewayList = s.gateways;
    a.DNSServerList = s.dns;
    return a;
}

struct Snapshot {
    TAdaptorRows rows;
    TqxNetworkAdapterManager manager{[this](std::int32_t& count, TAdaptorRows& out) {
        out = rows;
        count = static_cast<std::int32_t>(rows.size());
        return std::uint32_t{0};
    }};
    const TqxNetworkAdapters& Load()
    {
        manager.EnumerateNetworkAdapters();
        return manager.Adapters();
    }
};

struct RuleCase {
    const char* what;
    TStoredIPSet set;
    Shape adapter;
    bool inEffect;
};

class InEffectRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(InEffectRule, MatchesTheAdapterAsShown)
{
    const RuleCase& c = GetParam();
    Snapshot snapshot;
    snapshot.rows.push_back(Row("eth0", c.adapter));
    EXPECT_EQ(IsInEffect(c.set, snapshot.Load().Items(0)), c.inEffect) << c.what;
}

const TStoredIPSet kOffice = Static(1, "Office", "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2");
const TStoredIPSet kBare = Static(2, "Bare", "10.0.0.5", "255.255.255.0", "", "");

INSTANTIATE_TEST_SUITE_P(
    Snapshots, InEffectRule,
    ::testing::Values(
        RuleCase{"all four values", kOffice,
                 {false, {"10.0.0.5", ""}, {"255.255.255.0", ""}, {"10.0.0.1", ""}, {"10.0.0.2", "9.9.9.9"}}, true},
        RuleCase{"second address of several", kOffice,
                 {false, {"192.168.1.4", "10.0.0.5"}, {"255.255.0.0", "255.255.255.0"}, {"10.0.0.1"}, {"10.0.0.2"}},
                 true},
        RuleCase{"same address, other mask", kOffice,
                 {false, {"10.0.0.5"}, {"255.255.0.0"}, {"10.0.0.1"}, {"10.0.0.2"}}, false},
        RuleCase{"mask belongs to another address", kOffice,
                 {false, {"10.0.0.5", "10.1.0.1"}, {"255.0.0.0", "255.255.255.0"}, {"10.0.0.1"}, {"10.0.0.2"}},
                 false},
        RuleCase{"other gateway", kOffice,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.254"}, {"10.0.0.2"}}, false},
        RuleCase{"no gateway where the set has one", kOffice,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"0.0.0.0"}, {"10.0.0.2"}}, false},
        RuleCase{"DNS server second, not first", kOffice,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.1"}, {"9.9.9.9", "10.0.0.2"}}, false},
        RuleCase{"no DNS server where the set has one", kOffice,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.1"}, {""}}, false},
        RuleCase{"DHCP on although the address matches", kOffice,
                 {true, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.1"}, {"10.0.0.2"}}, false},
        RuleCase{"set without gateway and DNS, adapter without them", kBare,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"0.0.0.0", ""}, {"", ""}}, true},
        RuleCase{"set without gateway, adapter has one", kBare,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.1"}, {""}}, false},
        RuleCase{"set without DNS, adapter has a static one", kBare,
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {"0.0.0.0"}, {"10.0.0.2"}}, false},
        RuleCase{"stored with leading zeros", Static(3, "Zeros", "010.000.000.005", "255.255.255.000", "", ""),
                 {false, {"10.0.0.5"}, {"255.255.255.0"}, {""}, {""}}, true},
        RuleCase{"DHCP set, DHCP on", Dhcp(4, "Auto"), {true, {"192.168.7.9"}, {"255.255.255.0"}, {}, {}}, true},
        RuleCase{"DHCP set, DHCP off", Dhcp(4, "Auto"), {false, {"192.168.7.9"}, {"255.255.255.0"}, {}, {}}, false},
        RuleCase{"broken stored address never matches", Static(5, "Broken", "10.0.0", "255.255.255.0", "", ""),
                 {false, {"10.0.0"}, {"255.255.255.0"}, {""}, {""}}, false}));

TEST(InEffectConnections, EachConnectionWithSetsGetsOneLine)
{
    Snapshot snapshot;
    snapshot.rows.push_back(Row("eth0", {false, {"10.0.0.5"}, {"255.255.255.0"}, {"10.0.0.1"}, {"10.0.0.2"}}));
    snapshot.rows.push_back(Row("wlan0", {true, {"192.168.7.9"}, {"255.255.0.0"}, {"192.168.7.1"}, {"192.168.7.1"}}));
    snapshot.rows.push_back(Row("eth1", {false, {"", ""}, {"", ""}, {}, {}}));
    const std::vector<TAdapterConnection> mapping = {{"eth0", "Office LAN"}, {"wlan0", "Home Wi-Fi"},
                                                     {"eth1", "Spare"}};
    const std::vector<TStoredIPSet> sets = {
        Static(1, "Office", "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2", "Office LAN"),
        Static(2, "Lab", "172.16.0.5", "255.255.0.0", "", "", "Office LAN"),
        Static(3, "Office copy", "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2", "Office LAN"),
        Static(4, "Home static", "192.168.7.9", "255.255.0.0", "", "", "Home Wi-Fi"),
        Static(5, "Nowhere", "1.2.3.4", "255.0.0.0", "", "", "Gone"),
        Static(6, "Unassigned", "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2", ""),
        Dhcp(7, "Spare auto", "Spare"),
    };
    const auto found = FindSetsInEffect(sets, snapshot.Load(), mapping);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].SetIds, (std::vector<int>{1, 3}));
    EXPECT_TRUE(found[1].SetIds.empty());
    EXPECT_TRUE(found[2].SetIds.empty());
    EXPECT_FALSE(found[2].HasAdapter);
    std::vector<std::string> lines;
    for (const auto& entry : found)
        lines.push_back(InEffectLine(entry));
    EXPECT_EQ(lines, (std::vector<std::string>{"Office LAN: 10.0.0.5/24 (Office, Office copy)",
                                                "Home Wi-Fi: DHCP 192.168.7.9/16", "Gone: not present",
                                                "Spare: no address"}));
}

}  // namespace
