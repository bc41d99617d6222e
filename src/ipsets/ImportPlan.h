#pragma once
// What importing a document does to the store, worked out before anything is
// written: every set is checked with the editor's rules, missing connection
// names are added, a set identical to a stored one is passed over, and a name
// that is stored with other values is settled by the caller's choice.
#include <functional>
#include <string>
#include <vector>

#include "ipsets/IPSetDocument.h"
#include "ipsets/IPSetRecord.h"

enum class TConflictChoice { Replace, KeepBoth, Skip };

// Brings a set to the form the editor stores (trimmed texts; 0.0.0.0 for every
// address of a DHCP set) and checks it with the editor's rules, the address rules
// included. Empty when it may be stored; else why not, as the editor says it.
std::string NormalizeIPSet(TIPSetRecord& Set);

struct TImportAction {
    enum class TKind { Add, Replace };
    TKind Kind = TKind::Add;
    TIPSetRecord Set;
    int StoredId = 0;  // the row a Replace overwrites
};

struct TImportRefusal {
    std::size_t Index = 0;  // 0-based place in the file
    std::string Name;
    std::string Reason;
};

struct TImportPlan {
    std::vector<std::string> NewConnections;
    std::vector<TImportAction> Actions;
    std::vector<std::string> Identical;  // names passed over: already stored as they are
    std::vector<std::string> Skipped;    // names passed over by choice
    // When not empty, nothing is to be written: no question was asked and Actions is empty.
    std::vector<TImportRefusal> Refused;
};

// Asked once for each incoming set whose name is stored (or came earlier in the
// file) with other values.
using TConflictQuestion = std::function<TConflictChoice(const TIPSetRecord& Incoming, const TIPSetRecord& Existing)>;

TImportPlan PlanImport(const TIPSetDocument& Document, const std::vector<TStoredIPSet>& StoredSets,
                       const std::vector<std::string>& StoredConnections, const TConflictQuestion& Ask);

// One line per refused set: "IP set 3 "Office": reason".
std::string RefusalText(const TImportRefusal& Refusal);
