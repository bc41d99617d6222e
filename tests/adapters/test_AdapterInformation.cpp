// The adapter model: adapters made from snapshot rows, the owning list and the manager.
#include <gtest/gtest.h>

#include "adapters/o_AdapterInformation.h"
#include "common/qxError.h"

namespace {

TAdaptorInfo Row(const std::string& Name, std::uint32_t Index) {
    TAdaptorInfo row;
    row.AdapterName = Name;
    row.Description = "veth";
    row.MacAddress = "02-00-00-00-00-01";
    row.Index = Index;
    row.aType = 6;
    row.DHCPEnabled = 1;
    row.CurrIPAddress = "10.0.0.1";
    row.CurrIPMask = "255.0.0.0";
    row.IPAddressTot = 1;
    row.IPAddressList = {"10.0.0.1", ""};
    row.IPMaskList = {"255.0.0.0", ""};
    row.GatewayTot = 1;
    row.GatewayList = {"10.0.0.254", ""};
    row.DHCPTot = 1;
    row.DHCPServer = {"10.0.0.253", ""};
    row.DNSServerTot = 3;
    row.DNSServerList = {"9.9.9.9", "1.1.1.1", "8.8.8.8", ""};
    row.PrimWINSTot = 1;
    row.PrimWINSServer = {"", ""};
    row.SecWINSTot = 1;
    row.SecWINSServer = {"", ""};
    row.CurrentDNSServer = "9.9.9.9";
    row.LeaseObtained = 100;
    row.LeaseExpires = 200;
    row.AutoConfigEnabled = 1;
    row.Mtu = 1500;
    row.OperStatus = IF_OPER_STATUS_UP;
    row.XmitLinkSpeed = 10'000'000'000;
    row.Luid.Value = 0x1234;
    row.CompartmentId = 1;
    row.NetworkGuid.D1 = 0xABCD;
    row.TunnelType = TUNNEL_TYPE_TEREDO;
    return row;
}

// A snapshot source that answers with the rows and code the test sets.
struct TFakeRows {
    std::uint32_t Result = 0;
    TAdaptorRows Rows;
    std::uint32_t operator()(std::int32_t& Count, TAdaptorRows& Out) const {
        if (Result != 0)
            return Result;
        Out = Rows;
        Out.resize(Rows.size() + 3);  // the array may be longer than the count
        Count = static_cast<std::int32_t>(Rows.size());
        return 0;
    }
};

TEST(NetworkAdapter, LoadsEveryFieldFromTheRow) {
    TqxNetworkAdapter adapter;
    EXPECT_FALSE(adapter.DHCPEnabled());
    EXPECT_TRUE(adapter.IPAddressList().empty());
    adapter.LoadFromAdaptorInfo(Row("eth0", 4));
    EXPECT_EQ(adapter.AdapterName(), "eth0");
    EXPECT_EQ(adapter.Description(), "veth");
    EXPECT_EQ(adapter.MacAddress(), "02-00-00-00-00-01");
    EXPECT_EQ(adapter.AdaptorIndex(), 4u);
    EXPECT_EQ(adapter.AdaptorType(), 6u);
    EXPECT_TRUE(adapter.DHCPEnabled());
    EXPECT_EQ(adapter.CurrDNSServer(), "9.9.9.9");
    EXPECT_EQ(adapter.IPAddressTot(), 1);
    // The padding stays: a list's size is the array's length, not the count.
    EXPECT_EQ(adapter.IPAddressList(), (TTextList{"10.0.0.1", ""}));
    EXPECT_EQ(adapter.IPMaskList(), (TTextList{"255.0.0.0", ""}));
    EXPECT_EQ(adapter.GatewayList(), (TTextList{"10.0.0.254", ""}));
    EXPECT_EQ(adapter.DHCPList(), (TTextList{"10.0.0.253", ""}));
    EXPECT_EQ(adapter.DNSServerTot(), 3);
    EXPECT_EQ(adapter.DNSServerList().size(), 4u);
    EXPECT_TRUE(adapter.AnycastIPAddrList().empty());
    EXPECT_EQ(adapter.LeaseExpires(), 200);
    EXPECT_EQ(adapter.AutoConfigEnabled(), 1u);
    EXPECT_EQ(adapter.Mtu(), 1500u);
    EXPECT_EQ(adapter.OperStatus(), IF_OPER_STATUS_UP);
    EXPECT_EQ(adapter.XmitLinkSpeed(), 10'000'000'000);
    EXPECT_EQ(adapter.Luid().Value, 0x1234u);
    EXPECT_EQ(adapter.NetworkGuid().D1, 0xABCDu);
    EXPECT_EQ(adapter.TunnelType(), TUNNEL_TYPE_TEREDO);
}

TEST(NetworkAdapter, FlagsFollowTheRecordsRules) {
    TAdaptorInfo row = Row("a", 1);
    TqxNetworkAdapter adapter;
    row.DHCPEnabled = 2;  // only 1 means enabled
    row.HaveWINS = 2;     // any non-zero value means WINS
    adapter.LoadFromAdaptorInfo(row);
    EXPECT_FALSE(adapter.DHCPEnabled());
    EXPECT_TRUE(adapter.HasWINS());
    row.HaveWINS = 0;
    adapter.LoadFromAdaptorInfo(row);
    EXPECT_FALSE(adapter.HasWINS());
}

TEST(NetworkAdapter, AssignCopiesIntoIndependentLists) {
    TAdaptorInfo row = Row("source", 9);
    TqxNetworkAdapter source;
    source.LoadFromAdaptorInfo(row);
    TqxNetworkAdapter copy;
    copy.Assign(source);
    EXPECT_EQ(copy.AdapterName(), "source");
    EXPECT_EQ(copy.AdaptorIndex(), 9u);
    EXPECT_TRUE(copy.DHCPEnabled());
    EXPECT_EQ(copy.Luid().Value, 0x1234u);
    EXPECT_EQ(copy.TunnelType(), TUNNEL_TYPE_TEREDO);
    EXPECT_EQ(copy.DNSServerList(), source.DNSServerList());

    row.IPAddressList.clear();
    row.AdapterName = "changed";
    source.LoadFromAdaptorInfo(row);
    EXPECT_TRUE(source.IPAddressList().empty());
    EXPECT_EQ(copy.IPAddressList(), (TTextList{"10.0.0.1", ""}));
    EXPECT_EQ(copy.AdapterName(), "source");
}

TEST(NetworkAdapters, IndexOutsideTheListRaises) {
    TqxNetworkAdapters list;
    list.Add(std::make_unique<TqxNetworkAdapter>());
    EXPECT_NO_THROW(list.Items(0));
    EXPECT_THROW(list.Items(1), EqxError);
    EXPECT_THROW(list.Items(-1), EqxError);
}

TEST(NetworkAdapterManager, EnumeratesInSnapshotOrderWithFreshObjects) {
    TFakeRows fake;
    fake.Rows = {Row("first", 3), Row("second", 1), Row("third", 2)};
    TqxNetworkAdapterManager manager(std::ref(fake));
    EXPECT_EQ(manager.Adapters().Count(), 0);
    manager.EnumerateNetworkAdapters();
    ASSERT_EQ(manager.Adapters().Count(), 3);
    EXPECT_EQ(manager.Adapters().Items(0).AdapterName(), "first");
    EXPECT_EQ(manager.Adapters().Items(2).AdapterName(), "third");

    fake.Rows = {Row("only", 5)};
    manager.EnumerateNetworkAdapters();
    ASSERT_EQ(manager.Adapters().Count(), 1);
    EXPECT_EQ(manager.Adapters().Items(0).AdapterName(), "only");

    fake.Rows.clear();
    EXPECT_NO_THROW(manager.EnumerateNetworkAdapters());
    EXPECT_EQ(manager.Adapters().Count(), 0);
}

TEST(NetworkAdapterManager, FailedSnapshotEmptiesTheListAndNamesTheSnapshotsCode) {
    TFakeRows fake;
    fake.Rows = {Row("a", 1), Row("b", 2)};
    TqxNetworkAdapterManager manager(std::ref(fake));
    manager.EnumerateNetworkAdapters();
    ASSERT_EQ(manager.Adapters().Count(), 2);

    fake.Result = IPHLP_ERROR_NOT_SUPPORTED;
    try {
        manager.EnumerateNetworkAdapters();
        FAIL() << "no error raised";
    } catch (const EqxError& error) {
        const std::string text = error.Message();
        EXPECT_EQ(text, IPHelperErrorText(IPHLP_ERROR_NOT_SUPPORTED));
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '.');
        EXPECT_GT(static_cast<unsigned char>(text.back()), ' ');
    }
    EXPECT_EQ(manager.Adapters().Count(), 0);
}

TEST(NetworkAdapterManager, ProcessWideManagerIsOne) {
    EXPECT_EQ(&NetworkAdapterManager(), &NetworkAdapterManager());
}

}  // namespace
