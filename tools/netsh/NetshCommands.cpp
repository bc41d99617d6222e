#include "netsh/NetshCommands.h"

#include <algorithm>

#include "adapters/AddressProbe.h"
#include "adapters/Neighbours_linux.h"
#include "adapters/SystemAddressCheck.h"
#include "netsh/ConfigReport.h"
#include "netsh/NetshError.h"

namespace netsh {

static_assert(static_cast<int>(NetshStatus::AddressInUse) == kNetshAddressInUse);

namespace {

// How long NetworkManager listens for another device on a new static address.
constexpr int kDadTimeoutMs = 1000;

std::string Joined(const NmFields& fields, const std::string& name)
{
    std::string text;
    if (const auto found = fields.find(name); found != fields.end())
        for (const std::string& value : found->second)
            text += (text.empty() ? "" : ",") + value;
    return text;
}

// The device the kernel has heard answer for the address, when it has.
std::string DeviceUsing(const std::string& address)
{
    for (const TNeighbour& n : ReadNeighbourTable())
        if (n.Address == address && HasAnswered(n))
            return HardwareAddressText(n.HardwareAddress);
    return "";
}

}  // namespace

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
    if (!request.Address.Dhcp) {
        SetStaticAddress(profile, request);
        return;
    }
    FNm.Modify(profile.Uuid, {{"ipv4.method", "auto"}, {"ipv4.addresses", ""}, {"ipv4.gateway", ""}});
    Activate(profile, request.Connection);
}

// NetworkManager takes a static address only once no other device has answered
// for it (ipv4.dad-timeout, for this activation; the profile's own value comes
// back afterwards). dad=no: the caller looked itself, or takes it regardless.
void NetshCommands::SetStaticAddress(const NmProfile& profile, const NetshRequest& request)
{
    const AddressChange& a = request.Address;
    const std::string& name = request.Connection;
    // What goes back should another device answer for the address.
    const NmFields before =
        a.DuplicateCheck ? FNm.Fields(profile.Uuid, {"ipv4.method", "ipv4.addresses", "ipv4.gateway"}) : NmFields();
    const int previous = profile.DadTimeout;
    const std::string previousDad = std::to_string(previous);
    const int dad = a.DuplicateCheck ? (previous > 0 ? previous : kDadTimeoutMs) : 0;
    const std::string address = FormatIpv4(a.Address);
    FNm.Modify(profile.Uuid, {{"ipv4.method", "manual"},
                              {"ipv4.addresses", address + "/" + std::to_string(a.Prefix)},
                              {"ipv4.gateway", a.Gateway ? FormatIpv4(*a.Gateway) : ""},
                              {"ipv4.dad-timeout", std::to_string(dad)}});
    const auto putDadBack = [&] {
        if (dad != previous)
            FNm.Modify(profile.Uuid, {{"ipv4.dad-timeout", previousDad}});
    };
    NmActivation activation;
    try {
        activation = FNm.Activate(profile.Uuid, name);
    } catch (const ENetshError& e) {
        // With the check on, a manual address fails to come up only when another device has it.
        if (a.DuplicateCheck && IsNoIpConfiguration(e))
            AddressInUse(profile, name, address,
                         {{"ipv4.method", Joined(before, "ipv4.method")},
                          {"ipv4.addresses", Joined(before, "ipv4.addresses")},
                          {"ipv4.gateway", Joined(before, "ipv4.gateway")},
                          {"ipv4.dad-timeout", previousDad}});
        try {
            putDadBack();
        } catch (const ENetshError&) {
            // The failure to tell is the activation's.
        }
        throw;
    }
    // Saved for later: the check comes when the connection comes up.
    if (activation == NmActivation::DeviceUnavailable) {
        SavedForLater(name);
        return;
    }
    putDadBack();
}

void NetshCommands::AddressInUse(const NmProfile& profile, const std::string& name, const std::string& address,
                                 const std::vector<std::pair<std::string, std::string>>& previous)
{
    const std::string device = DeviceUsing(address);
    std::string message = address + " is already used by " + (device.empty() ? "another device" : "the device " + device) +
                          " on the network of " + name;
    try {
        FNm.Modify(profile.Uuid, previous);
        if (!profile.Device.empty())
            FNm.Activate(profile.Uuid, name);
        message += "; nothing was changed";
    } catch (const ENetshError& e) {
        message += std::string("; putting the previous settings back failed: ") + e.what();
    }
    throw ENetshError(NetshStatus::AddressInUse, message);
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
