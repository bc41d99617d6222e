// Linux's registry view: which profile names a device, and the view without NetworkManager.
#include <gtest/gtest.h>

#include <cstdlib>

#include "connections/SystemConnectionWalk.h"
#include "platform/NetworkRegistryView.h"
#include "platform/NmConnections_linux.h"
#include "platform/Registry.h"

namespace {

TEST(DeviceConnection, ActiveProfileElseMostRecentlyUsedOfItsOwn)
{
    const std::vector<TNmProfile> profiles = {
        {"/p/1", "Never used", 0, "eth0"},
        {"/p/2", "Yesterday", 1700000000, ""},
        {"/p/3", "Today", 1700086400, "eth1"},  // the newest, but bound to another device
        {"/p/4", "Also never", 0, ""},
    };
    EXPECT_EQ(ChooseDeviceConnection({"eth0", "Running now", {"/p/1", "/p/2"}}, profiles), "Running now");
    EXPECT_EQ(ChooseDeviceConnection({"eth0", "", {"/p/2"}}, profiles), "Yesterday");  // eth0's by name, too
    EXPECT_EQ(ChooseDeviceConnection({"eth0", "", {}}, profiles), "Never used");
    // Equally unused: the one bound by name wins over one merely available.
    EXPECT_EQ(ChooseDeviceConnection({"eth0", "", {"/p/4"}}, profiles), "Never used");
    EXPECT_EQ(ChooseDeviceConnection({"eth2", "", {"/p/4", "/p/1"}}, profiles), "Never used");  // list order
    EXPECT_EQ(ChooseDeviceConnection({"eth2", "", {}}, profiles), "");
}

// With no system bus to ask, each interface is its own connection.
TEST(RegistryView, WithoutNetworkManagerTheInterfaceNameIsTheConnection)
{
    const char* old = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    const std::string saved = old ? old : "";
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/netvane-test-bus", 1);
    auto registry = OpenRegistry(TRegistryRoot::LocalMachine);
    old ? ::setenv("DBUS_SYSTEM_BUS_ADDRESS", saved.c_str(), 1) : ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");

    std::vector<std::string> found;
    WalkSystemConnections(*registry, kNetworkKeyPath, wvLinux, {"lo", "no-such-interface"},
                          [&](const std::string& name) { found.push_back(name); });
    EXPECT_EQ(found, (std::vector<std::string>{"lo"}));
    EXPECT_TRUE(OpenRegistry(TRegistryRoot::CurrentUser)->GetKeyNames().empty());
}

}  // namespace
