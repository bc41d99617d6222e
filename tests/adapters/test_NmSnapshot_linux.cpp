// End to end with a private NetworkManager: the DHCP state, DHCP server and DNS
// servers of the adapter it manages come from NetworkManager over D-Bus.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "NmSandbox.h"
#include "adapters/IPHelper.h"

namespace {

class NmSnapshot : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = NmSandbox::SkipReason(); !why.empty())
            GTEST_SKIP() << why;
        box = std::make_unique<NmSandbox>();
    }

    // The row of the managed adapter, read on a thread inside the near namespace.
    TAdaptorInfo ManagedRow() {
        TAdaptorInfo found;
        std::thread reader([&] {
            auto inside = box->EnterNear();
            std::int32_t count = 0;
            TAdaptorRows rows;
            result = ReadAdaptorRows(count, rows);
            for (std::int32_t i = 0; i < count; ++i)
                if (rows[static_cast<std::size_t>(i)].AdapterName == NmSandbox::kDevice)
                    found = rows[static_cast<std::size_t>(i)];
        });
        reader.join();
        return found;
    }

    std::unique_ptr<NmSandbox> box;
    std::uint32_t result = 99;
};

TEST_F(NmSnapshot, DhcpProfileShowsTheServerAndItsDns) {
    box->AddEthernetProfile("Home DHCP", {"ipv4.method", "auto", "ipv4.dhcp-timeout", "10"});
    box->Nmcli({"connection", "up", "Home DHCP"});
    const TAdaptorInfo row = ManagedRow();
    ASSERT_EQ(result, 0u);
    ASSERT_EQ(row.AdapterName, NmSandbox::kDevice);
    EXPECT_EQ(row.DHCPEnabled, 1u);
    EXPECT_EQ(row.DHCPTot, 1);
    EXPECT_EQ(row.DHCPServer[0], NmSandbox::kFarAddress);
    EXPECT_EQ(row.DNSServerTot, 1);
    EXPECT_EQ(row.DNSServerList[0], NmSandbox::kDhcpDns);
    EXPECT_EQ(row.GatewayList[0], NmSandbox::kFarAddress);
    EXPECT_EQ(row.IPAddressTot, 1);
    EXPECT_EQ(row.IPAddressList[0].rfind("10.9.0.1", 0), 0u) << row.IPAddressList[0];  // 10.9.0.100-150
    EXPECT_EQ(row.IPMaskList[0], "255.255.255.0");
    EXPECT_GT(row.LeaseExpires, row.LeaseObtained);
    EXPECT_GT(row.LeaseObtained, 0);
}

TEST_F(NmSnapshot, StaticProfileIsNoDhcpAndKeepsItsDns) {
    box->AddEthernetProfile("Office LAN", {"ipv4.method", "manual", "ipv4.addresses", "10.9.0.5/24", "ipv4.gateway",
                                           "10.9.0.1", "ipv4.dns", "10.9.0.3 10.9.0.4"});
    box->Nmcli({"connection", "up", "Office LAN"});
    const TAdaptorInfo row = ManagedRow();
    ASSERT_EQ(result, 0u);
    ASSERT_EQ(row.AdapterName, NmSandbox::kDevice);
    EXPECT_EQ(row.DHCPEnabled, 0u);
    EXPECT_EQ(row.DHCPServer, (TTextList{"", ""}));
    EXPECT_EQ(row.IPAddressList[0], "10.9.0.5");
    EXPECT_EQ(row.GatewayList[0], "10.9.0.1");
    EXPECT_EQ(row.DNSServerTot, 2);
    EXPECT_EQ(row.DNSServerList, (TTextList{"10.9.0.3", "10.9.0.4", "", ""}));
}

}  // namespace
