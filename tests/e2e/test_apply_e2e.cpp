// Netvane applies IP sets through the Linux netsh, against a real NetworkManager
// in network namespaces (label netns). The real netsh sits beside this program,
// where the process runner looks first.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QStatusBar>
#include <QSystemTrayIcon>

#include <QTextStream>

#include "NmSandbox.h"
#include "app/ConsoleCommands.h"
#include "ipsets/AddressGuard.h"
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

namespace {

// The far end holds 10.9.0.5 besides its own 10.9.0.1; Netvane's snapshot and
// probe read the near namespace, where this thread works from now on.
struct AddressInUseInSandbox : ApplyInSandbox {
    std::unique_ptr<NmSandbox::NamespaceGuard> near;
    std::string farDevice;
    int lan = 0, office = 0;

    void SetUp() override
    {
        ApplyInSandbox::SetUp();
        if (!box)
            return;
        RunOrThrow({"ip", "-n", box->FarNamespace(), "addr", "add", "10.9.0.5/24", "dev", "v1"});
        const auto link = nlohmann::json::parse(RunOrThrow({"ip", "-j", "-n", box->FarNamespace(), "link", "show", "v1"}));
        farDevice = link.at(0).at("address").get<std::string>();
        box->AddEthernetProfile("Office LAN", {"ipv4.method", "manual", "ipv4.addresses", "10.9.0.6/24"});
        box->Nmcli({"connection", "up", "Office LAN"});
        near = box->EnterNear();
        lan = store.AddConnection("Office LAN");
        office = store.AddIPSet("Office", "10.9.0.5", "255.255.255.0", "", "10.9.0.3", false, lan);
    }
    void TearDown() override { near.reset(); }
    // Another network now: nothing on the link can be asked before the change.
    void ElsewhereNow()
    {
        box->Nmcli({"connection", "modify", "Office LAN", "ipv4.addresses", "192.168.77.2/24"});
        box->Nmcli({"connection", "up", "Office LAN"});
    }
};

}  // namespace

TEST_F(AddressInUseInSandbox, TheWindowAsksBeforeTakingItAndAFreeAddressApplies)
{
    QStringList asked;
    manager.SetAddressInUseQuestion([&](const QString& question) {
        asked << question;
        return false;
    });
    manager.ApplyIPSet(office);
    EXPECT_EQ(asked, QStringList{QString::fromStdString("10.9.0.5 is already used by the device " + farDevice +
                                                        " on Office LAN. Apply Office anyway?")});
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.6/24"});  // No changes nothing
    EXPECT_TRUE(Result().isEmpty());

    const int free = store.AddIPSet("Free", "10.9.0.7", "255.255.255.0", "10.9.0.1", "", false, lan);
    manager.ApplyIPSet(free);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(Result(), "IP Changed successfully!");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.7/24"});

    // On another network nothing can be asked first: the change fails with the conflict named.
    ElsewhereNow();
    manager.ApplyIPSet(office);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(Result().startsWith("Office was not applied. Setting the address failed: netsh: 10.9.0.5 is already "
                                    "used by "))
        << Result().toStdString();
    EXPECT_TRUE(Result().contains("on the network of Office LAN; nothing was changed.")) << Result().toStdString();
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"192.168.77.2/24"});
    EXPECT_EQ(box->ProfileSetting("Office LAN", "ipv4.dns"), "");  // the set's DNS server was left out too
}

TEST_F(AddressInUseInSandbox, ApplyFromTheCommandLineRefusesItUnlessForced)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const TAddressGuard guard;
    TqxIPSetApplier applier;
    applier.Pause = std::chrono::milliseconds(0);
    EXPECT_EQ(ApplyIPSetNamed(store.IPSets(), store.Connections(), "Office", applier, outStream, errStream, &guard),
              1);
    EXPECT_EQ(err.toStdString(), "netvane: 10.9.0.5 is already used by the device " + farDevice +
                                     " on Office LAN, so Office was not applied; --force applies it anyway.\n");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.6/24"});

    err.clear();
    EXPECT_EQ(ApplyIPSetNamed(store.IPSets(), store.Connections(), "Office", applier, outStream, errStream, &guard,
                              true),
              0)
        << err.toStdString();
    EXPECT_EQ(out.toStdString(), "IP Changed successfully!\n");
    EXPECT_EQ(box->Ipv4Addresses(), Strings{"10.9.0.5/24"});
}
