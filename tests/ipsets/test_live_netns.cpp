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

TEST(LiveRefreshNetns, AnAddressAddedOutsideShowsInTheTreeAndMarks)
{
    const std::string why = WhyNoNamespaces();
    if (!why.empty())
        GTEST_SKIP() << why;
    TNetNamespace ns, peer;
    ASSERT_TRUE(ns.Ok() && peer.Ok());
    ASSERT_TRUE(ns.Ip({"link", "add", "v0", "type", "veth", "peer", "name", "v1", "netns", peer.Name()}));
    ASSERT_TRUE(ns.Ip({"link", "set", "v0", "up"}));

    TempStore store;
    const int lan = store.AddConnection("Office LAN");
    const int office = store.AddIPSet("Office", "10.66.0.9", "255.255.255.0", "", "", false, lan);
    QTreeWidget tree, adapterTree;
    TqxNetworkAdapterManager adapters;
    TqxIPSetManager manager;
    manager.SetIPSetDataSet(store.IPSets());
    manager.SetConnectionsDataSet(store.Connections());
    manager.SetIPSetTreeView(&tree);
    manager.SetAdapterTreeview(&adapterTree);
    manager.SetAdapterManager(&adapters);
    manager.SetConnectionMapper([](const std::vector<std::string>&) {
        return std::vector<TAdapterConnection>{{"v0", "Office LAN"}};
    });

    NamespaceVisit visit(ns.Name());
    ASSERT_TRUE(visit.In());
    manager.UpdateUI();
    ASSERT_FALSE(TreeShows(adapterTree, "10.66.0.9"));
    TqxLiveRefresh live(&manager);
    ASSERT_TRUE(live.Start()) << live.Error().toStdString();

    ASSERT_TRUE(ns.Ip({"addr", "add", "10.66.0.9/24", "dev", "v0"}));
    QTRY_VERIFY_WITH_TIMEOUT(TreeShows(adapterTree, "10.66.0.9"), 5000);
    EXPECT_TRUE(manager.InEffectIDs().contains(office));

    ASSERT_TRUE(ns.Ip({"addr", "del", "10.66.0.9/24", "dev", "v0"}));
    QTRY_VERIFY_WITH_TIMEOUT(!TreeShows(adapterTree, "10.66.0.9"), 5000);
    EXPECT_TRUE(manager.InEffectIDs().isEmpty());
}

}  // namespace
