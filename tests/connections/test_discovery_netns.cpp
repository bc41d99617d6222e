// The discovery end to end: a private NetworkManager with profiles on two veth
// devices in network namespaces of the test's own, a store, and the balloons.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "BalloonWatch.h"
#include "NmSandbox.h"
#include "adapters/o_AdapterInformation.h"
#include "connections/o_SystemConnections.h"
#include "support/TempStore.h"

namespace {

// A second veth device beside the sandbox's own, handed to its NetworkManager.
// The sandbox's configuration manages v0 only; a drop-in beside it (in the
// sandbox's folder, where its bus socket lives) lets NetworkManager take this one too.
void AddSecondDevice(const NmSandbox& box, const std::string& name)
{
    const std::string dir = box.BusAddress().substr(std::strlen("unix:path="));
    const std::string confDir = dir.substr(0, dir.rfind('/')) + "/etc/conf.d";
    std::filesystem::create_directories(confDir);
    std::ofstream(confDir + "/90-second-device.conf")
        << "[keyfile]\nunmanaged-devices=except:interface-name:" << NmSandbox::kDevice
        << ",except:interface-name:" << name << "\n";
    box.Nmcli({"general", "reload", "conf"});
    RunOrThrow({"ip", "link", "add", name, "netns", box.NearNamespace(), "type", "veth", "peer", "name", name + "p",
                "netns", box.FarNamespace()});
    RunOrThrow({"ip", "-n", box.NearNamespace(), "link", "set", name, "up"});
    RunOrThrow({"ip", "-n", box.FarNamespace(), "link", "set", name + "p", "up"});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (box.Nmcli({"-t", "-f", "DEVICE,STATE", "device"}).find(name + ":disconnected") == std::string::npos) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline)
            << name << " not taken up by NetworkManager: " << box.Nmcli({"-t", "-f", "DEVICE,STATE", "device"});
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

QStringList Names(TqxTable* t)
{
    QStringList names;
    t->Refresh();
    for (t->First(); !t->Eof(); t->Next())
        names << t->FieldByName("CONNECTIONNAME").AsString();
    names.sort();
    return names;
}

TEST(DiscoveryNetns, ActiveOrLastUsedProfileOfEachDeviceLandsOnce)
{
    if (const std::string why = NmSandbox::SkipReason(); !why.empty())
        GTEST_SKIP() << why;
    NmSandbox box;
    ASSERT_NO_FATAL_FAILURE(AddSecondDevice(box, "v2"));
    box.AddEthernetProfile("Office LAN", {"ipv4.method", "manual", "ipv4.addresses", "10.9.0.5/24"});
    box.AddEthernetProfile("Home", {"ipv4.method", "manual", "ipv4.addresses", "10.9.0.6/24"});
    box.AddEthernetProfile("Lab B", {"ipv4.method", "manual", "ipv4.addresses", "10.8.0.6/24"}, "v2");
    box.AddEthernetProfile("Lab A", {"ipv4.method", "manual", "ipv4.addresses", "10.8.0.5/24"}, "v2");
    box.Nmcli({"connection", "up", "Lab A"});  // used once, so the one v2 is known by
    box.Nmcli({"connection", "down", "Lab A"});
    box.Nmcli({"connection", "up", "Office LAN"});
    {
        const auto inside = box.EnterNear();
        NetworkAdapterManager().EnumerateNetworkAdapters();
    }

    TempStore store;
    BalloonWatch balloons;
    TqxIPSystemConnections discovery;
    discovery.SetIPSetDataSet(store.IPSets());
    discovery.SetConnectionsDataSet(store.Connections());
    discovery.SetTrayIcon(balloons.tray);
    discovery.Initialize();
    EXPECT_EQ(Names(store.Connections()), QStringList({"Lab A", "Office LAN"}));
    QStringList shown = balloons.shown;
    shown.sort();
    EXPECT_EQ(shown, QStringList({"New network connection found. Lab A", "New network connection found. Office LAN"}));

    discovery.Initialize();
    EXPECT_EQ(store.Connections()->RecordCount(), 2);
    EXPECT_EQ(balloons.shown.size(), 2);
}

}  // namespace
