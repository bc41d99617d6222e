// A tree of many sets makes a set's detail lines when its node is opened: what it then
// shows, and what a screen reader is told, must be what a tree of few sets shows at once.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTreeWidget>

#include "ipsets/IPSetNode.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

namespace {

// Sets whose lines take every path: plain, DHCP, empty and null values, a connection
// that is gone, a value of the wrong kind, one ID the program cannot name.
void AddSets(TempStore& store)
{
    const int lan = store.AddConnection("LAN");
    const int gone = store.AddConnection("gone");
    store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, lan);
    store.AddIPSet("Home", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, lan);
    store.AddIPSet(" padded ", "1.2.3.4", "255.0.0.0", "", "", false, gone);
    store.AddIPSet("odd", "10.0.0.6", "", "", "", false, lan);
    ASSERT_TRUE(store.Connections()->Locate("ID", gone));
    store.Connections()->Delete();
    store.Exec({"INSERT INTO IPSets (IPSET_NAME) VALUES (NULL)", "UPDATE IPSets SET DHCP='yes' WHERE IPSET_NAME='odd'",
                "INSERT INTO IPSets (ID, IPSET_NAME, CONNECTION) VALUES (4294967297, 'far', 1)"});
}
constexpr int kSets = 6;

struct Tree {
    TempStore store;
    QTreeWidget tree, adapters;
    TqxIPSetManager manager;

    explicit Tree(int filler)
    {
        AddSets(store);
        QStringList sql;
        for (int i = 0; i < filler; ++i)
            sql << QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS) VALUES ('filler %1', '10.1.0.%1')").arg(i);
        store.Exec(sql);
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetIPSetTreeView(&tree);
        manager.SetAdapterTreeview(&adapters);
        manager.UpdateUI();
        tree.resize(300, 2000);
        tree.show();
    }
    QStringList Lines(int top) const
    {
        QStringList out;
        const QTreeWidgetItem* node = tree.topLevelItem(top);
        for (int i = 0; i < node->childCount(); ++i)
            out << node->child(i)->text(0);
        return out;
    }
    // What the accessibility interface tells of the first rows: name and open state.
    QStringList Heard(int rows)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&tree);
        QStringList out;
        for (int i = 0; i < face->childCount() && out.size() < rows; ++i) {
            QAccessibleInterface* cell = face->child(i);
            const QAccessible::State s = cell->state();
            out << cell->text(QAccessible::Name) + (s.expandable ? " expandable" : "") + (s.expanded ? " open" : "") +
                       (s.collapsed ? " closed" : "");
        }
        return out;
    }
};

}  // namespace

TEST(LazyDetailLines, ReadAsTheLinesOfASmallTreeToTheEyeAndToScreenReaders)
{
    Tree few(0), many(TIPSetNode::kLinesAtOnce);
    ASSERT_EQ(few.tree.topLevelItemCount(), kSets);
    ASSERT_EQ(many.tree.topLevelItemCount(), kSets + TIPSetNode::kLinesAtOnce);
    for (int round = 0; round < 2; ++round) {  // the second: after a refresh, the nodes are made afresh
        for (int i = 0; i < kSets; ++i) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", set " << i);
            QTreeWidgetItem* node = many.tree.topLevelItem(i);
            EXPECT_EQ(node->childCount(), 0);  // nothing made before it is opened...
            EXPECT_EQ(node->text(0), few.tree.topLevelItem(i)->text(0));
            EXPECT_EQ(node->data(0, TqxIPSetManager::IDRole), few.tree.topLevelItem(i)->data(0, TqxIPSetManager::IDRole));
            EXPECT_EQ(many.Heard(kSets), few.Heard(kSets));  // ...yet it reads as one that can be opened
            node->setExpanded(true);
            few.tree.topLevelItem(i)->setExpanded(true);
            EXPECT_EQ(many.Lines(i), few.Lines(i));
            EXPECT_EQ(many.Heard(kSets + 7), few.Heard(kSets + 7));  // the header, the sets, the lines
            node->setExpanded(false);
            node->setExpanded(true);  // opened again: the same lines, not twice
            EXPECT_EQ(many.Lines(i), few.Lines(i));
            few.tree.topLevelItem(i)->setExpanded(false);
            node->setExpanded(false);
        }
        many.manager.UpdateUI();
        few.manager.UpdateUI();
    }
}
