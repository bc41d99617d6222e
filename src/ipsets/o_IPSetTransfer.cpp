#include "ipsets/o_IPSetTransfer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "common/qxError.h"
#include "controls/IPSetRules.h"
#include "ipsets/IPSetApplier.h"
#include "ipsets/o_StoredIPSets.h"
#include "platform/RegularFile.h"
#include "store/o_DatabaseConnection.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

[[noreturn]] void Fail(const QString& message) { throw EqxError(message.toStdString()); }

template <class Describe>
void Run(QSqlQuery& query, Describe&& what)
{
    if (!query.exec())
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "%1 failed: %2").arg(what(), query.lastError().text()));
}

// The store's write lock from BEGIN IMMEDIATE to commit; given back unchanged if not committed.
class TWriteTransaction {
public:
    explicit TWriteTransaction(const QString& connection) : FDb(QSqlDatabase::database(connection, false))
    {
        QSqlQuery q(FDb);
        if (q.exec(QStringLiteral("PRAGMA busy_timeout")) && q.next())
            FBusyTimeout = q.value(0).toInt();
        // Waits for another writer (a second import waits for the first) rather than failing at once.
        q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(TqxIPSetTransfer::kLockWaitMs));
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const QString why = q.lastError().databaseText();
            RestoreTimeout();
            const QString locked =
                QCoreApplication::translate("TqxIPSetTransfer", "another program kept the store locked for %1 s")
                    .arg(TqxIPSetTransfer::kLockWaitMs / 1000);
            Fail(QCoreApplication::translate("TqxIPSetTransfer", "The import changed nothing: %1")
                     .arg(why.contains(QLatin1String("locked")) ? locked : why));
        }
    }
    ~TWriteTransaction()
    {
        if (FOpen)
            QSqlQuery(FDb).exec(QStringLiteral("ROLLBACK"));
        RestoreTimeout();
    }
    void Commit()
    {
        QSqlQuery q(FDb);
        if (!q.exec(QStringLiteral("COMMIT")))
            Fail(QCoreApplication::translate("TqxIPSetTransfer", "Committing the import failed: %1").arg(q.lastError().text()));
        FOpen = false;
    }

private:
    void RestoreTimeout() { QSqlQuery(FDb).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(FBusyTimeout)); }

    QSqlDatabase FDb;
    int FBusyTimeout = 0;
    bool FOpen = true;
};

}  // namespace

QString TImportReport::Text() const
{
    if (!Refused.isEmpty())
        return QCoreApplication::translate("TqxIPSetTransfer", "Nothing was imported. These IP sets were refused:\n") + Refused.join(QLatin1Char('\n'));
    QString text = QCoreApplication::translate("TqxIPSetTransfer", "IP sets added: %1\nIP sets replaced: %2\nIP sets already stored: %3\n")
                       .arg(Added)
                       .arg(Replaced)
                       .arg(Identical);
    if (Repeated > 0)
        text += QCoreApplication::translate("TqxIPSetTransfer", "IP sets repeated in the file: %1\n").arg(Repeated);
    return text + QCoreApplication::translate("TqxIPSetTransfer", "IP sets skipped: %1\nConnection names added: %2").arg(Skipped).arg(NewConnections);
}

TqxIPSetTransfer::TqxIPSetTransfer(TqxIPDBManager* store) : FStore(store) {}

TIPSetDocument TqxIPSetTransfer::Export(TExportReport* report) const
{
    TExportReport local;
    TExportReport& r = report ? *report : local;
    TIPSetDocument document;
    for (const std::string& name : ReadConnectionNames(FStore->ConnectionNames())) {
        if (const std::optional<TNameFault> fault = CheckConnectionName(name))
            r.LeftOut << QCoreApplication::translate("TqxIPSetTransfer",
                                                     "The connection name \"%1\" cannot be exported: %2")
                             .arg(Q(ShownText(name)), //: The subject of a sentence: the connection name just named
                             Q(ConnectionNameFaultText(*fault, QCoreApplication::translate("TqxIPSetTransfer", "it").toStdString())));
        else
            document.Connections.push_back(name);
    }
    const std::vector<TStoredIPSet> stored = ReadStoredIPSets(FStore->IPSets(), FStore->ConnectionNames());
    for (std::size_t row = 0; row < stored.size(); ++row) {
        const QString name = Q(ShownText(stored[row].Name));
        // A value that cannot be read is not guessed at: the set is left out, as applying refuses it.
        if (const QString field = UnreadableStoredValue(FStore->IPSets(), static_cast<int>(row)); !field.isEmpty()) {
            r.LeftOut << TqxIPSetApplier::UnreadableText(
                QCoreApplication::translate("TqxIPSetTransfer",
                                            "The IP set \"%1\" cannot be exported: its %2 value cannot be read"),
                name, field);
            continue;
        }
        TIPSetRecord set = stored[row];
        if (const std::string reason = NormalizeIPSet(set); !reason.empty()) {
            r.LeftOut << QCoreApplication::translate("TqxIPSetTransfer", "The IP set \"%1\" cannot be exported: %2")
                             .arg(name, Q(reason));
            continue;
        }
        document.Sets.push_back(std::move(set));
    }
    r.Sets = static_cast<int>(document.Sets.size());
    r.Connections = static_cast<int>(document.Connections.size());
    return document;
}

TExportReport TqxIPSetTransfer::ExportToFile(const QString& path) const
{
    TExportReport report;
    const std::string text = WriteIPSetDocument(Export(&report));
    // Renamed over a device or a FIFO, the new file would take its place: /dev/null would become a file.
    const auto refuseOther = [&path] {
        const QFileInfo target(path);
        if (target.exists() && !target.isFile())
            Fail(QCoreApplication::translate("TqxIPSetTransfer",
                                             "Cannot write %1: it is not a regular file; nothing was written")
                     .arg(path));
    };
    refuseOther();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "Cannot write %1: %2").arg(path, file.errorString()));
    // Every byte or nothing: a short write (a full disk) leaves the old file as it was.
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QString why = file.errorString();
        file.cancelWriting();
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "Cannot write %1: %2").arg(path, why));
    }
    refuseOther();
    if (!file.commit())
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "Cannot write %1: %2").arg(path, file.errorString()));
    return report;
}

TImportReport TqxIPSetTransfer::ImportFile(const QString& path, const TConflictQuestion& ask)
{
    const TFileRead read = ReadRegularFile(path.toStdString(), static_cast<std::size_t>(kLargestFile));
    switch (read.Result) {
    case TFileRead::TResult::Read:
        break;
    case TFileRead::TResult::NotARegularFile:
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "Cannot read %1: it is not a regular file").arg(path));
    case TFileRead::TResult::TooLarge:
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "%1 is too large for an IP set export").arg(path));
    default:
        Fail(QCoreApplication::translate("TqxIPSetTransfer", "Cannot read %1: %2").arg(path, Q(read.Error)));
    }
    TIPSetDocument document;
    try {
        document = ReadIPSetDocument(read.Bytes);
    } catch (const EqxError& e) {
        Fail(QStringLiteral("%1: %2").arg(path, Q(e.Message())));
    }
    return Import(document, ask);
}

TImportReport TqxIPSetTransfer::Import(const TIPSetDocument& document, const TConflictQuestion& ask)
{
    TImportReport report;
    {
        TWriteTransaction transaction(FStore->ConnectionName());
        // The rows as they are now, under the lock: not as they were when the tables were read.
        FStore->ConnectionNames()->Refresh();
        FStore->IPSets()->Refresh();
        const TImportPlan plan = PlanImport(document, ReadStoredIPSets(FStore->IPSets(), FStore->ConnectionNames()),
                                            ReadConnectionNames(FStore->ConnectionNames()), ask);
        for (const TImportRefusal& refusal : plan.Refused)
            report.Refused << Q(RefusalText(refusal));
        if (!report.Refused.isEmpty())
            return report;
        for (const TImportAction& action : plan.Actions)
            ++(action.Kind == TImportAction::TKind::Add ? report.Added : report.Replaced);
        report.Identical = static_cast<int>(plan.Identical.size() - plan.Repeated.size());
        report.Repeated = static_cast<int>(plan.Repeated.size());
        report.Skipped = static_cast<int>(plan.Skipped.size());
        report.NewConnections = static_cast<int>(plan.NewConnections.size());
        if (!report.Changed())
            return report;
        try {
            Write(plan);
            transaction.Commit();
        } catch (const EqxError& e) {
            Fail(QCoreApplication::translate("TqxIPSetTransfer", "Nothing was imported: %1").arg(Q(e.Message())));
        }
    }
    FStore->ConnectionNames()->Refresh();
    FStore->IPSets()->Refresh();
    return report;
}

void TqxIPSetTransfer::Write(const TImportPlan& plan)
{
    QSqlDatabase db = QSqlDatabase::database(FStore->ConnectionName(), false);
    QSqlQuery add(db);
    add.prepare(QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES (?)"));
    for (const std::string& name : plan.NewConnections) {
        add.bindValue(0, Q(name));
        Run(add, [&] { return QCoreApplication::translate("TqxIPSetTransfer", "Adding connection %1").arg(Q(name)); });
    }
    // Names to IDs after the additions; the oldest row wins where a name is stored twice.
    // Kept as stored: an ID beyond what the program can name still names its own row.
    QHash<QString, QVariant> ids;
    QSqlQuery read(db);
    read.setForwardOnly(true);
    read.prepare(QStringLiteral("SELECT ID, CONNECTIONNAME FROM Connections ORDER BY ID DESC"));
    Run(read, [] { return QCoreApplication::translate("TqxIPSetTransfer", "Reading the connections"); });
    while (read.next())
        ids.insert(read.value(1).toString(), read.value(0));

    QSqlQuery insert(db), update(db);
    insert.prepare(QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, "
                                  "CONNECTION) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    update.prepare(QStringLiteral("UPDATE IPSets SET IPSET_NAME = ?, IPADDRESS = ?, SUBNETMASK = ?, GATEWAY = ?, "
                                  "DNS = ?, DHCP = ?, CONNECTION = ? WHERE ID = ?"));
    for (const TImportAction& action : plan.Actions) {
        const TIPSetRecord& s = action.Set;
        QSqlQuery& q = action.Kind == TImportAction::TKind::Add ? insert : update;
        const QVariant values[] = {Q(s.Name), Q(s.Address), Q(s.Mask), Q(s.Gateway), Q(s.Dns), s.Dhcp ? 1 : 0,
                                   s.Connection.empty() ? QVariant() : QVariant(ids.value(Q(s.Connection)))};
        int i = 0;
        for (const QVariant& v : values)
            q.bindValue(i++, v);
        if (action.Kind == TImportAction::TKind::Replace) {
            if (action.StoredId <= 0)
                Fail(QCoreApplication::translate("TqxIPSetTransfer", "The stored IP set %1 cannot be replaced: its ID is outside 1 to 2147483647")
                         .arg(Q(s.Name)));
            q.bindValue(i, action.StoredId);
        }
        Run(q, [&] { return QCoreApplication::translate("TqxIPSetTransfer", "Storing IP set %1").arg(Q(s.Name)); });
    }
}
