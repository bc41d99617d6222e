#include "netsh/NetshCommands.h"

#include <algorithm>

#include "netsh/ConfigReport.h"
#include "netsh/NetshError.h"

namespace netsh {

void NetshCommands::Run(const NetshRequest& request)
{
    switch (request.Verb) {
    case NetshVerb::Help:
        FOut << NetshUsage();
        break;
    case NetshVerb::SetAddress:
        SetAddress(request);
        break;
    case NetshVerb::SetDns:
        SetDns(request);
        break;
    case NetshVerb::ShowConfig:
        ShowConfig(request);
        break;
    }
}

// Profile names are not unique in NetworkManager; when several share the name,
// the one in use is meant, and without one in use nothing is guessed.
NmProfile NetshCommands::FindProfile(const std::string& name) const
{
    std::vector<NmProfile> matches;
    for (const NmProfile& p : FProfiles())
        if (p.Name == name)
            matches.push_back(p);
    if (matches.empty())
        throw ENetshError(NetshStatus::UnknownConnection, "no connection named \"" + name + "\"");
    if (matches.size() > 1) {
        const auto active = std::count_if(matches.begin(), matches.end(), [](auto& p) { return !p.Device.empty(); });
        if (active != 1)
            throw ENetshError(NetshStatus::UnknownConnection,
                              "several connections are named \"" + name + "\"; rename one of them");
        matches.erase(std::remove_if(matches.begin(), matches.end(), [](auto& p) { return p.Device.empty(); }),
                      matches.end());
    }
    return matches.front();
}

void NetshCommands::SavedForLater(const std::string& name)
{
    FOut << "saved; takes effect when " << name << " connects\n";
}

void NetshCommands::SetAddress(const NetshRequest& request)
{
    const NmProfile profile = FindProfile(request.Connection);
    const AddressChange& a = request.Address;
    if (a.Dhcp)
        FNm.Modify(profile.Uuid, {{"ipv4.method", "auto"}, {"ipv4.addresses", ""}, {"ipv4.gateway", ""}});
    else
        FNm.Modify(profile.Uuid, {{"ipv4.method", "manual"},
                                  {"ipv4.addresses", FormatIpv4(a.Address) + "/" + std::to_string(a.Prefix)},
                                  {"ipv4.gateway", a.Gateway ? FormatIpv4(*a.Gateway) : ""}});
    Activate(profile, request.Connection);
}

void NetshCommands::Activate(const NmProfile& profile, const std::string& name)
{
    if (FNm.Activate(profile.Uuid, name) == NmActivation::DeviceUnavailable)
        SavedForLater(name);
}

// DNS servers need no new activation: the running connection takes them over.
// Except under DHCP: NetworkManager (1.42) keeps stale DNS servers when a change
// is re-applied within about half a second of a DHCP activation, which is just
// what Netvane's address-then-DNS pair does, so such a profile is brought up anew.
// A profile not in use keeps the change for when it connects.
void NetshCommands::SetDns(const NetshRequest& request)
{
    const NmProfile profile = FindProfile(request.Connection);
    const DnsChange& d = request.Dns;
    if (d.Dhcp)
        FNm.Modify(profile.Uuid, {{"ipv4.dns", ""}, {"ipv4.ignore-auto-dns", "no"}});
    else
        FNm.Modify(profile.Uuid,
                   {{"ipv4.dns", d.Server ? FormatIpv4(*d.Server) : ""}, {"ipv4.ignore-auto-dns", "yes"}});
    if (profile.Device.empty()) {
        SavedForLater(request.Connection);
        return;
    }
    if (profile.Method == "auto")
        Activate(profile, request.Connection);
    else
        FNm.Reapply(profile.Device, request.Connection);
}

void NetshCommands::ShowConfig(const NetshRequest& request)
{
    std::vector<NmProfile> profiles;
    if (request.Connection.empty())
        profiles = FProfiles();
    else
        profiles.push_back(FindProfile(request.Connection));
    FOut << "\n";
    for (const NmProfile& p : profiles)
        FOut << FormatConfigReport(p.Name, FNm.Fields(p.Uuid, ConfigReportFields()));
}

}  // namespace netsh
