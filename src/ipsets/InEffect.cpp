#include "ipsets/InEffect.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "adapters/o_AdapterInformation.h"
#include "controls/IPAddressParse.h"
#include "common/qxTranslate.h"

namespace {

// Addresses compare as numbers: "010.0.0.1" is stored text as good as "10.0.0.1".
std::optional<std::uint32_t> Numeric(const std::string& Text)
{
    if (!IsDottedAddress(Text))
        return std::nullopt;
    const TIPAddressParse parse = ParseIP(Text);
    std::uint32_t value = 0;
    for (std::int32_t part : parse.Parts)
        value = (value << 8) | static_cast<std::uint32_t>(part);
    return value;
}

bool SameAddress(const std::string& A, const std::string& B)
{
    const auto a = Numeric(A);
    return a && a == Numeric(B);
}

// The real entries of a padded snapshot list: neither empty nor 0.0.0.0.
std::vector<std::string> Entries(const TTextList& List)
{
    std::vector<std::string> out;
    for (const std::string& entry : List)
        if (!IsNoAddress(entry))
            out.push_back(entry);
    return out;
}

bool HasAddressWithMask(const TqxNetworkAdapter& Adapter, const std::string& Address, const std::string& Mask)
{
    const TTextList& addresses = Adapter.IPAddressList();
    const TTextList& masks = Adapter.IPMaskList();
    for (std::size_t i = 0; i < addresses.size() && i < masks.size(); ++i)
        if (SameAddress(addresses[i], Address) && SameAddress(masks[i], Mask))
            return true;
    return false;
}

int PrefixOf(const std::string& Mask)
{
    const auto mask = Numeric(Mask);
    return mask ? std::countl_one(*mask) : 0;
}

}  // namespace

bool IsNoAddress(const std::string& Text)
{
    const auto value = Numeric(Text);
    return Text.empty() || (value && *value == 0);
}

const TqxNetworkAdapter* AdapterOfConnection(const std::string& Connection, const TqxNetworkAdapters& Adapters,
                                             const std::vector<TAdapterConnection>& Mapping)
{
    for (const TAdapterConnection& m : Mapping) {
        if (m.Connection != Connection)
            continue;
        for (int i = 0; i < Adapters.Count(); ++i)
            if (Adapters.Items(i).AdapterName() == m.Adapter)
                return &Adapters.Items(i);
    }
    return nullptr;
}

bool IsInEffect(const TStoredIPSet& Set, const TqxNetworkAdapter& Adapter)
{
    if (Set.Dhcp)
        return Adapter.DHCPEnabled();
    if (Adapter.DHCPEnabled() || !HasAddressWithMask(Adapter, Set.Address, Set.Mask))
        return false;
    const std::vector<std::string> gateways = Entries(Adapter.GatewayList());
    if (IsNoAddress(Set.Gateway) ? !gateways.empty()
                                 : std::none_of(gateways.begin(), gateways.end(),
                                                [&](const std::string& g) { return SameAddress(g, Set.Gateway); }))
        return false;
    const std::vector<std::string> dns = Entries(Adapter.DNSServerList());
    if (IsNoAddress(Set.Dns))
        return dns.empty();
    return !dns.empty() && SameAddress(dns.front(), Set.Dns);
}

std::vector<TConnectionInEffect> FindSetsInEffect(const std::vector<TStoredIPSet>& Sets,
                                                  const TqxNetworkAdapters& Adapters,
                                                  const std::vector<TAdapterConnection>& Mapping)
{
    std::vector<TConnectionInEffect> result;
    // Many sets share a connection: each connection is looked up once, its entry then found by name.
    std::unordered_map<std::string, std::size_t> entryOf;
    std::vector<const TqxNetworkAdapter*> adapterOf;
    for (const TStoredIPSet& set : Sets) {
        if (set.Connection.empty())
            continue;
        const auto [place, fresh] = entryOf.try_emplace(set.Connection, result.size());
        if (fresh) {
            const TqxNetworkAdapter* adapter = AdapterOfConnection(set.Connection, Adapters, Mapping);
            TConnectionInEffect& entry = result.emplace_back();
            adapterOf.push_back(adapter);
            entry.Connection = set.Connection;
            if (adapter) {
                entry.HasAdapter = true;
                entry.Dhcp = adapter->DHCPEnabled();
                const TTextList& addresses = adapter->IPAddressList();
                const TTextList& masks = adapter->IPMaskList();
                for (std::size_t i = 0; i < addresses.size(); ++i)
                    if (!IsNoAddress(addresses[i])) {
                        entry.Address = addresses[i];
                        entry.Prefix = i < masks.size() ? PrefixOf(masks[i]) : 0;
                        break;
                    }
            }
        }
        const std::size_t at = place->second;
        if (adapterOf[at] && IsInEffect(set, *adapterOf[at])) {
            result[at].SetIds.push_back(set.Id);
            result[at].SetNames.push_back(set.Name);
        }
    }
    return result;
}

std::string InEffectLine(const TConnectionInEffect& Entry)
{
    std::string line = Entry.Connection + ": ";
    if (Entry.Dhcp)
        line += "DHCP ";
    if (!Entry.HasAdapter)
        line += Tx("InEffect", "not present");
    else if (Entry.Address.empty())
        line += Tx("InEffect", "no address");
    else
        line += Entry.Address + "/" + std::to_string(Entry.Prefix);
    if (!Entry.SetNames.empty()) {
        line += " (";
        for (std::size_t i = 0; i < Entry.SetNames.size(); ++i)
            line += (i ? ", " : "") + Entry.SetNames[i];
        line += ")";
    }
    return line;
}
