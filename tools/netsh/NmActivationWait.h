#pragma once
// Bringing a profile up over the bus and waiting, as "nmcli connection up" does,
// until NetworkManager says it is up or that it failed.
#include <systemd/sd-bus.h>

#include <string>

#include "netsh/Nmcli.h"

namespace netsh {

// connection: the profile's object path; name: as the user gave it, for messages.
// Raises ENetshError: ActivationFailed (with nmcli's wording, so that
// IsNoIpConfiguration tells the same failures apart), NotPermitted, NotRunning.
NmActivation ActivateAndWait(sd_bus* bus, const std::string& connection, const std::string& name);

}  // namespace netsh
