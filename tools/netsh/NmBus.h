#pragma once
#include <vector>

#include <systemd/sd-bus.h>

#include "netsh/Nmcli.h"

namespace netsh {

// Reads NetworkManager's connection profiles straight from the system bus
// (DBUS_SYSTEM_BUS_ADDRESS when set): names, UUIDs, IPv4 methods and the devices
// of the active ones. A few bus calls instead of an nmcli run, which would load
// NetworkManager's whole state first. Raises ENetshError (NotRunning, Failed).
std::vector<NmProfile> ReadProfilesFromBus();
// The same over a connection the caller holds open.
std::vector<NmProfile> ReadProfilesFromBus(sd_bus* bus);

}  // namespace netsh
