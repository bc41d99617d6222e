// --list and --apply on a store, with the fake netsh beside this test program.
#include <gtest/gtest.h>

#include "app/ConsoleCommands.h"
#include "ipsets/IPSetApplier.h"
#include "platform/FakeNetsh.h"
#include "support/TempStore.h"

using namespace std::chrono_literals;

namespace {
struct ConsoleTest : ::testing::Test {
    TempStore store;
    FakeNetsh netsh;
    QString out, err;
    QTextStream outStream{&out}, errStream{&err};
    TqxIPSetApplier applier;
    int office = 0;

    void SetUp() override
    {
        applier.Pause = 0ms;
        const int lan = store.AddConnection("Office LAN");
        office = store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, lan);
    }
    int Apply(const QString& name)
    {
        const int status = ApplyIPSetNamed(store.IPSets(), store.Connections(), name, applier, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return status;
    }
};

TEST_F(ConsoleTest, ListsEverySetOnOneTabSeparatedLine)
{
    const int wifi = store.AddConnection("Wi-Fi");
    store.AddIPSet("Home\tand\naway", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, wifi);
    store.AddIPSet("Loose", "192.168.1.9", "255.255.255.0", "", "", false, QVariant());
    EXPECT_EQ(ListIPSets(store.IPSets(), store.Connections(), outStream), 0);
    EXPECT_EQ(out, "Office\tOffice LAN\t10.0.0.5\t255.0.0.0\t10.0.0.1\t10.0.0.2\n"
                   "Home and away\tWi-Fi\tDHCP\n"
                   "Loose\t\t192.168.1.9\t255.255.255.0\t\t\n");
}

TEST_F(ConsoleTest, AppliesTheSetOfThatNameAsTheWindowDoes)
{
    EXPECT_EQ(Apply("Office"), 0) << err.toStdString();
    ASSERT_EQ(netsh.Calls().size(), 2u);
    EXPECT_EQ(netsh.Calls()[0].Args, (std::vector<std::string>{"interface", "ip", "set", "address", "Office LAN",
                                                                "static", "10.0.0.5", "255.0.0.0", "10.0.0.1", "1"}));
    EXPECT_EQ(netsh.Calls()[1].Args, (std::vector<std::string>{"interface", "ip", "set", "dns", "Office LAN",
                                                                "static", "10.0.0.2", "primary"}));
    EXPECT_EQ(out, "IP Changed successfully!\n");
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(ConsoleTest, EveryFailureIsAnErrorThatSaysWhy)
{
    store.AddIPSet("Twice", "10.0.0.6", "255.0.0.0", "", "", false, QVariant());
    store.AddIPSet("Twice", "10.0.0.7", "255.0.0.0", "", "", false, QVariant());
    store.AddIPSet("Orphan", "10.0.0.8", "255.0.0.0", "", "", false, 999);
    store.AddIPSet("Quoted", "10.0.0.9\" x", "255.0.0.0", "", "", false, store.AddConnection("Lab"));
    const struct {
        const char* name;
        int exitCode;  // the fake netsh's
        const char* said;
        std::size_t runs;
    } cases[] = {
        {"office", 0, "netvane: no IP set is named \"office\"\n", 0},
        {"Twice", 0, "netvane: 2 IP sets are named \"Twice\"", 0},
        {"Orphan", 0, "netvane: Error Applying IP Set.\n", 0},
        {"Quoted", 0, "quotation mark", 0},
        {"Office", 1,
         "netvane: Office was not applied: setting the address failed: netsh: no such thing; "
         "setting the DNS server failed: netsh: no such thing.\n",
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeNetsh fresh;
        fresh.SetExitCode(c.exitCode);
        fresh.SetStderr("netsh: no such thing");
        out.clear();
        err.clear();
        EXPECT_EQ(Apply(QString::fromUtf8(c.name)), 1);
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.said))) << err.toStdString();
        EXPECT_EQ(fresh.Calls().size(), c.runs);
    }
}
}  // namespace
