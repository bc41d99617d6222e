#pragma once
// What netvane does from the command line without a window, on the program's store
// (opened, or on an installed copy's first start made, as the window does).
#include "app/NetvaneCommandLine.h"

class TAddressGuard;
class TqxIPSetApplier;
class TqxTable;

// --list, --apply NAME, and --export FILE and --import FILE [--on-conflict=...] (ConsoleTransfer.h).
std::vector<ConsoleAction> ConsoleActions();

// The stored sets, one a line, tab-separated: name, connection, then "DHCP" or the
// IP address, subnet mask, gateway and DNS server. Returns the exit status.
int ListIPSets(TqxTable* sets, TqxTable* connections, QTextStream& out);

// Applies the one set of exactly that name through the applier and tells the outcome:
// 0 when both netsh runs succeeded, 1 for a failed run, an unknown or ambiguous name,
// or a set that cannot be applied. With a guard, another device found on the set's
// address before the change is 1 with that said, and nothing runs, unless force.
int ApplyIPSetNamed(TqxTable* sets, TqxTable* connections, const QString& name, const TqxIPSetApplier& applier,
                    QTextStream& out, QTextStream& err, const TAddressGuard* guard = nullptr, bool force = false);
