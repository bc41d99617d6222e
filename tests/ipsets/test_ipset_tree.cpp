#include <gtest/gtest.h>

#include <QSystemTrayIcon>
#include <QTreeWidget>
#include <memory>

#include "common/qxError.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

namespace {

struct TreeFixture : ::testing::Test {
    TempStore store;
    QTreeWidget tree;
    QTreeWidget adapters;
    TqxIPSetManager manager;

    void SetUp() override
    {
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetIPSetTreeView(&tree);
        manager.SetAdapterTreeview(&adapters);
    }

    QStringList Lines(int top)
    {
        QStringList out;
        QTreeWidgetItem* node = tree.topLevelItem(top);
        for (int i = 0; i < node->childCount(); ++i)
            out << node->child(i)->text(0);
        return out;
    }
    int NodeId(int top) { return tree.topLevelItem(top)->data(0, TqxIPSetManager::IDRole).toInt(); }
};

}  // namespace

TEST_F(TreeFixture, EmptyTableGivesEmptyTree)
{
    manager.UpdateUI();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST_F(TreeFixture, EachSetShowsItsSixDetailLinesExactly)
{
    const int c = store.AddConnection("Office LAN");
    const int id = store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, c);
    const int dhcp = store.AddIPSet("Home", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, c);
    manager.UpdateUI();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "Office");
    EXPECT_EQ(NodeId(0), id);
    EXPECT_EQ(Lines(0), (QStringList{"IP:10.0.0.5", "Subnet mask :255.0.0.0", "Def.Gateway :10.0.0.1", "DNS :10.0.0.2",
                                     "DHCP :False", "Connection Name:Office LAN"}));
    EXPECT_EQ(NodeId(1), dhcp);
    EXPECT_EQ(Lines(1), (QStringList{"IP:0.0.0.0", "Subnet mask :0.0.0.0", "Def.Gateway :0.0.0.0", "DNS :0.0.0.0",
                                     "DHCP :True", "Connection Name:Office LAN"}));
    // Detail lines carry no ID and nothing is expanded or selected.
    EXPECT_FALSE(tree.topLevelItem(0)->child(0)->data(0, TqxIPSetManager::IDRole).isValid());
    EXPECT_FALSE(tree.topLevelItem(0)->isExpanded());
    EXPECT_TRUE(tree.selectedItems().isEmpty());
}

TEST_F(TreeFixture, MissingConnectionsNullsAndUntrimmedTextShowAsStored)
{
    const int gone = store.AddConnection("old");
    store.AddIPSet(" padded ", "1.2.3.4", "255.0.0.0", "", "", false, gone);
    store.AddIPSet("", "", "", "", "", false, QVariant());
    ASSERT_TRUE(store.Connections()->Locate("ID", gone));
    store.Connections()->Delete();
    store.Exec("INSERT INTO IPSets (IPSET_NAME) VALUES (NULL)");
    manager.UpdateUI();
    ASSERT_EQ(tree.topLevelItemCount(), 3);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), " padded ");
    EXPECT_EQ(Lines(0).last(), "Connection Name:");
    EXPECT_EQ(Lines(0)[2], "Def.Gateway :");
    EXPECT_EQ(tree.topLevelItem(1)->text(0), "");
    EXPECT_GT(NodeId(1), 0);
    EXPECT_EQ(Lines(2), (QStringList{"IP:", "Subnet mask :", "Def.Gateway :", "DNS :", "DHCP :", "Connection Name:"}));
}

TEST_F(TreeFixture, DuplicateNamesStayApartAndRepeatedUpdatesNeverDuplicate)
{
    const int a = store.AddIPSet("Same", "", "", "", "", false, QVariant());
    const int b = store.AddIPSet("Same", "", "", "", "", false, QVariant());
    manager.UpdateUI();
    manager.UpdateUI();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), tree.topLevelItem(1)->text(0));
    EXPECT_EQ(NodeId(0), a);
    EXPECT_EQ(NodeId(1), b);
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 6);
}

TEST_F(TreeFixture, UpdateSavesAChangedPendingRowAndDropsAnUntouchedOne)
{
    store.IPSets()->Insert();
    store.IPSets()->FieldByName("IPSET_NAME").SetAsString("typed");
    manager.UpdateUI();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    store.IPSets()->Insert();
    manager.UpdateUI();
    EXPECT_EQ(tree.topLevelItemCount(), 1);
}

TEST_F(TreeFixture, ValuesAnotherProgramStoredThatCannotBeReadShowBlank)
{
    const int lan = store.AddConnection("LAN");
    store.AddIPSet("a", "", "", "", "", false, lan);
    store.AddIPSet("b", "10.0.0.5", "", "", "", true, lan);
    store.AddIPSet("c", "", "", "", "", false, lan);
    store.AddIPSet("d", "", "", "", "", false, lan);
    // Text where a number belongs, a word where a flag belongs, an ID beyond 32 bits, a fraction
    // (read as 1, 4294967297 and 1.5 would each stand for another row).
    store.Exec({"UPDATE IPSets SET CONNECTION='abc' WHERE IPSET_NAME='a'",
                "UPDATE IPSets SET DHCP='yes' WHERE IPSET_NAME='b'",
                "UPDATE IPSets SET ID=4294967297 WHERE IPSET_NAME='c'",
                "UPDATE IPSets SET CONNECTION=1.5 WHERE IPSET_NAME='d'"});
    EXPECT_NO_THROW(manager.UpdateUI());
    ASSERT_EQ(tree.topLevelItemCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tree.topLevelItem(i)->childCount(), 6);
    EXPECT_EQ(tree.topLevelItem(0)->child(5)->text(0), "Connection Name:");
    EXPECT_EQ(tree.topLevelItem(2)->child(5)->text(0), "Connection Name:");
    EXPECT_EQ(tree.topLevelItem(1)->child(0)->text(0), "IP:10.0.0.5");
    EXPECT_EQ(tree.topLevelItem(1)->child(4)->text(0), "DHCP :");
    EXPECT_EQ(tree.topLevelItem(1)->child(5)->text(0), "Connection Name:LAN");
    // The ID stays what it is, never a number that could be another row's.
    const QVariant id = tree.topLevelItem(3)->data(0, TqxIPSetManager::IDRole);
    EXPECT_EQ(id, QVariant(QStringLiteral("4294967297")));
    try {
        TqxIPSetManager::PickedID(id);
        FAIL() << "picked";
    } catch (const EqxError& e) {
        EXPECT_NE(e.Message().find("4294967297"), std::string::npos) << e.Message();
    }
}

TEST(IPSetManagerReferences, EmptyWhenTheReferencedComponentGoes)
{
    TempStore store;
    TqxIPSetManager manager;
    auto tree = std::make_unique<QTreeWidget>();
    auto tray = std::make_unique<QSystemTrayIcon>();
    manager.SetIPSetTreeView(tree.get());
    manager.SetIPSetTreeView(tree.get());  // the same value again changes nothing
    manager.SetTrayIcon(tray.get());
    EXPECT_EQ(manager.IPSetTreeView(), tree.get());
    tree.reset();
    tray.reset();
    EXPECT_EQ(manager.IPSetTreeView(), nullptr);
    EXPECT_EQ(manager.TrayIcon(), nullptr);
    // Without a tree, updating touches nothing, not even the tables (which are unset).
    EXPECT_NO_THROW(manager.UpdateUI());
}

TEST(IPSetManagerReferences, TablesDestroyedInEitherOrderEmptyBothProperties)
{
    for (bool connectionsFirst : {true, false}) {
        TqxIPSetManager manager;
        auto sets = std::make_unique<TqxTable>();
        auto connections = std::make_unique<TqxTable>();
        manager.SetIPSetDataSet(sets.get());
        manager.SetConnectionsDataSet(connections.get());
        if (connectionsFirst) {
            connections.reset();
            EXPECT_EQ(manager.ConnectionsDataSet(), nullptr);
            EXPECT_EQ(manager.IPSetDataSet(), sets.get());
            sets.reset();
        } else {
            sets.reset();
            EXPECT_EQ(manager.IPSetDataSet(), nullptr);
            EXPECT_EQ(manager.ConnectionsDataSet(), connections.get());
            connections.reset();
        }
        EXPECT_EQ(manager.IPSetDataSet(), nullptr);
        EXPECT_EQ(manager.ConnectionsDataSet(), nullptr);
    }
}

TEST(IPSetManagerReferences, ManagerDestroyedBeforeItsComponentsLeavesThemAlone)
{
    QTreeWidget tree;
    {
        TqxIPSetManager manager;
        manager.SetIPSetTreeView(&tree);
    }
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList("still usable")));
    EXPECT_EQ(tree.topLevelItemCount(), 1);
}
