// The discovery component against a temporary store and an in-memory registry:
// which names land in the Connections table, and which balloons show.
#include <gtest/gtest.h>

#include <QDir>

#include "BalloonWatch.h"
#include "common/qxError.h"
#include "connections/o_SystemConnections.h"
#include "platform/MemoryRegistry.h"
#include "platform/NetworkRegistryView.h"
#include "support/TempStore.h"

namespace {

struct DiscoveryTest : ::testing::Test {
    TempStore store;
    TqxMemoryRegistry registry;
    BalloonWatch balloons;
    TqxIPSystemConnections discovery;

    void SetUp() override
    {
        discovery.SetIPSetDataSet(store.IPSets());
        discovery.SetConnectionsDataSet(store.Connections());
        discovery.SetTrayIcon(balloons.tray);
    }
    void Devices(const std::vector<TDeviceConnection>& devices) { AddNetworkConnections(registry, devices); }
    void Run(const std::vector<std::string>& adapters, TqxWindowsVersion version = wvLinux)
    {
        discovery.ReadSystemConnections(registry, kNetworkKeyPath, version, adapters);
    }
    QStringList Names()
    {
        QStringList names;
        TqxTable* t = store.Connections();
        t->Refresh();
        for (t->First(); !t->Eof(); t->Next())
            names << t->FieldByName("CONNECTIONNAME").AsString();
        return names;
    }
};

TEST_F(DiscoveryTest, AddsNewNamesWithOneBalloonEachAndNothingTwice)
{
    store.AddConnection("Office LAN");
    Devices({{"eth0", "Office LAN"}, {"eth1", "Lab"}, {"wlan0", "Caf\xc3\xa9 Wi-Fi"}, {"eth2", "Lab"}});
    Run({"eth0", "eth1", "wlan0", "eth2"});
    EXPECT_EQ(Names(), QStringList({"Office LAN", "Lab", QString::fromUtf8("Caf\xc3\xa9 Wi-Fi")}));
    EXPECT_EQ(balloons.shown, QStringList({"New network connection found. Lab",
                                           QString::fromUtf8("New network connection found. Caf\xc3\xa9 Wi-Fi")}));
    Run({"eth0", "eth1", "wlan0", "eth2"});
    EXPECT_EQ(Names().size(), 3);
    EXPECT_EQ(balloons.shown.size(), 2);
}

TEST_F(DiscoveryTest, NamesAreStoredAsFoundNotTrimmedNorFolded)
{
    store.AddConnection("lab");
    Devices({{"eth0", "Lab"}, {"eth1", " lab "}});
    Run({"eth0", "eth1"});
    EXPECT_EQ(Names(), QStringList({"lab", "Lab", " lab "}));
}

TEST_F(DiscoveryTest, TouchesNothingOnAnUnknownSystemOrWithoutTheBaseKey)
{
    Devices({{"eth0", "LAN"}});
    for (TqxWindowsVersion v : {wvUnknown, wvWin98, wvWinNT4, wvWin2000})
        Run({"eth0"}, v);
    registry.DenyKey(kNetworkKeyPath);
    Run({"eth0"});
    EXPECT_TRUE(Names().isEmpty());
    EXPECT_TRUE(balloons.shown.isEmpty());
}

TEST_F(DiscoveryTest, SkipsEmptyNamesAndUnlistedAdaptersButHandlesTheNext)
{
    Devices({{"eth0", ""}, {"ETH1", "Upper"}, {"eth2", "Next"}});
    Run({"eth0", "gone0", "eth1", "eth2"});
    EXPECT_EQ(Names(), QStringList({"Upper", "Next"}));
    EXPECT_EQ(balloons.shown.size(), 2);
}

TEST_F(DiscoveryTest, WithoutTrayIconNamesAreStillAdded)
{
    delete balloons.tray;  // a destroyed tray icon reads as none
    EXPECT_EQ(discovery.TrayIcon(), nullptr);
    Devices({{"eth0", "LAN"}});
    Run({"eth0"});
    EXPECT_EQ(Names(), QStringList({"LAN"}));
    EXPECT_TRUE(balloons.shown.isEmpty());
}

TEST_F(DiscoveryTest, NonTextNameEndsTheDiscoveryKeepingEarlierRows)
{
    Devices({{"eth0", "LAN"}, {"eth2", "After"}});
    registry.SetValue(std::string(kNetworkKeyPath) + kNetworkAdapterClass + "\\eth1\\Connection", "Name", kRegBinary,
                      "\x01\x02");
    try {
        Run({"eth0", "eth1", "eth2"});
        FAIL() << "no error";
    } catch (const EqxError& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Name'");
    }
    EXPECT_EQ(Names(), QStringList({"LAN"}));
    EXPECT_EQ(balloons.shown.size(), 1);
}

// Triggers another program put into the store: one that refuses some names with
// an error, one that drops them silently, one that takes the row away again.
TEST_F(DiscoveryTest, NamesTheStoreRefusesAreReportedOnceAndTheRestGoesOn)
{
    const QString when = QStringLiteral(" WHEN NEW.CONNECTIONNAME LIKE 'Refused%' ");
    const QString triggers[] = {
        "CREATE TRIGGER t BEFORE INSERT ON Connections" + when + "BEGIN SELECT RAISE(ABORT, 'name refused'); END",
        "CREATE TRIGGER t BEFORE INSERT ON Connections" + when + "BEGIN SELECT RAISE(IGNORE); END",
        "CREATE TRIGGER t AFTER INSERT ON Connections" + when +
            "BEGIN DELETE FROM Connections WHERE ID = NEW.ID; END",
    };
    Devices({{"eth0", "LAN"}, {"eth1", "Refused 1"}, {"eth2", "After"}, {"eth3", "Refused 2"}});
    for (const QString& trigger : triggers) {
        SCOPED_TRACE(trigger.toStdString());
        store.Exec({"DROP TRIGGER IF EXISTS t", "DELETE FROM Connections", trigger});
        store.Connections()->Refresh();
        balloons.shown.clear();
        EXPECT_NO_THROW(Run({"eth0", "eth1", "eth2", "eth3"}));
        EXPECT_EQ(store.Connections()->State(), TDataSetState::dsBrowse);
        // No row the file does not hold stays in memory: not one with ID 0, not one taken away.
        EXPECT_FALSE(store.Connections()->Locate("CONNECTIONNAME", "Refused 1"));
        EXPECT_FALSE(store.Connections()->Locate("ID", 0));
        EXPECT_EQ(store.Connections()->RecordCount(), 2);
        EXPECT_EQ(Names(), QStringList({"LAN", "After"}));
        ASSERT_EQ(balloons.shown.size(), 3);
        EXPECT_EQ(balloons.shown[0], "New network connection found. LAN");
        EXPECT_TRUE(balloons.shown[1].startsWith("New network connection Refused 1 could not be added. IP set store "));
        EXPECT_TRUE(balloons.shown[1].contains(QDir::toNativeSeparators(store.path))) << balloons.shown[1].toStdString();
        EXPECT_EQ(balloons.shown[2], "New network connection found. After");
    }
}

}  // namespace
