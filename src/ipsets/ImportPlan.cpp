#include "ipsets/ImportPlan.h"

#include <unordered_map>
#include <unordered_set>

#include "common/qxText.h"
#include "controls/IPSetRules.h"
#include "common/qxTranslate.h"

namespace {

struct TRecordHash {
    std::size_t operator()(const TIPSetRecord& Set) const
    {
        std::size_t hash = std::hash<bool>()(Set.Dhcp);
        for (const std::string* text : {&Set.Name, &Set.Address, &Set.Mask, &Set.Gateway, &Set.Dns, &Set.Connection})
            hash = hash * 1000003u ^ std::hash<std::string>()(*text);
        return hash;
    }
};

// A set as it stands while the plan is made: stored, or to be added by the action with this index.
struct TKnownSet {
    TIPSetRecord Set;
    int StoredId = 0;
    int Action = -1;
};

// The sets known while planning, found by name (the first of that name) and by values.
class TKnownSets {
public:
    explicit TKnownSets(const std::vector<TStoredIPSet>& Stored)
    {
        FSets.reserve(Stored.size());
        for (const TStoredIPSet& s : Stored) {
            // Compared in the form an import stores, so "010.0.0.5" stored meets "10.0.0.5" in the file.
            TIPSetRecord set = s;
            if (!NormalizeIPSet(set).empty())
                set = s;
            Add({set, s.Id, -1});
        }
    }
    void Add(const TKnownSet& Known)
    {
        FFirstByName.emplace(Known.Set.Name, FSets.size());
        ++FCountByValue[Known.Set];
        FSets.push_back(Known);
    }
    bool Holds(const TIPSetRecord& Set) const
    {
        const auto it = FCountByValue.find(Set);
        return it != FCountByValue.end() && it->second > 0;
    }
    TKnownSet* Named(const std::string& Name)
    {
        const auto it = FFirstByName.find(Name);
        return it == FFirstByName.end() ? nullptr : &FSets[it->second];
    }
    void Change(TKnownSet& Known, const TIPSetRecord& Set)
    {
        --FCountByValue[Known.Set];
        Known.Set = Set;
        ++FCountByValue[Set];
    }

private:
    std::vector<TKnownSet> FSets;
    std::unordered_map<std::string, std::size_t> FFirstByName;
    std::unordered_map<TIPSetRecord, int, TRecordHash> FCountByValue;
};

}  // namespace

std::string NormalizeIPSet(TIPSetRecord& Set)
{
    if (const std::optional<TNameFault> fault = NormalizeSetName(Set.Name))
        return SetNameFaultText(*fault);
    if (!Set.Connection.empty())
        if (std::string fault = ConnectionNameFault(Set.Connection); !fault.empty())
            return fault;
    if (Set.Dhcp) {
        for (std::string* address : {&Set.Address, &Set.Mask, &Set.Gateway, &Set.Dns}) {
            const std::string value = Trim(*address);
            if (!value.empty() && value != "0.0.0.0")
                return Fill(Tx("ImportPlan", "A DHCP IP Set carries no addresses, but has %1"), {ShownText(value)});
            *address = "0.0.0.0";
        }
        return std::string();
    }
    TStaticValues values{Set.Address, Set.Mask, Set.Gateway, Set.Dns};
    if (const std::optional<TValueFault> fault = NormalizeStaticValues(values))
        return ShownText(fault->Message);
    Set.Address = values.Address;
    Set.Mask = values.Mask;
    Set.Gateway = values.Gateway;
    Set.Dns = values.Dns;
    return std::string();
}

TImportPlan PlanImport(const TIPSetDocument& Document, const std::vector<TStoredIPSet>& StoredSets,
                       const std::vector<std::string>& StoredConnections, const TConflictQuestion& Ask)
{
    TImportPlan plan;
    for (std::size_t i = 0; i < Document.Connections.size(); ++i)
        if (std::string fault = ConnectionNameFault(Document.Connections[i]); !fault.empty())
            plan.Refused.push_back({i, Document.Connections[i], fault, true});
    std::vector<TIPSetRecord> incoming = Document.Sets;
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        const std::string reason = NormalizeIPSet(incoming[i]);
        if (!reason.empty())
            plan.Refused.push_back({i, TrimBlanks(Document.Sets[i].Name), reason});
    }
    if (!plan.Refused.empty())
        return plan;

    std::unordered_set<std::string> known(StoredConnections.begin(), StoredConnections.end());
    const auto addConnection = [&](const std::string& name) {
        if (!name.empty() && known.insert(name).second)
            plan.NewConnections.push_back(name);
    };
    for (const std::string& name : Document.Connections)
        addConnection(name);

    TKnownSets sets(StoredSets);
    std::unordered_set<TIPSetRecord, TRecordHash> earlier;  // the file's sets already planned or passed over
    earlier.reserve(incoming.size());
    for (const TIPSetRecord& set : incoming) {
        const bool repeated = !earlier.insert(set).second;
        if (repeated || sets.Holds(set)) {
            plan.Identical.push_back(set.Name);
            if (repeated)
                plan.Repeated.push_back(set.Name);
            continue;
        }
        TKnownSet* const same = sets.Named(set.Name);
        TExistingSet existing;
        if (same) {
            static_cast<TIPSetRecord&>(existing) = same->Set;
            existing.InFile = same->Action >= 0;
        }
        const TConflictChoice choice = same ? Ask(set, existing) : TConflictChoice::KeepBoth;
        if (choice == TConflictChoice::Skip) {
            plan.Skipped.push_back(set.Name);
            continue;
        }
        addConnection(set.Connection);
        if (choice == TConflictChoice::Replace) {
            sets.Change(*same, set);
            if (same->Action >= 0)
                plan.Actions[same->Action].Set = set;  // replaces a set this file brought earlier
            else {
                same->Action = static_cast<int>(plan.Actions.size());
                plan.Actions.push_back({TImportAction::TKind::Replace, set, same->StoredId});
            }
            continue;
        }
        sets.Add({set, 0, static_cast<int>(plan.Actions.size())});
        plan.Actions.push_back({TImportAction::TKind::Add, set, 0});
    }
    return plan;
}

std::string RefusalText(const TImportRefusal& Refusal)
{
    return Fill(Refusal.ConnectionName ? Tx("ImportPlan", "Connection name %1 \"%2\": %3")
                                       : Tx("ImportPlan", "IP set %1 \"%2\": %3"),
                {std::to_string(Refusal.Index + 1), ShownText(Refusal.Name), Refusal.Reason});
}
