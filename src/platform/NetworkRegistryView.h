#pragma once
// The registry layout in which Windows keeps the names of network connections,
// made up from a list of devices and their connections (Linux's view):
//
//   \SYSTEM\CurrentControlSet\Control\Network\<class key>\<device>\Connection  value "Name"
#include <string>
#include <vector>

class TqxMemoryRegistry;

inline constexpr const char* kNetworkKeyPath = "\\SYSTEM\\CurrentControlSet\\Control\\Network\\";
// The network adapters' class: the one class key of the view.
inline constexpr const char* kNetworkAdapterClass = "{4D36E972-E325-11CE-BFC1-08002BE10318}";

struct TDeviceConnection {
    std::string Device;      // interface name
    std::string Connection;  // the connection's name; empty: the device has none (no "Name" value)
};

void AddNetworkConnections(TqxMemoryRegistry& Registry, const std::vector<TDeviceConnection>& Devices);
