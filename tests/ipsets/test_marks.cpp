#include <gtest/gtest.h>

#include <QPixmap>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTreeWidget>

#include "adapters/o_AdapterInformation.h"
#include "app/qxApplication.h"
#include "ipsets/o_IPSetManager.h"
#include "ipsets/o_LiveRefresh.h"
#include "support/TempStore.h"

namespace {

TAdaptorInfo Adapter(const std::string& name, bool dhcp, const std::string& address, const std::string& mask)
{
    TAdaptorInfo a;
    a.AdapterName = name;
    a.DHCPEnabled = dhcp ? 1 : 0;
    a.IPAddressList = {address, ""};
    a.IPMaskList = {mask, ""};
    a.GatewayList = {"0.0.0.0"};
    a.DNSServerList = {""};
    return a;
}

struct MarksTest : ::testing::Test {
    TempStore store;
    QTreeWidget tree;
    QTreeWidget adapterTree;
    QSystemTrayIcon tray;
    TAdaptorRows rows;
    TqxNetworkAdapterManager adapters{[this](std::int32_t& count, TAdaptorRows& out) {
        out = rows;
        count = static_cast<std::int32_t>(rows.size());
        return std::uint32_t{0};
    }};
    TqxIPSetManager manager;
    int office = 0, lab = 0, automatic = 0;

    void SetUp() override
    {
        const int lan = store.AddConnection("Office LAN");
        office = store.AddIPSet("Office", "10.0.0.5", "255.255.255.0", "", "", false, lan);
        lab = store.AddIPSet("Lab", "172.16.0.5", "255.255.0.0", "", "", false, lan);
        automatic = store.AddIPSet("Auto", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, lan);
        rows = {Adapter("eth0", false, "10.0.0.5", "255.255.255.0")};
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetIPSetTreeView(&tree);
        manager.SetAdapterTreeview(&adapterTree);
        manager.SetTrayIcon(&tray);
        manager.SetAdapterManager(&adapters);
        manager.SetConnectionMapper([](const std::vector<std::string>&) {
            return std::vector<TAdapterConnection>{{"eth0", "Office LAN"}};
        });
        QPixmap mark(8, 8);
        mark.fill(Qt::green);
        manager.SetInEffectIcon(QIcon(mark));
    }
    QList<int> Marked()
    {
        QList<int> ids;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = tree.topLevelItem(i);
            EXPECT_EQ(node->data(0, TqxIPSetManager::InEffectRole).toBool(), !node->icon(0).isNull());
            if (node->data(0, TqxIPSetManager::InEffectRole).toBool())
                ids << node->data(0, TqxIPSetManager::IDRole).toInt();
        }
        return ids;
    }
};

TEST_F(MarksTest, TheSetInEffectIsMarkedAndNamedInTheTrayTip)
{
    manager.UpdateUI();
    EXPECT_EQ(Marked(), QList<int>{office});
    EXPECT_EQ(manager.InEffectIDs(), QSet<int>{office});
    EXPECT_EQ(tray.toolTip(), ApplicationTitle() + "\nOffice LAN: 10.0.0.5/24 (Office)");
}

TEST_F(MarksTest, ARefreshMovesTheMarksAndKeepsTheNodesAndSelection)
{
    manager.UpdateUI();
    QTreeWidgetItem* picked = tree.topLevelItem(1);
    tree.setCurrentItem(picked);
    QSignalSpy changed(&manager, &TqxIPSetManager::InEffectChanged);

    rows = {Adapter("eth0", true, "192.168.5.7", "255.255.255.0")};
    manager.RefreshCurrentConfiguration();
    EXPECT_EQ(Marked(), QList<int>{automatic});
    EXPECT_EQ(tray.toolTip(), ApplicationTitle() + "\nOffice LAN: DHCP 192.168.5.7/24 (Auto)");
    EXPECT_EQ(tree.currentItem(), picked);
    EXPECT_EQ(changed.count(), 1);

    rows = {Adapter("eth0", false, "10.9.9.9", "255.0.0.0")};
    manager.RefreshCurrentConfiguration();
    EXPECT_TRUE(Marked().isEmpty());
    EXPECT_EQ(tray.toolTip(), ApplicationTitle() + "\nOffice LAN: 10.9.9.9/8");
}

TEST_F(MarksTest, ABurstOfChangesGivesOneRefresh)
{
    manager.UpdateUI();
    TqxLiveRefresh live(&manager);
    for (int i = 0; i < 5; ++i)
        live.NetworkChanged();
    rows = {Adapter("eth0", false, "172.16.0.5", "255.255.0.0")};
    QTRY_COMPARE_WITH_TIMEOUT(live.RefreshCount(), 1, 5000);
    EXPECT_EQ(Marked(), QList<int>{lab});
    QTest::qWait(400);  // longer than the interval: nothing else was pending
    EXPECT_EQ(live.RefreshCount(), 1);
}

TEST_F(MarksTest, NoRefreshWhileAnApplyRuns)
{
    manager.UpdateUI();
    TqxLiveRefresh live(&manager);
    live.NetworkChanged();
    emit manager.ApplyingChanged(true);
    live.NetworkChanged();
    QTest::qWait(400);
    EXPECT_EQ(live.RefreshCount(), 0);
    emit manager.ApplyingChanged(false);
    live.NetworkChanged();
    QTRY_COMPARE_WITH_TIMEOUT(live.RefreshCount(), 1, 5000);
}

}  // namespace
