#pragma once
// Moving IP sets between stores through an export file: writing the store's
// sets and connection names, and importing a file in one transaction.
#include <QString>
#include <QStringList>

#include "ipsets/IPSetDocument.h"
#include "ipsets/ImportPlan.h"

class TqxIPDBManager;

struct TImportReport {
    int Added = 0;
    int Replaced = 0;
    int Identical = 0;  // passed over: already stored as they are
    int Repeated = 0;   // passed over: the same as a set earlier in the file
    int Skipped = 0;
    int NewConnections = 0;
    // One line per refused set; when there are any, the store was not changed.
    QStringList Refused;

    bool Changed() const { return Added + Replaced + NewConnections > 0; }
    // A few lines for the user: what was done, or why nothing was.
    QString Text() const;
};

struct TExportReport {
    int Sets = 0;
    int Connections = 0;
    // One line per set or connection name left out of the file, with the reason
    // an import would refuse it for; the rest was written.
    QStringList LeftOut;
};

class TqxIPSetTransfer {
public:
    // How long an import waits for another program's write to the store to end
    // (another import, say) before it gives up, changing nothing.
    static constexpr int kLockWaitMs = 60000;

    explicit TqxIPSetTransfer(TqxIPDBManager* store);

    // The stored sets and connection names as an import would store them; a set
    // or name an import would refuse is left out and said in report.
    TIPSetDocument Export(TExportReport* report = nullptr) const;
    // Raises EqxError naming the file when it cannot be written whole: an existing
    // file is then left as it was. Writes only to a regular file or a new name.
    TExportReport ExportToFile(const QString& path) const;

    // Raises EqxError for a file that cannot be read or is no valid export, and
    // when the store refuses the writes; the store is then unchanged. Reads only
    // a regular file, of at most kLargestFile bytes.
    TImportReport ImportFile(const QString& path, const TConflictQuestion& ask);
    // Plans and writes in one write transaction, against the rows stored when it
    // began: an import that ran meanwhile is seen, and its sets are passed over.
    TImportReport Import(const TIPSetDocument& document, const TConflictQuestion& ask);

    static constexpr qint64 kLargestFile = 64 * 1024 * 1024;

private:
    void Write(const TImportPlan& plan);

    TqxIPDBManager* FStore;
};
