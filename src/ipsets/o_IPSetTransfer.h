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
    int Identical = 0;
    int Skipped = 0;
    int NewConnections = 0;
    // One line per refused set; when there are any, the store was not changed.
    QStringList Refused;

    bool Changed() const { return Added + Replaced + NewConnections > 0; }
    // A few lines for the user: what was done, or why nothing was.
    QString Text() const;
};

class TqxIPSetTransfer {
public:
    explicit TqxIPSetTransfer(TqxIPDBManager* store);

    TIPSetDocument Export() const;
    // Raises EqxError naming the file when it cannot be written; an existing file is replaced whole or not at all.
    void ExportToFile(const QString& path) const;

    // Raises EqxError for a file that cannot be read or is no valid export, and
    // when the store refuses the writes; the store is then unchanged.
    TImportReport ImportFile(const QString& path, const TConflictQuestion& ask);
    TImportReport Import(const TIPSetDocument& document, const TConflictQuestion& ask);

private:
    void Write(const TImportPlan& plan);

    TqxIPDBManager* FStore;
};
