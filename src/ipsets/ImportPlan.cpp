#include "ipsets/ImportPlan.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "controls/IPAddressParse.h"
#include "controls/IPv4Rules.h"

namespace {

std::string Trim(const std::string& Text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0, last = Text.size();
    while (first < last && blank(Text[first]))
        ++first;
    while (last > first && blank(Text[last - 1]))
        --last;
    return Text.substr(first, last - first);
}

bool Contains(const std::vector<std::string>& List, const std::string& Name)
{
    return std::find(List.begin(), List.end(), Name) != List.end();
}

// A set as it stands while the plan is made: stored, or to be added by the action with this index.
struct TKnownSet {
    TIPSetRecord Set;
    int StoredId = 0;
    int Action = -1;
};

}  // namespace

std::string NormalizeIPSet(TIPSetRecord& Set)
{
    Set.Name = Trim(Set.Name);
    if (Set.Name.empty())
        return "Empty IP Set Name !! ";
    if (Set.Dhcp) {
        for (std::string* address : {&Set.Address, &Set.Mask, &Set.Gateway, &Set.Dns}) {
            const std::string value = Trim(*address);
            if (!value.empty() && value != "0.0.0.0")
                return "A DHCP IP Set carries no addresses, but has " + value;
            *address = "0.0.0.0";
        }
        return std::string();
    }
    for (std::string* address : {&Set.Address, &Set.Mask, &Set.Gateway, &Set.Dns}) {
        *address = Trim(*address);
        if (!address->empty() && !IsDottedAddress(*address))
            return "IP Address " + *address + " is invalid!";
    }
    if (Set.Address.empty())
        return "A static IP Set needs an IP Address!";
    if (Set.Mask.empty())
        return "A static IP Set needs a Subnet Mask!";
    if (!IsContiguousMask(Set.Mask))
        return "Subnet Mask " + Set.Mask + " is invalid!";
    // The rules the editor and netsh share; an empty gateway or DNS server is none.
    const auto value = [](const std::string& text) { return ParseIpv4(text); };
    std::optional<TIPv4Fault> fault = CheckStaticAddress(*value(Set.Address), *value(Set.Mask), value(Set.Gateway));
    if (!fault && !Set.Dns.empty())
        fault = CheckDnsServer(*value(Set.Dns));
    if (!fault)
        return std::string();
    if (fault->Field == TIPv4Field::SubnetMask)
        return "Subnet Mask " + Set.Mask + " is invalid!";
    std::string reason = fault->Reason;
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason;
}

TImportPlan PlanImport(const TIPSetDocument& Document, const std::vector<TStoredIPSet>& StoredSets,
                       const std::vector<std::string>& StoredConnections, const TConflictQuestion& Ask)
{
    TImportPlan plan;
    std::vector<TIPSetRecord> incoming = Document.Sets;
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        const std::string reason = NormalizeIPSet(incoming[i]);
        if (!reason.empty())
            plan.Refused.push_back({i, Trim(Document.Sets[i].Name), reason});
    }
    if (!plan.Refused.empty())
        return plan;

    std::vector<std::string> known = StoredConnections;
    const auto addConnection = [&](const std::string& name) {
        if (!name.empty() && !Contains(known, name)) {
            known.push_back(name);
            plan.NewConnections.push_back(name);
        }
    };
    for (const std::string& name : Document.Connections)
        addConnection(name);

    std::vector<TKnownSet> sets;
    for (const TStoredIPSet& s : StoredSets)
        sets.push_back({s, s.Id, -1});
    for (const TIPSetRecord& set : incoming) {
        const bool identical =
            std::any_of(sets.begin(), sets.end(), [&](const TKnownSet& k) { return k.Set == set; });
        if (identical) {
            plan.Identical.push_back(set.Name);
            continue;
        }
        const auto same = std::find_if(sets.begin(), sets.end(), [&](const TKnownSet& k) { return k.Set.Name == set.Name; });
        const TConflictChoice choice = same == sets.end() ? TConflictChoice::KeepBoth : Ask(set, same->Set);
        if (choice == TConflictChoice::Skip) {
            plan.Skipped.push_back(set.Name);
            continue;
        }
        addConnection(set.Connection);
        if (choice == TConflictChoice::Replace) {
            same->Set = set;
            if (same->Action >= 0)
                plan.Actions[same->Action].Set = set;  // replaces a set this file brought earlier
            else {
                same->Action = static_cast<int>(plan.Actions.size());
                plan.Actions.push_back({TImportAction::TKind::Replace, set, same->StoredId});
            }
            continue;
        }
        sets.push_back({set, 0, static_cast<int>(plan.Actions.size())});
        plan.Actions.push_back({TImportAction::TKind::Add, set, 0});
    }
    return plan;
}

std::string RefusalText(const TImportRefusal& Refusal)
{
    return "IP set " + std::to_string(Refusal.Index + 1) + " \"" + Refusal.Name + "\": " + Refusal.Reason;
}
