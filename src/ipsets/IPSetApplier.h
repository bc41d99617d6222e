#pragma once
// Putting a stored IP set onto its connection, without any window: the set is
// looked up and its two netsh lines composed and checked, then netsh runs for the
// address and for the DNS server, each under a time limit and followed by a pause.
// The main window (under its wait box) and the command line both apply through it.
//
//   const auto application = TqxIPSetApplier::Prepare(sets, connections, id);
//   if (application) report(TqxIPSetApplier::ResultText(name, TqxIPSetApplier().Run(*application)));
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "ipsets/ElevatedApply.h"
#include "ipsets/NetshCommand.h"

class TqxTable;

// Why each run failed; empty for a run that succeeded. Whole: why neither run's
// outcome is known (see NetshSteps), the runs' reasons then empty.
struct IPSetFailures {
    std::string Address;
    std::string Dns;
    TWholeFailure Whole;
    bool Empty() const { return Address.empty() && Dns.empty() && Whole.empty(); }
};

// One stored set, composed and ready to run, with the values it was composed from
// (the helper composes them again; the look for an address in use reads them).
struct IPSetApplication {
    QString SetName;
    NetshCommandLines Lines;
    NetshValues Values;  // what Lines were composed from, for a helper that composes them again
};

class TqxIPSetApplier {
public:
    static constexpr std::chrono::milliseconds kTimeLimit = kNetshTimeLimit;
    static constexpr std::chrono::milliseconds kPause = kNetshPause;
    // How long the system may still be checking a new address once netsh is done.
    static constexpr std::chrono::milliseconds kAddressCheckLimit{3000};

    // The set with this ID, composed; nothing when no row has the ID. Raises
    // "Error Applying IP Set." when the set has no usable connection, and the composer's
    // refusal for values netsh must not get; the second line of "Error Applying IP
    // Set." says why the connection is unusable. Leaves both tables on the rows it read.
    // A set with a value that cannot be read is refused by RefuseUnreadable; one whose
    // connection name the shared rules refuse (controls/IPSetRules.h), or a static one
    // whose address, mask, gateway or DNS server is no dotted address, by name and field.
    // The addresses go to netsh in canonical form ("010.0.0.5" as 10.0.0.5).
    static std::optional<IPSetApplication> Prepare(TqxTable* sets, TqxTable* connections, int id);

    // Raises an error naming the set and the field when the current row of sets
    // holds a value that cannot be read. sentence, in the user's language, names the
    // set as %1 and the field as %2: "The IP set "%1" cannot be applied: its %2 value
    // cannot be read".
    static void RefuseUnreadable(TqxTable* sets, const QString& sentence);
    static QString UnreadableText(const QString& sentence, const QString& setName, const QString& field);

    // Runs the address line, then the DNS line, both hidden: here when the process
    // is elevated, otherwise through one helper with administrator rights
    // (ElevatedApply.h), which keeps its own limit and pauses. A netsh that refused
    // the address as another device's changed nothing: the DNS line is not run then.
    // A static address the system afterwards marks as another device's is a failure.
    IPSetFailures Run(const IPSetApplication& application) const;

    // How the outcome is told: "IP Changed successfully!" or, in sentences, which
    // runs failed and why (see ipsets/ApplyReport.h).
    static QString ResultText(const QString& setName, const IPSetFailures& failures);

    std::chrono::milliseconds TimeLimit = kTimeLimit;
    std::chrono::milliseconds Pause = kPause;
    // Called while netsh runs and during the pauses (a window keeps answering); may be empty.
    std::function<void()> Pump;
    ElevationSeam Elevation;
};
