#pragma once
// What importing a document does to the store, worked out before anything is
// written: every set and connection name is checked with the rules the editor,
// the connection list and applying share (controls/IPSetRules.h), missing
// connection names are added, a set identical to a stored one or to one earlier
// in the file is passed over, and a name that is stored (or came earlier in the
// file) with other values is settled by the caller's choice. Linear in the sets:
// they are found by name and by value through hash indexes.
#include <functional>
#include <string>
#include <vector>

#include "ipsets/IPSetDocument.h"
#include "ipsets/IPSetRecord.h"

enum class TConflictChoice { Replace, KeepBoth, Skip };

// Brings a set to the form the editor stores (trimmed name and values, addresses
// in canonical form, 0.0.0.0 for every address of a DHCP set) and checks it with
// the editor's rules, the address rules and its connection's name included.
// Empty when it may be stored; else why not, as the editor says it.
std::string NormalizeIPSet(TIPSetRecord& Set);

struct TImportAction {
    enum class TKind { Add, Replace };
    TKind Kind = TKind::Add;
    TIPSetRecord Set;
    int StoredId = 0;  // the row a Replace overwrites
};

struct TImportRefusal {
    std::size_t Index = 0;  // 0-based place in the file, among the sets or the connection names
    std::string Name;
    std::string Reason;
    bool ConnectionName = false;  // an entry of the file's list of connection names
};

struct TImportPlan {
    std::vector<std::string> NewConnections;
    std::vector<TImportAction> Actions;
    // Names passed over as identical to a set stored or planned; those identical to
    // a set earlier in the file are in Repeated as well.
    std::vector<std::string> Identical;
    std::vector<std::string> Repeated;
    std::vector<std::string> Skipped;    // names passed over by choice
    // When not empty, nothing is to be written: no question was asked and Actions is empty.
    std::vector<TImportRefusal> Refused;
};

// The set an incoming one's name meets: a stored set, or one this file brought
// earlier (InFile), to be added or to replace a stored one.
struct TExistingSet : TIPSetRecord {
    bool InFile = false;
};

// Asked once for each incoming set whose name is stored (or came earlier in the
// file) with other values.
using TConflictQuestion = std::function<TConflictChoice(const TIPSetRecord& Incoming, const TExistingSet& Existing)>;

TImportPlan PlanImport(const TIPSetDocument& Document, const std::vector<TStoredIPSet>& StoredSets,
                       const std::vector<std::string>& StoredConnections, const TConflictQuestion& Ask);

// One line per refused set or name: "IP set 3 "Office": reason", "Connection name 2 "Wi-Fi": reason";
// control characters in the name shown as \uXXXX.
std::string RefusalText(const TImportRefusal& Refusal);
