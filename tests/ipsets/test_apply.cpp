#include <gtest/gtest.h>

#include <QMainWindow>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QProgressBar>
#include <QTreeWidget>

#include "app/f_WaitBox.h"
#include "common/qxError.h"
#include "ipsets/IPSetApplier.h"
#include "ipsets/o_IPSetManager.h"
#include "platform/FakeNetsh.h"
#include "support/TempStore.h"

using namespace std::chrono_literals;

namespace {

// No tray here: balloons land in the status bar of the window that owns the tray icon.
struct ApplyTest : ::testing::Test {
    TempStore store;
    FakeNetsh netsh;
    QMainWindow window;
    QTreeWidget tree;
    QSystemTrayIcon* tray = new QSystemTrayIcon(&window);
    TqxIPSetManager manager;

    void SetUp() override
    {
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetIPSetTreeView(&tree);
        manager.SetTrayIcon(tray);
        manager.SetCommandPause(0ms);
    }
    QString Balloon() { return window.statusBar()->currentMessage(); }
    std::vector<std::vector<std::string>> Args()
    {
        std::vector<std::vector<std::string>> out;
        for (const FakeNetshCall& c : netsh.Calls())
            out.push_back(c.Args);
        return out;
    }
};

const std::vector<std::string> kAddress{"interface", "ip", "set", "address", "Office LAN", "static", "10.0.0.5",
                                        "255.0.0.0", "10.0.0.1", "1"};
const std::vector<std::string> kDns{"interface", "ip", "set", "dns", "Office LAN", "static", "10.0.0.2", "primary"};

}  // namespace

TEST_F(ApplyTest, RunsTheAddressThenTheDnsCommandAndReportsSuccess)
{
    const int c = store.AddConnection("Office LAN");
    const int id = store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, c);
    manager.ApplyIPSet(id);
    EXPECT_EQ(Args(), (std::vector<std::vector<std::string>>{kAddress, kDns}));
    // The address command had ended before the DNS command began.
    const auto events = netsh.Events();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], "begin");
    EXPECT_EQ(events[1], "end");
    EXPECT_EQ(Balloon(), "IP Changed successfully!");
    EXPECT_TRUE(FrmWaitBox.isNull());
    EXPECT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_FALSE(manager.Applying());
}

TEST_F(ApplyTest, ADhcpSetIgnoresItsStoredAddresses)
{
    const int c = store.AddConnection("Wi-Fi home");
    const int id = store.AddIPSet("Home", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, c);
    manager.ApplyIPSet(id);
    EXPECT_EQ(Args(), (std::vector<std::vector<std::string>>{
                          {"interface", "ip", "set", "address", "Wi-Fi home", "dhcp"},
                          {"interface", "ip", "set", "dns", "Wi-Fi home", "dhcp"}}));
}

TEST_F(ApplyTest, AFailingNetshIsReportedWithWhatItSaid)
{
    const int c = store.AddConnection("Office LAN");
    const int id = store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, c);
    netsh.SetExitCode(1);
    netsh.SetStdout("\n  unknown connection \"Office LAN\"\nmore\n");
    manager.ApplyIPSet(id);
    EXPECT_EQ(netsh.Calls().size(), 2u);  // the DNS command still runs
    EXPECT_FALSE(Balloon().contains("successfully"));
    // Both steps failed for one reason: it is said once.
    EXPECT_EQ(Balloon(), "Office was not applied. Setting the address and the DNS server failed: unknown "
                         "connection \"Office LAN\".");
    EXPECT_EQ(tree.topLevelItemCount(), 1);  // refreshed all the same
}

TEST_F(ApplyTest, ANetshThatHangsIsStoppedAndReported)
{
    const int c = store.AddConnection("Office LAN");
    const int id = store.AddIPSet("Office", "", "", "", "", true, c);
    netsh.SetSleep(5000ms);
    manager.SetCommandTimeLimit(300ms);
    manager.ApplyIPSet(id);
    EXPECT_TRUE(Balloon().contains("stopped after")) << Balloon().toStdString();
    EXPECT_TRUE(FrmWaitBox.isNull());
}

TEST_F(ApplyTest, RefusesBeforeRunningAnything)
{
    // Unknown ID: nothing at all.
    manager.ApplyIPSet(42);
    EXPECT_TRUE(netsh.Calls().empty());
    EXPECT_TRUE(Balloon().isEmpty());

    // A set without a usable connection: the second line says why.
    const int orphan = store.AddIPSet("Orphan", "", "", "", "", true, QVariant());
    const int lost = store.AddIPSet("Lost", "", "", "", "", true, 99);
    const std::pair<int, const char*> refusals[] = {
        {orphan, "Error Applying IP Set.\nNo connection is chosen for this IP set"},
        {lost, "Error Applying IP Set.\nThe connection chosen for this IP set is no longer in the connection list"},
    };
    for (const auto& [id, message] : refusals) {
        try {
            manager.ApplyIPSet(id);
            ADD_FAILURE() << "no error for " << message;
        } catch (const EqxError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    // A connection name that would change the arguments netsh receives.
    const int bad = store.AddConnection("evil\" name");
    const int unsafe = store.AddIPSet("Unsafe", "", "", "", "", true, bad);
    EXPECT_THROW(manager.ApplyIPSet(unsafe), EqxError);
    EXPECT_TRUE(netsh.Calls().empty());
    EXPECT_TRUE(FrmWaitBox.isNull());
    EXPECT_FALSE(manager.Applying());
}

TEST_F(ApplyTest, ASetWithAnUnreadableValueIsRefusedNamingSetAndField)
{
    const int c = store.AddConnection("Office LAN");
    const int text = store.AddIPSet("Text", "", "", "", "", true, c);
    const int word = store.AddIPSet("Word", "", "", "", "", true, c);
    // Set 1 would be what a CONNECTION or DHCP misread as 1 points at.
    store.Exec({"UPDATE IPSets SET CONNECTION='abc' WHERE IPSET_NAME='Text'",
                "UPDATE IPSets SET DHCP='yes' WHERE IPSET_NAME='Word'"});
    store.IPSets()->Refresh();
    const std::pair<int, std::string> cases[] = {
        {text, "The IP set \"Text\" cannot be applied: its CONNECTION value cannot be read"},
        {word, "The IP set \"Word\" cannot be applied: its DHCP value cannot be read"}};
    for (const auto& [id, message] : cases) {
        try {
            manager.ApplyIPSet(id);
            ADD_FAILURE() << "applied " << id;
        } catch (const EqxError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    EXPECT_TRUE(netsh.Calls().empty());
    EXPECT_FALSE(manager.Applying());
}

// Every value that goes into a netsh line is one argument in the form netsh reads as the window shows it.
TEST_F(ApplyTest, StoredValuesAreCheckedAndCanonicalBeforeComposing)
{
    const int lan = store.AddConnection("Office LAN");
    const std::string refused = "The IP set \"Stored\" cannot be applied: its ";
    const struct {
        const char *ip, *gateway, *dns;
        std::string outcome;  // the address line from "static", or the refusal
    } cases[] = {
        {"010.000.000.005", " 010.0.0.1", "", "static 10.0.0.5 255.0.0.0 10.0.0.1 1"},
        {"10.0.0.5 255.0.0.0 gateway=10.0.0.9 name=other", "", "",
         refused + "IPADDRESS value \"10.0.0.5 255.0.0.0 gateway=10.0.0.9 name=other\" is not a dotted IPv4 address"},
        {"10.0.0.5", "10.0.0.1 1 name=x", "", refused + "GATEWAY value \"10.0.0.1 1 name=x\" is not a dotted IPv4 address"},
        {"10.0.0.5", "", "0x0A.0.0.2", refused + "DNS value \"0x0A.0.0.2\" is not a dotted IPv4 address"},
    };
    for (const auto& c : cases) {
        const int id = store.AddIPSet("Stored", c.ip, "255.000.0.0", c.gateway, c.dns, false, lan);
        std::string outcome;
        try {
            outcome = TqxIPSetApplier::Prepare(store.IPSets(), store.Connections(), id)->Lines.Address;
            outcome = outcome.substr(outcome.find("static"));
        } catch (const EqxError& e) {
            outcome = e.Message();
        }
        EXPECT_EQ(outcome, c.outcome);
    }
}

TEST_F(ApplyTest, TheWindowKeepsAnsweringAndASecondRequestIsIgnored)
{
    const int c = store.AddConnection("Office LAN");
    const int id = store.AddIPSet("Office", "", "", "", "", true, c);
    netsh.SetSleep(400ms);
    bool sawWaitBox = false;
    int progress = -1;
    // Events are handled while netsh runs: this timer fires during the first command.
    QTimer::singleShot(150ms, [&] {
        sawWaitBox = !FrmWaitBox.isNull() && FrmWaitBox->isVisible();
        progress = FrmWaitBox ? FrmWaitBox->ProgressBar1->value() : -1;
        manager.ApplyIPSet(id);  // ignored: one application at a time
    });
    QList<bool> applying;
    QObject::connect(&manager, &TqxIPSetManager::ApplyingChanged, [&](bool on) { applying << on; });
    manager.ApplyIPSet(id);
    EXPECT_TRUE(sawWaitBox);
    EXPECT_EQ(progress, 50);
    EXPECT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(applying, (QList<bool>{true, false}));
}

TEST(WaitBox, OneAtATimeAndHiddenTwiceIsHarmless)
{
    ShowWaitBox();
    QPointer<TFrmWaitBox> first = FrmWaitBox;
    ShowWaitBox();
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(FrmWaitBox.isNull());
    EXPECT_EQ(FrmWaitBox->windowTitle(), "[ Netvane Ver3 ]  Please wait...");
    EXPECT_TRUE(FrmWaitBox->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(FrmWaitBox->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(FrmWaitBox->ProgressBar1->maximum(), 100);
    FrmWaitBox->close();  // refuses to go by itself
    EXPECT_FALSE(FrmWaitBox.isNull());
    HideWaitBox();
    EXPECT_TRUE(FrmWaitBox.isNull());
    HideWaitBox();
    EXPECT_TRUE(FrmWaitBox.isNull());
}
