#include "platform/NetworkRegistryView.h"

#include "platform/MemoryRegistry.h"

void AddNetworkConnections(TqxMemoryRegistry& Registry, const std::vector<TDeviceConnection>& Devices)
{
    const std::string classKey = std::string(kNetworkKeyPath) + kNetworkAdapterClass + "\\";
    Registry.AddKey(classKey);
    for (const TDeviceConnection& device : Devices) {
        if (device.Device.empty() || device.Device.find('\\') != std::string::npos)
            continue;  // a backslash would split the name into two keys
        const std::string connectionKey = classKey + device.Device + "\\Connection";
        Registry.AddKey(connectionKey);
        if (!device.Connection.empty())
            Registry.SetString(connectionKey, "Name", device.Connection);
    }
}
