// Netvane applies IP sets through the Linux netsh, against a real NetworkManager
// in network namespaces (label netns). The real netsh sits beside this program,
// where the process runner looks first.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QStatusBar>
#include <QSystemTrayIcon>

#include "NmSandbox.h"
#include "ipsets/o_IPSetManager.h"
#include "support/TempStore.h"

namespace {

using Strings = std::vector<std::string>;

// No tray on the offscreen platform: the result lands in the window's status bar.
struct ApplyInSandbox : ::testing::Test {
    std::unique_ptr<NmSandbox> box;
    TempStore store;
    QMainWindow window;
    QSystemTrayIcon* tray = new QSystemTrayIcon(&window);
    TqxIPSetManager manager;

    void SetUp() override
    {
        if (const std::string why = NmSandbox::SkipReason(); !why.empty())
            GTEST_SKIP() << why;
        box = std::make_unique<NmSandbox>();
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetTrayIcon(tray);
        manager.SetCommandPause(std::chrono::milliseconds(0));
    }
    QString Result() { return window.statusBar()->currentMessage(); }
};

}  // namespace

TEST_F(ApplyInSandbox, AStaticSetWithoutGatewayAndDnsServerApplies)
{
    box->AddEthernetProfile("Office LAN");
    const int lan = store.AddConnection("Office LAN");
    const int full = store.AddIPSet("Full", "10.9.0.5", "255.255.255.0", "10.9.0.1", "10.9.0.3", false, lan);
    const int bare = store.AddIPSet("Bare", "10.9.0.6", "255.255.0.0", "", "", false, lan);

    manager.ApplyIPSet(full);
    ASSERT_EQ(Result(), "IP Changed successfully!");
    ASSERT_EQ(box->DefaultGateway(), "10.9.0.1");

    // The set without gateway and DNS server lands and takes the earlier ones away.
    window.statusBar()->clearMessage();
    manager.ApplyIPSet(bare);
    EXPECT_EQ(Result(), "IP Changed successfully!");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.6/16"});
    EXPECT_EQ(box->DefaultGateway(), "");
    EXPECT_EQ(box->ProfileSetting("Office LAN", "ipv4.dns"), "");
    EXPECT_EQ(box->DnsServers(), Strings{});
}
