// The IP Helper binding and the adapter snapshot, on canned library data.
#include <gtest/gtest.h>

#include <cstring>

#include "CannedIPHelper.h"
#include "adapters/IPHelper.h"

namespace {

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override { InstallCannedIPHelper(); }
    void TearDown() override { RemoveCannedIPHelper(); }

    std::uint32_t Read() { return ReadAdaptorRows(count, rows); }

    std::int32_t count = -1;
    TAdaptorRows rows;
};

const TTextList kTwoEmpty{"", ""};

TEST_F(Snapshot, BindsOnceAndRetriesAFailedLoad) {
    Canned().LoadFails = true;
    EXPECT_FALSE(LoadIPHelperLibrary());
    EXPECT_FALSE(LoadIPHelperLibrary());
    EXPECT_EQ(Canned().Loads, 2);
    Canned().LoadFails = false;
    EXPECT_TRUE(LoadIPHelperLibrary());
    EXPECT_TRUE(LoadIPHelperLibrary());
    EXPECT_EQ(Canned().Loads, 3);
    EXPECT_EQ(Canned().Lookups, 23);
    EXPECT_NE(IPHLPAPI::GetAdaptersInfo, nullptr);
    EXPECT_EQ(IPHLPAPI::GetTcpTable, nullptr);
    UnloadIPHelperLibrary();
    UnloadIPHelperLibrary();
    EXPECT_EQ(Canned().Frees, 1);
}

TEST_F(Snapshot, UnloadWithoutLoadReleasesNothing) {
    UnloadIPHelperLibrary();
    EXPECT_EQ(Canned().Frees, 0);
}

TEST_F(Snapshot, BindingFailureAnswers50AndLeavesRowsAlone) {
    Canned().LoadFails = true;
    rows.resize(7);
    rows[0].AdapterName = "kept";
    count = 42;
    EXPECT_EQ(Read(), 50u);
    EXPECT_EQ(count, 42);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].AdapterName, "kept");
}

TEST_F(Snapshot, RowArrayGrowsByDoublingAndEndsAtTheCount) {
    for (std::uint32_t i = 1; i <= 5; ++i)
        Canned().Adapters.push_back(TCannedAdapter::Make("eth" + std::to_string(i), 10 + i));
    EXPECT_EQ(Read(), 0u);
    ASSERT_EQ(count, 5);
    ASSERT_EQ(rows.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[i].AdapterName, "eth" + std::to_string(i + 1));
        EXPECT_EQ(rows[i].Index, 11 + i);
    }
    EXPECT_EQ(Canned().SizeQueries, 1);
    EXPECT_EQ(Canned().Fills, 1);

    Canned().Adapters.resize(3);
    EXPECT_EQ(Read(), 0u);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].AdapterName, "eth3");
}

TEST_F(Snapshot, ListsStartAtTwoAndDoubleWithEmptyPadding) {
    TCannedAdapter one = TCannedAdapter::Make("one", 1, {CannedAddr("192.168.0.1", "255.255.255.0")});
    TCannedAdapter four = TCannedAdapter::Make(
        "four", 2,
        {CannedAddr("10.0.0.1", "255.0.0.0"), CannedAddr("10.0.0.2", "255.255.0.0"),
         CannedAddr("10.0.0.3", "255.255.255.0"), CannedAddr("10.0.0.4", "255.255.255.255")});
    four.Record.GatewayList = CannedAddr("10.0.0.254");
    four.MoreGateways = {CannedAddr("10.0.0.253")};
    Canned().Adapters = {one, four};
    ASSERT_EQ(Read(), 0u);

    EXPECT_EQ(rows[0].IPAddressTot, 1);
    EXPECT_EQ(rows[0].IPAddressList, (TTextList{"192.168.0.1", ""}));
    EXPECT_EQ(rows[0].IPMaskList, (TTextList{"255.255.255.0", ""}));
    EXPECT_EQ(rows[1].IPAddressTot, 4);
    EXPECT_EQ(rows[1].IPAddressList, (TTextList{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "", "", "", ""}));
    EXPECT_EQ(rows[1].IPMaskList[3], "255.255.255.255");
    EXPECT_EQ(rows[1].IPMaskList.size(), 8u);
    EXPECT_EQ(rows[1].GatewayTot, 2);
    EXPECT_EQ(rows[1].GatewayList, (TTextList{"10.0.0.254", "10.0.0.253", "", ""}));
    // Every walked list has its first element inside the record: count 1 even when it is empty.
    EXPECT_EQ(rows[0].GatewayTot, 1);
    EXPECT_EQ(rows[0].GatewayList, kTwoEmpty);
    EXPECT_EQ(rows[0].DHCPTot, 1);
    EXPECT_EQ(rows[0].PrimWINSTot, 1);
    EXPECT_EQ(rows[0].SecWINSServer, kTwoEmpty);
    EXPECT_TRUE(rows[0].AnycastIPAddrList.empty());
    EXPECT_TRUE(rows[0].MulticastIPAddrList.empty());
    EXPECT_TRUE(rows[0].PrefixIPAddrList.empty());
}

TEST_F(Snapshot, CurrentAddressDefaultsAndTexts) {
    TCannedAdapter none = TCannedAdapter::Make("none", 1, {CannedAddr("192.168.0.1", "255.255.255.0")});
    TCannedAdapter current = TCannedAdapter::Make("current", 2);
    current.HasCurrentAddress = true;
    current.CurrentAddress = CannedAddr("172.16.0.9", "255.240.0.0");
    TCannedAdapter wide = TCannedAdapter::Make("wide", 3, {CannedAddr("123.123.123.1234", "255.255.255.2555")});
    Canned().Adapters = {none, current, wide};
    ASSERT_EQ(Read(), 0u);
    EXPECT_EQ(rows[0].CurrIPAddress, "  0.  0.  0.  0");
    EXPECT_EQ(rows[0].CurrIPMask, "  0.  0.  0.  0");
    EXPECT_EQ(rows[0].IPAddressList[0], "192.168.0.1");  // as the library gives it, not padded
    EXPECT_EQ(rows[1].CurrIPAddress, "172.16.0.9");
    EXPECT_EQ(rows[1].CurrIPMask, "255.240.0.0");
    // A field without a zero byte yields all 16 characters and nothing beyond.
    EXPECT_EQ(rows[2].IPAddressList[0], "123.123.123.1234");
    EXPECT_EQ(rows[2].IPMaskList[0], "255.255.255.2555");
}

TEST_F(Snapshot, NamesAreTrimmedOfZerosAndBlanks) {
    TCannedAdapter padded = TCannedAdapter::Make("", 1);
    std::memset(padded.Record.AdapterName, ' ', sizeof padded.Record.AdapterName);
    std::memcpy(padded.Record.AdapterName + 3, "{4D36E972}", 10);
    padded.Record.AdapterName[20] = '\0';
    padded.Record.AdapterName[100] = '\t';
    std::memcpy(padded.Record.Description, "Intel(R) PRO/1000\0\0  \0", 22);
    TCannedAdapter full = TCannedAdapter::Make("", 2);
    std::memset(full.Record.AdapterName, 'N', sizeof full.Record.AdapterName);
    std::memset(full.Record.Description, 'D', sizeof full.Record.Description);
    Canned().Adapters = {padded, full};
    ASSERT_EQ(Read(), 0u);
    EXPECT_EQ(rows[0].AdapterName.substr(0, 10), "{4D36E972}");
    EXPECT_EQ(rows[0].AdapterName.size(), 10u);
    EXPECT_EQ(rows[0].Description, "Intel(R) PRO/1000");
    EXPECT_EQ(rows[1].AdapterName, std::string(260, 'N'));
    EXPECT_EQ(rows[1].Description, std::string(132, 'D'));
}

TEST_F(Snapshot, NamesEndAtTheirFirstZeroByteWhateverTheLibraryLeftAfterIt) {
    TCannedAdapter adapter = TCannedAdapter::Make("", 1);
    // As Wine leaves them: the name, its zero byte, then parts of its own tables.
    const char name[] = "{00000002-0000-0000-0000-4E6574446576}\0\0\0~\x02\xc3\x8d\0\x03?\x03""C";
    std::memcpy(adapter.Record.AdapterName, name, sizeof name);
    const char description[] = "veth\0\x0cg\x0ch";
    std::memcpy(adapter.Record.Description, description, sizeof description);
    Canned().Adapters = {adapter};
    ASSERT_EQ(Read(), 0u);
    EXPECT_EQ(rows[0].AdapterName, "{00000002-0000-0000-0000-4E6574446576}");
    EXPECT_EQ(rows[0].Description, "veth");
}

TEST_F(Snapshot, PlainFieldsAreCopied) {
    TCannedAdapter a = TCannedAdapter::Make("a", 7);
    a.Record.Type = 71;
    a.Record.DhcpEnabled = 2;
    a.Record.HaveWins = 1;
    a.Record.AddressLength = 6;
    const std::uint8_t mac[] = {0x02, 0x00, 0x5E, 0x0A, 0x0B, 0x0C};
    std::memcpy(a.Record.Address, mac, 6);
    a.Record.LeaseObtained = 1700000000;
    a.Record.LeaseExpires = 1700003600;
    a.Record.PrimaryWinsServer = CannedAddr("10.1.1.1");
    a.MoreSecondaryWins = {CannedAddr("10.2.2.2")};
    Canned().Adapters = {a};
    ASSERT_EQ(Read(), 0u);
    const TAdaptorInfo& row = rows[0];
    EXPECT_EQ(row.aType, 71u);
    EXPECT_EQ(row.DHCPEnabled, 2u);
    EXPECT_EQ(row.HaveWINS, 1);
    EXPECT_EQ(row.MacAddress, "02-00-5E-0A-0B-0C");
    EXPECT_EQ(row.LeaseObtained, 1700000000);
    EXPECT_EQ(row.LeaseExpires, 1700003600);
    EXPECT_EQ(row.PrimWINSServer, (TTextList{"10.1.1.1", ""}));
    EXPECT_EQ(row.SecWINSTot, 2);
    EXPECT_EQ(row.SecWINSServer, (TTextList{"", "10.2.2.2", "", ""}));
}

TEST_F(Snapshot, PerAdapterInfoAndItsFailureForOneAdapter) {
    TCannedAdapter good = TCannedAdapter::Make("good", 1);
    good.PerAdapter.AutoconfigEnabled = 1;
    good.PerAdapter.AutoconfigActive = 1;
    good.PerAdapter.DnsServerList = CannedAddr("9.9.9.9");
    good.MoreDns = {CannedAddr("1.1.1.1")};
    good.HasCurrentDns = true;
    good.CurrentDns = CannedAddr("9.9.9.9");
    TCannedAdapter bad = TCannedAdapter::Make("bad", 2);
    bad.PerAdapterResult = 1168;
    bad.PerAdapter.AutoconfigEnabled = 1;
    Canned().Adapters = {good, bad};
    ASSERT_EQ(Read(), 0u);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(rows[0].AutoConfigEnabled, 1u);
    EXPECT_EQ(rows[0].AutoConfigActive, 1u);
    EXPECT_EQ(rows[0].CurrentDNSServer, "9.9.9.9");
    EXPECT_EQ(rows[0].DNSServerTot, 2);
    EXPECT_EQ(rows[0].DNSServerList, (TTextList{"9.9.9.9", "1.1.1.1", "", ""}));
    EXPECT_EQ(rows[1].AutoConfigEnabled, 0u);
    EXPECT_EQ(rows[1].CurrentDNSServer, "");
    EXPECT_EQ(rows[1].DNSServerTot, 0);
    EXPECT_EQ(rows[1].DNSServerList, kTwoEmpty);
}

TEST_F(Snapshot, ManyDnsServersAreAskedForAgainWithTheLargerSize) {
    TCannedAdapter a = TCannedAdapter::Make("a", 1);
    a.PerAdapter.DnsServerList = CannedAddr("10.0.0.1");
    for (int i = 2; i <= 9; ++i)
        a.MoreDns.push_back(CannedAddr("10.0.0." + std::to_string(i)));
    Canned().Adapters = {a};
    ASSERT_EQ(Read(), 0u);
    EXPECT_EQ(rows[0].DNSServerTot, 9);
    EXPECT_EQ(rows[0].DNSServerList[8], "10.0.0.9");
    EXPECT_EQ(rows[0].DNSServerList.size(), 16u);
    EXPECT_EQ(Canned().PerAdapterCalls, 2);
}

TEST_F(Snapshot, WithoutGetPerAdapterInfoTheDnsFieldsStayEmpty) {
    Canned().ExportsPerAdapterInfo = false;
    TCannedAdapter a = TCannedAdapter::Make("a", 1);
    a.PerAdapter.DnsServerList = CannedAddr("10.0.0.1");
    Canned().Adapters = {a};
    ASSERT_EQ(Read(), 0u);
    EXPECT_EQ(IPHLPAPI::GetPerAdapterInfo, nullptr);
    EXPECT_EQ(rows[0].DNSServerTot, 0);
    EXPECT_EQ(Canned().PerAdapterCalls, 0);
}

TEST_F(Snapshot, AdapterSetChangingBetweenTheCallsIsReadAgain) {
    Canned().Adapters = {TCannedAdapter::Make("a", 1)};
    Canned().FillOverflows = 3;
    EXPECT_EQ(Read(), 0u);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Canned().Fills, 4);

    // A set that never settles fails after three retries with the library's code.
    Canned().FillOverflows = 4;
    Canned().Fills = 0;
    EXPECT_EQ(Read(), 111u);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Canned().Fills, 4);
}

TEST_F(Snapshot, SizeQueryCodes) {
    // No adapter at all is an empty snapshot, so that the program can start.
    Canned().SizeQueryResult = IPHLP_ERROR_NO_DATA;
    EXPECT_EQ(Read(), 0u);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(rows.empty());
    // Any other code is the snapshot's result, with no rows.
    Canned().Adapters = {TCannedAdapter::Make("a", 1)};
    Canned().SizeQueryResult = 87;
    EXPECT_EQ(Read(), 87u);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Canned().Fills, 0);
}

TEST(MacAddrToStr, Formats) {
    const std::uint8_t bytes[8] = {0x02, 0x00, 0x5E, 0x0A, 0x0B, 0x0C, 0xFF, 0x01};
    EXPECT_EQ(MacAddrToStr(bytes, 0), "00-00-00-00-00-00");
    EXPECT_EQ(MacAddrToStr(bytes, 6), "02-00-5E-0A-0B-0C");
    EXPECT_EQ(MacAddrToStr(bytes, 1), "02");
    EXPECT_EQ(MacAddrToStr(bytes, 8), "02-00-5E-0A-0B-0C-FF-01");
    // A length beyond the 8-byte field reads no further than the field.
    EXPECT_EQ(MacAddrToStr(bytes, 20), "02-00-5E-0A-0B-0C-FF-01");
}

}  // namespace
