#pragma once
// Which NetworkManager connection profile the user sees on each network device.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/NetworkRegistryView.h"

struct TNmProfile {
    std::string Path;  // D-Bus object path
    std::string Id;    // the name the desktop shows
    std::uint64_t Timestamp = 0;  // last successful activation, 0: never
    std::string InterfaceName;    // the device it is bound to by name, if any
};

struct TNmDevice {
    std::string Interface;
    std::string ActiveId;  // the active connection's name, empty when none
    std::vector<std::string> Available;  // paths of the profiles that may go on it
};

// The active profile; else the most recently used of the profiles available on
// the device or bound to it by name (ties: bound by name first, then list order);
// else "".
std::string ChooseDeviceConnection(const TNmDevice& Device, const std::vector<TNmProfile>& Profiles);

// Every device NetworkManager knows with its connection; nothing when
// NetworkManager does not answer on the system bus.
std::optional<std::vector<TDeviceConnection>> ReadNetworkManagerConnections();
