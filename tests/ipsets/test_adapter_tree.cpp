#include <gtest/gtest.h>

#include <QTreeWidget>

#include "adapters/o_AdapterInformation.h"
#include "common/qxError.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TreeState.h"

namespace {

TAdaptorInfo Adapter(const std::string& name, std::uint32_t dhcp, std::int32_t wins)
{
    TAdaptorInfo a;
    a.AdapterName = name;
    a.Description = "Ethernet";
    a.MacAddress = "02-00-5E-0A-0B-0C";
    a.DHCPEnabled = dhcp;
    a.HaveWINS = wins;
    // Lists carry padding after their real entries.
    a.IPAddressList = {"10.0.0.5", "10.0.0.6", "", ""};
    a.IPAddressTot = 2;
    a.IPMaskList = {"255.0.0.0", "255.255.0.0", "", ""};
    a.GatewayList = {"0.0.0.0", ""};
    a.GatewayTot = 1;
    a.DHCPServer = {"", ""};
    a.DNSServerList = {"10.0.0.2", ""};
    a.PrimWINSServer = {"", ""};
    a.SecWINSServer = {"", ""};
    return a;
}

struct AdapterTreeTest : ::testing::Test {
    TAdaptorRows rows;
    std::uint32_t result = 0;
    TqxNetworkAdapterManager adapters{[this](std::int32_t& count, TAdaptorRows& out) {
        if (result != 0)
            return result;
        out = rows;
        count = static_cast<std::int32_t>(rows.size());
        return std::uint32_t{0};
    }};
    QTreeWidget tree;
    TqxIPSetManager manager;

    void SetUp() override
    {
        manager.SetAdapterManager(&adapters);
        manager.SetAdapterTreeview(&tree);
    }
    QStringList Children(QTreeWidgetItem* node)
    {
        QStringList out;
        for (int i = 0; i < node->childCount(); ++i)
            out << node->child(i)->text(0);
        return out;
    }
};

}  // namespace

TEST_F(AdapterTreeTest, NoAdaptersGiveAnEmptyTree)
{
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList("stale")));
    manager.UpdateUI();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST_F(AdapterTreeTest, ShowsEachAdapterWithItsFlagsAndNineSections)
{
    rows = {Adapter("eth0", 1, 0), Adapter("eth1", 2, 2)};
    manager.UpdateUI();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    QTreeWidgetItem* eth0 = tree.topLevelItem(0);
    // An empty friendly name leaves the text starting with one blank.
    EXPECT_EQ(eth0->text(0), " Ethernet eth0");
    EXPECT_TRUE(eth0->font(0).bold());
    EXPECT_EQ(Children(eth0),
              (QStringList{"MacAddress   : 02-00-5E-0A-0B-0C", "DHCP Enabled : True", "WINS Enabled : False",
                           "IP Addresses", "Subnet Mask", "Gateway", "DHCP Server", "DNS Server", "WINS Primary Server",
                           "WINS Secondary Server", "Anycast IP Address List", "MultiCast IP Address List"}));
    EXPECT_FALSE(eth0->child(0)->font(0).bold());
    for (int i = 3; i < 12; ++i)
        EXPECT_TRUE(eth0->child(i)->font(0).bold()) << i;
    EXPECT_EQ(Children(eth0->child(3)), (QStringList{"10.0.0.5", "10.0.0.6"}));
    EXPECT_EQ(Children(eth0->child(4)), (QStringList{"255.0.0.0", "255.255.0.0"}));
    EXPECT_EQ(Children(eth0->child(5)), QStringList{"0.0.0.0"});  // "0.0.0.0" is an entry, not padding
    EXPECT_EQ(eth0->child(6)->childCount(), 0);
    EXPECT_EQ(eth0->child(11)->childCount(), 0);
    // DHCPEnabled 2 reads as false, HaveWINS 2 as true.
    EXPECT_EQ(tree.topLevelItem(1)->child(1)->text(0), "DHCP Enabled : False");
    EXPECT_EQ(tree.topLevelItem(1)->child(2)->text(0), "WINS Enabled : True");
}

TEST_F(AdapterTreeTest, AdaptersStartCollapsedWithTheirSectionsOpen)
{
    rows = {Adapter("eth0", 0, 0)};
    manager.UpdateUI();
    QTreeWidgetItem* eth0 = tree.topLevelItem(0);
    EXPECT_FALSE(eth0->isExpanded());
    EXPECT_TRUE(eth0->child(3)->isExpanded());
    // Every build replaces the nodes, never adds to them.
    manager.UpdateUI();
    EXPECT_EQ(tree.topLevelItemCount(), 1);
}

TEST_F(AdapterTreeTest, AFailedEnumerationKeepsThePreviousTreeAndReachesTheCaller)
{
    rows = {Adapter("eth0", 0, 0)};
    manager.UpdateUI();
    result = 31;
    EXPECT_THROW(manager.UpdateUI(), EqxError);
    EXPECT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(adapters.Adapters().Count(), 0);
}

TEST_F(AdapterTreeTest, WithoutATreeNothingIsEnumerated)
{
    manager.SetAdapterTreeview(nullptr);
    result = 31;  // would raise if the adapters were read
    EXPECT_NO_THROW(manager.UpdateUI());
}

TEST_F(AdapterTreeTest, ARefreshShowsWhatAFreshTreeWouldAndKeepsWhatTheUserOpenedAndSelected)
{
    TAdaptorInfo changed = Adapter("eth0", 0, 0);
    changed.DHCPServer = {"10.0.0.1", ""};
    const TAdaptorInfo eth0 = Adapter("eth0", 1, 0), eth1 = Adapter("eth1", 1, 0), eth2 = Adapter("eth2", 1, 0);
    const struct {
        const char* what;
        TAdaptorRows before, after;
    } cases[] = {
        {"an adapter comes first", {eth0, eth1}, {eth2, eth0, eth1}},
        {"an adapter goes", {eth1, eth0, eth2}, {eth0, eth2}},
        {"the adapters change places", {eth1, eth0}, {eth0, eth1}},
        {"a flag changes and an empty section gets a line", {eth0}, {changed}},
    };
    // The user opens eth0, closes its masks and selects its DNS server.
    const auto use = [](QTreeWidget& t) {
        QTreeWidgetItem* node = t.findItems(" Ethernet eth0", Qt::MatchExactly).value(0);
        node->setExpanded(true);
        node->child(4)->setExpanded(false);
        t.setCurrentItem(node->child(7)->child(0));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tree.clear();
        rows = c.before;
        manager.UpdateUI();
        use(tree);
        rows = c.after;
        manager.UpdateUI();
        QTreeWidget fresh;
        TqxIPSetManager freshManager;
        freshManager.SetAdapterManager(&adapters);
        freshManager.SetAdapterTreeview(&fresh);
        freshManager.UpdateUI();
        use(fresh);
        EXPECT_EQ(TreeState(tree), TreeState(fresh));
    }
}
