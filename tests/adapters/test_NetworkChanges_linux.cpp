// The change listener inside a namespace of our own: what "ip" does there is heard.
#include <gtest/gtest.h>

#include <poll.h>

#include <memory>

#include "NetNamespace_linux.h"
#include "adapters/NetworkChanges.h"

namespace {

class NetnsChanges : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string why = WhyNoNamespaces();
        if (!why.empty())
            GTEST_SKIP() << why;
        ASSERT_TRUE(ns.Ok() && peer.Ok()) << "could not create the namespaces";
        ASSERT_TRUE(ns.Ip({"link", "add", "v0", "type", "veth", "peer", "name", "v1", "netns", peer.Name()}));
        ASSERT_TRUE(ns.Run([this] { listener = ListenForNetworkChanges({}); }));
        ASSERT_TRUE(listener);
        ASSERT_GE(listener->Descriptor(), 0);
    }

    // Waits (a few seconds at most) for the listener to become readable, then reads it.
    int Heard()
    {
        pollfd p{listener->Descriptor(), POLLIN, 0};
        if (::poll(&p, 1, 5000) != 1)
            return 0;
        return listener->Drain();
    }

    TNetNamespace ns;
    TNetNamespace peer;
    std::unique_ptr<TNetworkChangeListener> listener;
};

TEST_F(NetnsChanges, AddressLinkAndRouteChangesAreHeardAndIdleIsQuiet)
{
    EXPECT_EQ(listener->Drain(), 0) << "nothing happened yet";
    const std::vector<std::vector<std::string>> changes = {
        {"link", "set", "v0", "up"},
        {"addr", "add", "10.66.0.9/24", "dev", "v0"},
        {"route", "add", "10.67.0.0/16", "via", "10.66.0.1", "dev", "v0"},
        {"addr", "del", "10.66.0.9/24", "dev", "v0"},
    };
    for (const auto& change : changes) {
        ASSERT_TRUE(ns.Ip(change));
        EXPECT_GT(Heard(), 0) << change[0] << " " << change[1];
        EXPECT_EQ(listener->Drain(), 0) << "everything was read";
    }
}

}  // namespace
