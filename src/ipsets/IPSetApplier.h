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

#include "ipsets/NetshCommand.h"

class TqxTable;

// Why each run failed; empty for a run that succeeded.
struct IPSetFailures {
    std::string Address;
    std::string Dns;
    bool Empty() const { return Address.empty() && Dns.empty(); }
};

// One stored set, composed and ready to run.
struct IPSetApplication {
    QString SetName;
    NetshCommandLines Lines;
};

class TqxIPSetApplier {
public:
    static constexpr std::chrono::milliseconds kTimeLimit{60000};
    static constexpr std::chrono::milliseconds kPause{1000};

    // The set with this ID, composed; nothing when no row has the ID. Raises
    // "Error Applying IP Set." when the set has no usable connection, and the composer's
    // refusal for values netsh must not get; the second line of "Error Applying IP
    // Set." says why the connection is unusable. Leaves both tables on the rows it read.
    // A set with a value that cannot be read is refused by RefuseUnreadable.
    static std::optional<IPSetApplication> Prepare(TqxTable* sets, TqxTable* connections, int id);

    // Raises an error naming the set and the field when the current row of sets
    // holds a value that cannot be read; doing: "applied", "edited".
    static void RefuseUnreadable(TqxTable* sets, const QString& doing);

    // Runs the address line, then the DNS line, both hidden.
    IPSetFailures Run(const IPSetApplication& application) const;

    // How the outcome is told: "IP Changed successfully!" or, in sentences, which
    // runs failed and why (see ipsets/ApplyReport.h).
    static QString ResultText(const QString& setName, const IPSetFailures& failures);

    std::chrono::milliseconds TimeLimit = kTimeLimit;
    std::chrono::milliseconds Pause = kPause;
    // Called while netsh runs and during the pauses (a window keeps answering); may be empty.
    std::function<void()> Pump;
};
