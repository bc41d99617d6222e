// The registry walk, the read rules of the registry seam and the version
// classification, against an in-memory registry (runs on both systems).
#include <gtest/gtest.h>

#include "common/qxError.h"
#include "connections/SystemConnectionWalk.h"
#include "platform/MemoryRegistry.h"
#include "platform/NetworkRegistryView.h"
#include "platform/WindowsVersion.h"

namespace {

const std::string kBase = "\\SYSTEM\\CurrentControlSet\\Control\\Network\\";

struct WalkTest : ::testing::Test {
    TqxMemoryRegistry registry;
    std::vector<std::string> found;

    void Connection(const std::string& classKey, const std::string& adapterKey, const std::string& name)
    {
        registry.SetString(kBase + classKey + "\\" + adapterKey + "\\Connection", "Name", name);
    }
    void Walk(const std::vector<std::string>& adapters, TqxWindowsVersion version = wvWin7)
    {
        WalkSystemConnections(registry, kBase, version, adapters,
                              [this](const std::string& name) { found.push_back(name); });
    }
};

TEST_F(WalkTest, FindsEachAdaptersNameInAdapterOrderAcrossClassKeys)
{
    registry.AddKey(kBase + "{Empty-Class}");
    Connection("{Net}", "{A-GUID}", "Local Area Connection");
    Connection("{Other}", "{B-GUID}", "Wireless");
    Walk({"{B-GUID}", "{A-GUID}"});
    EXPECT_EQ(found, (std::vector<std::string>{"Wireless", "Local Area Connection"}));
}

TEST_F(WalkTest, FirstClassKeyHoldingTheAdapterWins)
{
    Connection("{First}", "eth0", "first");
    Connection("{Second}", "eth0", "second");
    Walk({"eth0"});
    EXPECT_EQ(found, (std::vector<std::string>{"first"}));
}

TEST_F(WalkTest, KeysThatCannotBeOpenedAreSkipped)
{
    Connection("{Denied}", "eth0", "behind a denied class key");
    registry.DenyKey(kBase + "{Denied}");
    Connection("{Net}", "eth0", "eth0's");
    Connection("{Net}", "eth1", "eth1's");
    registry.DenyKey(kBase + "{Net}\\eth1\\Connection");
    registry.AddKey(kBase + "{Net}\\eth2");  // no Connection key at all
    Connection("{Net}", "eth3", "eth3's");
    Walk({"missing", "eth0", "eth1", "eth2", "eth3"});
    EXPECT_EQ(found, (std::vector<std::string>{"eth0's", "eth3's"}));
}

TEST_F(WalkTest, PairsEachNameWithTheAdapterAsTheCallerNamedIt)
{
    Connection("{Net}", "{A-GUID}", "Office LAN");
    Connection("{Net}", "eth1", "");
    std::vector<std::pair<std::string, std::string>> pairs;
    WalkAdapterConnections(registry, kBase, wvWin7, {"missing", "{a-guid}", "eth1"},
                           [&](const std::string& adapter, const std::string& name) { pairs.emplace_back(adapter, name); });
    EXPECT_EQ(pairs, (std::vector<std::pair<std::string, std::string>>{{"{a-guid}", "Office LAN"}, {"eth1", ""}}));
}

TEST_F(WalkTest, RunsOnlyOnSystemsWhoseConnectionsItKnows)
{
    Connection("{Net}", "eth0", "LAN");
    for (int v = wvUnknown; v <= wvLinux; ++v) {
        found.clear();
        Walk({"eth0"}, static_cast<TqxWindowsVersion>(v));
        const bool runs = v == wvWinXP || v == wvWinVista || v == wvWin7 || v == wvWin8OrLater || v == wvLinux;
        EXPECT_EQ(found.size(), runs ? 1u : 0u) << "version " << v;
    }
}

TEST_F(WalkTest, NonTextNameStopsTheWalkWithItsErrorAndClosesTheKey)
{
    Connection("{Net}", "eth0", "LAN");
    registry.SetValue(kBase + "{Net}\\eth1\\Connection", "Name", kRegDword, std::string("\x01\0\0\0", 4));
    Connection("{Net}", "eth2", "never reached");
    try {
        Walk({"eth0", "eth1", "eth2"});
        FAIL() << "no error";
    } catch (const EqxError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Name'");
    }
    EXPECT_EQ(found, (std::vector<std::string>{"LAN"}));
    EXPECT_FALSE(registry.IsKeyOpen());
}

TEST(RegistryRead, TextRules)
{
    TqxMemoryRegistry r;
    const std::string key = "Software\\Test";
    r.SetString(key, "Plain", "Office LAN");
    r.SetString(key, "Expand", "%SystemRoot%", kRegExpandSz);
    r.SetString(key, "Cut", std::string("before\0after", 12));
    r.SetString(key, "Empty", "");
    r.SetValue(key, "EmptyNumber", kRegDword, "");
    r.SetValue(key, "Number", kRegDword, std::string("\x05\0\0\0", 4));
    r.SetValue(key, "Bytes", kRegBinary, "ab");
    ASSERT_TRUE(r.OpenKey("\\" + key + "\\"));
    EXPECT_EQ(r.ReadString("plain"), "Office LAN");  // value names are not case-sensitive
    EXPECT_EQ(r.ReadString("Expand"), "%SystemRoot%");
    EXPECT_EQ(r.ReadString("Cut"), "before");
    EXPECT_EQ(r.ReadString("Empty"), "");
    EXPECT_EQ(r.ReadString("EmptyNumber"), "");
    EXPECT_EQ(r.ReadString("Missing"), "");
    for (const char* name : {"Number", "Bytes"}) {
        try {
            r.ReadString(name);
            ADD_FAILURE() << name << " read as text";
        } catch (const EqxError& e) {
            EXPECT_EQ(e.Message(), std::string("Invalid data type for '") + name + "'");
        }
    }
    r.CloseKey();
    EXPECT_EQ(r.ReadString("Plain"), "");
    EXPECT_FALSE(r.OpenKey("Software\\Nothing"));
}

TEST(RegistryView, DevicesLaidOutAsTheWalkReadsThem)
{
    TqxMemoryRegistry r;
    AddNetworkConnections(r, {{"enp3s0", "Wired connection 1"}, {"wlan0", ""}, {"odd\\name", "x"}, {"v0", "Lab"}});
    std::vector<std::string> found;
    WalkSystemConnections(r, kNetworkKeyPath, wvLinux, {"wlan0", "v0", "enp3s0", "odd\\name"},
                          [&](const std::string& name) { found.push_back(name); });
    // A device without a connection has a Connection key but no Name.
    EXPECT_EQ(found, (std::vector<std::string>{"", "Lab", "Wired connection 1"}));
    ASSERT_TRUE(r.OpenKey(kNetworkKeyPath));
    EXPECT_EQ(r.GetKeyNames(), (std::vector<std::string>{kNetworkAdapterClass}));
}

struct VersionRow {
    std::uint32_t platform, major, minor;
    const char* servicePack;
    TqxWindowsVersion expected;
};

TEST(WindowsVersion, ClassificationTable)
{
    const VersionRow rows[] = {
        {1, 4, 0, "", wvWin95},
        {1, 4, 10, "", wvWin98},
        {1, 4, 10, " B", wvWin98},
        {1, 4, 10, "A", wvWin98},  // the "A" must be the second character
        {1, 4, 10, " A", wvWin98SE},
        {1, 4, 90, "", wvWinME},
        {1, 4, 3, "", wvUnknown},
        {1, 5, 0, "", wvUnknown},
        {2, 3, 51, "", wvWinNT4},
        {2, 4, 0, "Service Pack 6", wvWinNT4},
        {2, 5, 0, "", wvWin2000},
        {2, 5, 1, "Service Pack 3", wvWinXP},
        {2, 5, 2, "", wvWinXP},  // XP x64 and its server
        {2, 6, 0, "", wvWinVista},
        {2, 6, 1, "", wvWin7},
        {2, 6, 2, "", wvWin8OrLater},
        {2, 6, 3, "", wvWin8OrLater},
        {2, 10, 0, "", wvWin8OrLater},
        {0, 6, 1, "", wvUnknown},
        {3, 6, 1, "", wvUnknown},
    };
    for (const VersionRow& row : rows)
        EXPECT_EQ(ClassifyWindowsVersion({row.platform, row.major, row.minor, row.servicePack}), row.expected)
            << row.platform << " " << row.major << "." << row.minor << " '" << row.servicePack << "'";
}

}  // namespace
