// Live refresh end to end: an address added with "ip" in a namespace of our own,
// outside the program, shows up in the current configuration tree and the marks.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <QTest>
#include <QTreeWidget>

#include "adapters/NetNamespace_linux.h"
#include "adapters/o_AdapterInformation.h"
#include "ipsets/o_IPSetManager.h"
#include "ipsets/o_LiveRefresh.h"
#include "support/TempStore.h"
#include "support/TreeState.h"
#include "support/WiredManager.h"

namespace {

// Moves this (the GUI) thread into a namespace and back again at the end.
class NamespaceVisit {
public:
    explicit NamespaceVisit(const std::string& name) : FHome(::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC))
    {
        const int fd = ::open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC);
        FIn = FHome >= 0 && fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    ~NamespaceVisit()
    {
        if (FIn)
            ::setns(FHome, CLONE_NEWNET);
        if (FHome >= 0)
            ::close(FHome);
    }
    bool In() const { return FIn; }

private:
    int FHome;
    bool FIn = false;
};

bool TreeShows(QTreeWidget& tree, const QString& text)
{
    return !tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
}

// A veth in a namespace of its own, a store whose "Office" set is in effect once
// 10.66.0.9/24 is on it, and the manager with both trees.
struct LiveScene {
    TNetNamespace ns, peer;
    TempStore store;
    int office = 0;
    QTreeWidget tree, adapterTree;
    TqxNetworkAdapterManager adapters;
    TqxIPSetManager manager;

    bool Make(int otherSets = 0)
    {
        if (!ns.Ok() || !peer.Ok() ||
            !ns.Ip({"link", "add", "v0", "type", "veth", "peer", "name", "v1", "netns", peer.Name()}) ||
            !ns.Ip({"link", "set", "v0", "up"}))
            return false;
        const int lan = store.AddConnection("Office LAN");
        for (int i = 0; i < otherSets; ++i)
            store.AddIPSet(QStringLiteral("Set %1").arg(i), "10.99.0.9", "255.255.255.0", "", "", false, lan);
        office = store.AddIPSet("Office", "10.66.0.9", "255.255.255.0", "", "", false, lan);
        WireManager(manager, store, tree, adapterTree, adapters, "Office LAN");
        return true;
    }
};

TEST(LiveRefreshNetns, AnAddressAddedOutsideShowsInTheTreeAndMarks)
{
    const std::string why = WhyNoNamespaces();
    if (!why.empty())
        GTEST_SKIP() << why;
    LiveScene scene;
    ASSERT_TRUE(scene.Make());
    QTreeWidget& adapterTree = scene.adapterTree;
    TqxIPSetManager& manager = scene.manager;

    NamespaceVisit visit(scene.ns.Name());
    ASSERT_TRUE(visit.In());
    manager.UpdateUI();
    ASSERT_FALSE(TreeShows(adapterTree, "10.66.0.9"));
    TqxLiveRefresh live(&manager);
    ASSERT_TRUE(live.Start()) << live.Error().toStdString();

    ASSERT_TRUE(scene.ns.Ip({"addr", "add", "10.66.0.9/24", "dev", "v0"}));
    QTRY_VERIFY_WITH_TIMEOUT(TreeShows(adapterTree, "10.66.0.9"), 5000);
    EXPECT_TRUE(manager.InEffectIDs().contains(scene.office));

    ASSERT_TRUE(scene.ns.Ip({"addr", "del", "10.66.0.9/24", "dev", "v0"}));
    QTRY_VERIFY_WITH_TIMEOUT(!TreeShows(adapterTree, "10.66.0.9"), 5000);
    EXPECT_TRUE(manager.InEffectIDs().isEmpty());
}

TEST(LiveRefreshNetns, ARefreshKeepsWhatTheUserOpenedSelectedAndScrolledTo)
{
    const std::string why = WhyNoNamespaces();
    if (!why.empty())
        GTEST_SKIP() << why;
    LiveScene scene;
    ASSERT_TRUE(scene.Make(30));
    ASSERT_TRUE(scene.ns.Ip({"addr", "add", "10.66.0.7/24", "dev", "v0"}));
    NamespaceVisit visit(scene.ns.Name());
    ASSERT_TRUE(visit.In());
    scene.manager.UpdateUI();
    TqxLiveRefresh live(&scene.manager);
    ASSERT_TRUE(live.Start()) << live.Error().toStdString();

    // The user opens v0, closes its masks and selects its address; opens the set about
    // to come into effect and selects a line of it; both trees are scrolled down.
    QTreeWidget &adapters = scene.adapterTree, &sets = scene.tree;
    QTreeWidgetItem* v0 = adapters.topLevelItem(0);
    v0->setExpanded(true);
    v0->child(4)->setExpanded(false);
    adapters.setCurrentItem(v0->child(3)->child(0));
    QTreeWidgetItem* office = sets.topLevelItem(sets.topLevelItemCount() - 1);
    office->setExpanded(true);
    sets.setCurrentItem(office->child(0));
    for (QTreeWidget* tree : {&adapters, &sets}) {
        tree->resize(300, 120);
        tree->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tree));
        tree->verticalScrollBar()->setValue(3);
    }
    std::string adaptersAfter = TreeState(adapters);
    const std::string setsBefore = TreeState(sets);
    ASSERT_NE(adaptersAfter.find("  10.66.0.7 *\n"), std::string::npos) << adaptersAfter;
    ASSERT_NE(setsBefore.find("scrolled 3"), std::string::npos) << setsBefore;
    // Only the lines that come are new: the address and its mask, each after the one there was.
    const std::string address = "  10.66.0.7 *\n", mask = "  255.255.255.0\n";
    adaptersAfter.insert(adaptersAfter.find(address) + address.size(), "  10.66.0.9\n");
    adaptersAfter.insert(adaptersAfter.find(mask) + mask.size(), mask);

    ASSERT_TRUE(scene.ns.Ip({"addr", "add", "10.66.0.9/24", "dev", "v0"}));
    QTRY_VERIFY_WITH_TIMEOUT(TreeShows(adapters, "10.66.0.9") && scene.manager.InEffectIDs().contains(scene.office),
                             5000);
    EXPECT_EQ(TreeState(adapters), adaptersAfter);
    EXPECT_EQ(TreeState(sets), setsBefore);
}

}  // namespace
