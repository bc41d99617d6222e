#pragma once
// A profile's settings as GetSettings gave them, rewritten with a few changes
// for Update2: NetworkManager takes only whole profiles.
#include <systemd/sd-bus.h>

#include <string>
#include <utility>
#include <vector>

namespace netsh {

using NmSettingChanges = std::vector<std::pair<std::string, std::string>>;

// Copies the a{sa{sv}} that settings is positioned at into out, every entry
// untouched but those the changes replace (and the old address and route lists,
// which NetworkManager would otherwise prefer to the full ones), then appends
// the changes. Settings by nmcli's names ("ipv4.addresses"), values as nmcli
// takes them: lists separated by commas, "yes"/"no", "" to clear. Raises
// ENetshError (Failed) for a setting netsh does not change, a value it cannot
// read or a message it cannot copy, before anything is sent.
void AppendChangedSettings(sd_bus_message* out, sd_bus_message* settings, const NmSettingChanges& changes);

}  // namespace netsh
