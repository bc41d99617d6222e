#include "dialogs/AdapterSettings.h"

#include "adapters/o_AdapterInformation.h"
#include "ipsets/InEffect.h"

namespace {
// The snapshot pads its lists with empty entries and writes "none" as 0.0.0.0.
std::string First(const TTextList& List)
{
    for (const std::string& entry : List)
        if (!IsNoAddress(entry))
            return entry;
    return "";
}
}  // namespace

TAdapterSettings SettingsOf(const TqxNetworkAdapter& Adapter)
{
    TAdapterSettings settings;
    settings.Dhcp = Adapter.DHCPEnabled();
    const TTextList& addresses = Adapter.IPAddressList();
    const TTextList& masks = Adapter.IPMaskList();
    for (std::size_t i = 0; i < addresses.size(); ++i)
        if (!IsNoAddress(addresses[i])) {
            settings.Address = addresses[i];
            settings.Mask = i < masks.size() ? masks[i] : "";
            break;
        }
    settings.Gateway = First(Adapter.GatewayList());
    settings.Dns = First(Adapter.DNSServerList());
    return settings;
}
