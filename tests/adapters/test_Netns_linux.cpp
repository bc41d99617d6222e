// End to end: the snapshot reads a namespace of our own with veth adapters.
#include <gtest/gtest.h>

#include <algorithm>

#include "NetNamespace_linux.h"
#include "adapters/AdapterFacts_linux.h"
#include "adapters/IPHelper.h"
#include "adapters/o_AdapterInformation.h"

namespace {

class NetnsSnapshot : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string why = WhyNoNamespaces();
        if (!why.empty())
            GTEST_SKIP() << why;
        ASSERT_TRUE(ns.Ok() && peer.Ok()) << "could not create the namespaces";
        // v0 carries two addresses and the default route; w0 carries nothing.
        ASSERT_TRUE(ns.Ip({"link", "add", "v0", "address", "02:11:22:33:44:55", "type", "veth", "peer", "name",
                           "v1", "netns", peer.Name()}));
        ASSERT_TRUE(ns.Ip({"link", "add", "w0", "type", "veth", "peer", "name", "w1", "netns", peer.Name()}));
        ASSERT_TRUE(ns.Ip({"link", "set", "lo", "up"}));
        ASSERT_TRUE(ns.Ip({"link", "set", "v0", "up"}));
        ASSERT_TRUE(peer.Ip({"link", "set", "v1", "up"}));
        ASSERT_TRUE(ns.Ip({"addr", "add", "10.77.0.5/24", "dev", "v0"}));
        ASSERT_TRUE(ns.Ip({"addr", "add", "192.168.77.5/16", "dev", "v0"}));
        ASSERT_TRUE(ns.Ip({"route", "add", "default", "via", "10.77.0.1", "dev", "v0"}));
    }

    // The rows of the namespace, read on a thread inside it.
    TAdaptorRows Snapshot(std::uint32_t& Result) {
        TAdaptorRows rows;
        std::int32_t count = 0;
        EXPECT_TRUE(ns.Run([&] { Result = ReadAdaptorRows(count, rows); }));
        return rows;
    }

    static const TAdaptorInfo* Find(const TAdaptorRows& Rows, const std::string& Name) {
        const auto found =
            std::find_if(Rows.begin(), Rows.end(), [&](const TAdaptorInfo& r) { return r.AdapterName == Name; });
        return found == Rows.end() ? nullptr : &*found;
    }

    TNetNamespace ns;
    TNetNamespace peer;
};

TEST_F(NetnsSnapshot, VethAdaptersWithAddressesAndDefaultRoute) {
    std::uint32_t result = 99;
    const TAdaptorRows rows = Snapshot(result);
    ASSERT_EQ(result, 0u);
    EXPECT_EQ(Find(rows, "lo"), nullptr);

    const TAdaptorInfo* v0 = Find(rows, "v0");
    ASSERT_NE(v0, nullptr);
    EXPECT_EQ(v0->Description, "veth");
    EXPECT_EQ(v0->MacAddress, "02-11-22-33-44-55");
    EXPECT_EQ(v0->aType, 6u);
    EXPECT_NE(v0->Index, 0u);
    EXPECT_EQ(v0->DHCPEnabled, 0u);
    EXPECT_EQ(v0->IPAddressTot, 2);
    EXPECT_EQ(v0->IPAddressList, (TTextList{"10.77.0.5", "192.168.77.5", "", ""}));
    EXPECT_EQ(v0->IPMaskList, (TTextList{"255.255.255.0", "255.255.0.0", "", ""}));
    EXPECT_EQ(v0->CurrIPAddress, "10.77.0.5");
    EXPECT_EQ(v0->GatewayTot, 1);
    EXPECT_EQ(v0->GatewayList[0], "10.77.0.1");
    EXPECT_EQ(v0->HaveWINS, 0);
    // Without NetworkManager the resolver's servers belong to the adapter with the default route.
    const std::vector<std::string> resolv = ReadResolvConfNameservers();
    EXPECT_EQ(v0->DNSServerTot, static_cast<std::int32_t>(std::max<std::size_t>(resolv.size(), 1)));
    for (std::size_t i = 0; i < resolv.size(); ++i)
        EXPECT_EQ(v0->DNSServerList[i], resolv[i]);

    const TAdaptorInfo* w0 = Find(rows, "w0");
    ASSERT_NE(w0, nullptr);
    EXPECT_NE(w0->Index, v0->Index);
    EXPECT_EQ(w0->IPAddressTot, 1);
    EXPECT_EQ(w0->IPAddressList[0], "0.0.0.0");
    EXPECT_EQ(w0->CurrIPAddress, "  0.  0.  0.  0");
    EXPECT_EQ(w0->GatewayList[0], "0.0.0.0");
    EXPECT_EQ(w0->DNSServerList, (TTextList{"", ""}));
}

TEST_F(NetnsSnapshot, EveryReadingSeesTheChangesBeforeIt) {
    std::uint32_t result = 99;
    ASSERT_EQ(Snapshot(result).size() > 0, true);
    ASSERT_TRUE(ns.Ip({"addr", "add", "172.20.0.9/12", "dev", "w0"}));
    ASSERT_TRUE(ns.Ip({"link", "add", "x0", "type", "veth", "peer", "name", "x1", "netns", peer.Name()}));
    const TAdaptorRows rows = Snapshot(result);
    ASSERT_EQ(result, 0u);
    const TAdaptorInfo* w0 = Find(rows, "w0");
    ASSERT_NE(w0, nullptr);
    EXPECT_EQ(w0->IPAddressList[0], "172.20.0.9");
    EXPECT_EQ(w0->IPMaskList[0], "255.240.0.0");
    const TAdaptorInfo* x0 = Find(rows, "x0");
    ASSERT_NE(x0, nullptr);
    EXPECT_EQ(x0->Description, "veth");
}

TEST_F(NetnsSnapshot, ManagerEnumeratesTheNamespace) {
    std::vector<std::string> names;
    ASSERT_TRUE(ns.Run([&] {
        TqxNetworkAdapterManager manager;
        manager.EnumerateNetworkAdapters();
        for (int i = 0; i < manager.Adapters().Count(); ++i)
            names.push_back(manager.Adapters().Items(i).AdapterName());
    }));
    EXPECT_NE(std::find(names.begin(), names.end(), "v0"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "w0"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "lo"), names.end());
}

TEST_F(NetnsSnapshot, TunnelWithoutHardwareAddress) {
    // What a VPN adds: a layer-3 device that has no hardware address at all.
    ASSERT_TRUE(ns.Ip({"tuntap", "add", "dev", "tun7", "mode", "tun"}));
    ASSERT_TRUE(ns.Ip({"addr", "add", "10.88.0.2/30", "dev", "tun7"}));
    std::uint32_t result = 99;
    const TAdaptorRows rows = Snapshot(result);
    ASSERT_EQ(result, 0u);
    const TAdaptorInfo* tun = Find(rows, "tun7");
    ASSERT_NE(tun, nullptr);
    EXPECT_EQ(tun->MacAddress, "00-00-00-00-00-00");  // as for any adapter without one
    EXPECT_EQ(tun->IPAddressList[0], "10.88.0.2");
    EXPECT_EQ(tun->IPMaskList[0], "255.255.255.252");
    EXPECT_NE(Find(rows, "v0"), nullptr);
}

}  // namespace
