// Linux keeps no registry: the connection names are read from NetworkManager and
// laid out as Windows keeps them, so that one walk reads both.
#include <net/if.h>

#include "platform/MemoryRegistry.h"
#include "platform/NmConnections_linux.h"
#include "platform/Registry.h"

namespace {
// Without NetworkManager a connection is known by its interface name.
std::vector<TDeviceConnection> InterfaceConnections()
{
    std::vector<TDeviceConnection> devices;
    if (struct if_nameindex* names = ::if_nameindex()) {
        for (const struct if_nameindex* n = names; n->if_index != 0 && n->if_name; ++n)
            devices.push_back({n->if_name, n->if_name});
        ::if_freenameindex(names);
    }
    return devices;
}
}  // namespace

std::unique_ptr<TqxRegistry> OpenRegistry(TRegistryRoot Root)
{
    auto registry = std::make_unique<TqxMemoryRegistry>();
    if (Root != TRegistryRoot::LocalMachine)
        return registry;
    if (auto connections = ReadNetworkManagerConnections())
        AddNetworkConnections(*registry, *connections);
    else
        AddNetworkConnections(*registry, InterfaceConnections());
    return registry;
}
