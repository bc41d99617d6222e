// Our Linux GetAdaptersInfo and GetPerAdapterInfo: the records they lay out must
// read back through the snapshot as Windows' would.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "adapters/FactsLibrary_linux.h"

namespace {

class Replacement : public ::testing::Test {
protected:
    void SetUp() override {
        UnloadIPHelperLibrary();
        SetIPHelperLibraryApi(&kFactsApi);
        gFacts.clear();
    }
    void TearDown() override {
        UnloadIPHelperLibrary();
        SetIPHelperLibraryApi(nullptr);
    }
};

TAdapterFacts Facts(const std::string& Name, std::uint32_t Index) {
    TAdapterFacts a;
    a.Name = Name;
    a.Index = Index;
    a.Description = "veth";
    a.Type = 6;
    a.HardwareAddress = {0x02, 0xAB, 0xCD, 0x00, 0x00, 0x01};
    return a;
}

TEST_F(Replacement, RecordsReadBackThroughTheSnapshot) {
    TAdapterFacts lan = Facts("lan0", 2);
    lan.Addresses = {{"10.9.0.5", "255.255.255.0"}, {"192.168.7.1", "255.255.0.0"}, {"172.16.0.1", "255.240.0.0"}};
    lan.Gateways = {"10.9.0.1"};
    lan.DhcpEnabled = true;
    lan.DhcpServers = {"10.9.0.1"};
    lan.DnsServers = {"10.9.0.2", "10.9.0.3"};
    lan.LeaseObtained = 1000;
    lan.LeaseExpires = 4600;
    TAdapterFacts bare = Facts("bare", 5);
    bare.HardwareAddress.clear();
    bare.Type = 1;
    gFacts = {lan, bare};

    std::int32_t count = 0;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(count, rows), 0u);
    ASSERT_EQ(count, 2);
    const TAdaptorInfo& a = rows[0];
    EXPECT_EQ(a.AdapterName, "lan0");
    EXPECT_EQ(a.Description, "veth");
    EXPECT_EQ(a.MacAddress, "02-AB-CD-00-00-01");
    EXPECT_EQ(a.Index, 2u);
    EXPECT_EQ(a.aType, 6u);
    EXPECT_EQ(a.DHCPEnabled, 1u);
    EXPECT_EQ(a.CurrIPAddress, "10.9.0.5");
    EXPECT_EQ(a.IPAddressTot, 3);
    EXPECT_EQ(a.IPAddressList, (TTextList{"10.9.0.5", "192.168.7.1", "172.16.0.1", ""}));
    EXPECT_EQ(a.IPMaskList, (TTextList{"255.255.255.0", "255.255.0.0", "255.240.0.0", ""}));
    EXPECT_EQ(a.GatewayList, (TTextList{"10.9.0.1", ""}));
    EXPECT_EQ(a.DHCPServer, (TTextList{"10.9.0.1", ""}));
    EXPECT_EQ(a.HaveWINS, 0);
    EXPECT_EQ(a.PrimWINSServer, (TTextList{"", ""}));
    EXPECT_EQ(a.DNSServerTot, 2);
    EXPECT_EQ(a.DNSServerList, (TTextList{"10.9.0.2", "10.9.0.3", "", ""}));
    EXPECT_EQ(a.LeaseObtained, 1000);
    EXPECT_EQ(a.LeaseExpires, 4600);

    // Without addresses, gateways or servers the lists still carry their one element.
    const TAdaptorInfo& b = rows[1];
    EXPECT_EQ(b.MacAddress, "00-00-00-00-00-00");
    EXPECT_EQ(b.DHCPEnabled, 0u);
    EXPECT_EQ(b.CurrIPAddress, "  0.  0.  0.  0");
    EXPECT_EQ(b.IPAddressTot, 1);
    EXPECT_EQ(b.IPAddressList[0], "0.0.0.0");
    EXPECT_EQ(b.IPMaskList[0], "0.0.0.0");
    EXPECT_EQ(b.GatewayList[0], "0.0.0.0");
    EXPECT_EQ(b.DHCPServer[0], "");
    EXPECT_EQ(b.DNSServerTot, 1);
    EXPECT_EQ(b.DNSServerList[0], "");
}

TEST_F(Replacement, ResultCodesOfTheContract) {
    TIPHelperULong size = 0;
    EXPECT_EQ(LayOutAdaptersInfo({}, nullptr, &size), IPHLP_ERROR_NO_DATA);
    EXPECT_EQ(LayOutAdaptersInfo({Facts("a", 1)}, nullptr, nullptr), IPHLP_ERROR_INVALID_PARAMETER);

    TAdapterFacts a = Facts("a", 1);
    a.Addresses = {{"10.0.0.1", "255.0.0.0"}, {"10.0.0.2", "255.0.0.0"}};
    ASSERT_EQ(LayOutAdaptersInfo({a}, nullptr, &size), IPHLP_ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(size, sizeof(IP_ADAPTER_INFO) + sizeof(IP_ADDR_STRING));
    auto buffer = std::make_unique<std::max_align_t[]>(size / sizeof(std::max_align_t) + 1);
    auto* records = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.get());
    TIPHelperULong small = size - 1;
    EXPECT_EQ(LayOutAdaptersInfo({a}, records, &small), IPHLP_ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(small, size);
    EXPECT_EQ(LayOutAdaptersInfo({a}, records, &size), IPHLP_NO_ERROR);
    EXPECT_EQ(records->Next, nullptr);
    ASSERT_NE(records->IpAddressList.Next, nullptr);
    EXPECT_STREQ(records->IpAddressList.Next->IpAddress.String, "10.0.0.2");
    // Every element lies inside the caller's buffer.
    EXPECT_LT(reinterpret_cast<char*>(records->IpAddressList.Next) + sizeof(IP_ADDR_STRING),
              reinterpret_cast<char*>(records) + size + 1);

    TIPHelperULong perSize = 0;
    a.DnsServers = {"1.1.1.1", "8.8.8.8", "9.9.9.9"};
    EXPECT_EQ(LayOutPerAdapterInfo(a, nullptr, &perSize), IPHLP_ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(perSize, sizeof(IP_PER_ADAPTER_INFO) + 2 * sizeof(IP_ADDR_STRING));
}

TEST_F(Replacement, LongTextsAreCutToTheirFields) {
    TAdapterFacts a = Facts(std::string(300, 'n'), 1);
    a.Description = std::string(200, 'd');
    a.HardwareAddress.assign(20, 0x11);  // e.g. InfiniBand: longer than the 8-byte field
    gFacts = {a};
    std::int32_t count = 0;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(count, rows), 0u);
    EXPECT_EQ(rows[0].AdapterName, std::string(259, 'n'));
    EXPECT_EQ(rows[0].Description, std::string(131, 'd'));
    EXPECT_EQ(rows[0].MacAddress, "11-11-11-11-11-11-11-11");
}

TEST_F(Replacement, MachineWithoutAdaptersIsAnEmptySnapshot) {
    std::int32_t count = 7;
    TAdaptorRows rows(2);
    EXPECT_EQ(ReadAdaptorRows(count, rows), 0u);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(rows.empty());
}

TEST(ResolvConf, IPv4NameserversInOrder) {
    const char* text =
        "# written by hand\n"
        "search example.test\n"
        "nameserver 10.0.0.53\n"
        "nameserver\t192.168.1.1   # home router\n"
        "nameserver fe80::1\n"
        ";nameserver 1.1.1.1\n"
        "nameserver 8.8.8.8";
    EXPECT_EQ(ParseResolvConfNameservers(text), (std::vector<std::string>{"10.0.0.53", "192.168.1.1", "8.8.8.8"}));
    EXPECT_TRUE(ParseResolvConfNameservers("").empty());
}

}  // namespace
