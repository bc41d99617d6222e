#include "ipsets/o_IPSetTransfer.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "common/qxError.h"
#include "ipsets/o_StoredIPSets.h"
#include "store/o_DatabaseConnection.h"

namespace {

// Export files are small; a bigger file is no export and is not read into memory.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

QString Q(const std::string& text) { return QString::fromStdString(text); }

[[noreturn]] void Fail(const QString& message) { throw EqxError(message.toStdString()); }

void Run(QSqlQuery& query, const QString& what)
{
    if (!query.exec())
        Fail(QStringLiteral("%1 failed: %2").arg(what, query.lastError().text()));
}

}  // namespace

QString TImportReport::Text() const
{
    if (!Refused.isEmpty())
        return QStringLiteral("Nothing was imported. These IP sets were refused:\n") + Refused.join(QLatin1Char('\n'));
    return QStringLiteral("IP sets added: %1\nIP sets replaced: %2\nIP sets already stored: %3\nIP sets skipped: %4\n"
                          "Connection names added: %5")
        .arg(Added)
        .arg(Replaced)
        .arg(Identical)
        .arg(Skipped)
        .arg(NewConnections);
}

TqxIPSetTransfer::TqxIPSetTransfer(TqxIPDBManager* store) : FStore(store) {}

TIPSetDocument TqxIPSetTransfer::Export() const
{
    TIPSetDocument document;
    document.Connections = ReadConnectionNames(FStore->ConnectionNames());
    for (const TStoredIPSet& set : ReadStoredIPSets(FStore->IPSets(), FStore->ConnectionNames()))
        document.Sets.push_back(set);
    return document;
}

void TqxIPSetTransfer::ExportToFile(const QString& path) const
{
    const std::string text = WriteIPSetDocument(Export());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !file.commit())
        Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

TImportReport TqxIPSetTransfer::ImportFile(const QString& path, const TConflictQuestion& ask)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > kLargestFile)
        Fail(QStringLiteral("%1 is too large for an IP set export").arg(path));
    const QByteArray bytes = file.readAll();
    TIPSetDocument document;
    try {
        document = ReadIPSetDocument(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const EqxError& e) {
        Fail(QStringLiteral("%1: %2").arg(path, Q(e.Message())));
    }
    return Import(document, ask);
}

TImportReport TqxIPSetTransfer::Import(const TIPSetDocument& document, const TConflictQuestion& ask)
{
    const TImportPlan plan = PlanImport(document, ReadStoredIPSets(FStore->IPSets(), FStore->ConnectionNames()),
                                        ReadConnectionNames(FStore->ConnectionNames()), ask);
    TImportReport report;
    for (const TImportRefusal& refusal : plan.Refused)
        report.Refused << Q(RefusalText(refusal));
    if (!report.Refused.isEmpty())
        return report;
    Write(plan);
    for (const TImportAction& action : plan.Actions)
        ++(action.Kind == TImportAction::TKind::Add ? report.Added : report.Replaced);
    report.Identical = static_cast<int>(plan.Identical.size());
    report.Skipped = static_cast<int>(plan.Skipped.size());
    report.NewConnections = static_cast<int>(plan.NewConnections.size());
    return report;
}

void TqxIPSetTransfer::Write(const TImportPlan& plan)
{
    if (plan.Actions.empty() && plan.NewConnections.empty())
        return;
    QSqlDatabase db = QSqlDatabase::database(FStore->ConnectionName(), false);
    if (!db.transaction())
        Fail(QStringLiteral("The import changed nothing: %1").arg(db.lastError().text()));
    try {
        QSqlQuery add(db);
        add.prepare(QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES (?)"));
        for (const std::string& name : plan.NewConnections) {
            add.bindValue(0, Q(name));
            Run(add, QStringLiteral("Adding connection %1").arg(Q(name)));
        }
        // Names to IDs after the additions; the oldest row wins where a name is stored twice.
        // Kept as stored: an ID beyond what the program can name still names its own row.
        QHash<QString, QVariant> ids;
        QSqlQuery read(db);
        read.prepare(QStringLiteral("SELECT ID, CONNECTIONNAME FROM Connections ORDER BY ID DESC"));
        Run(read, QStringLiteral("Reading the connections"));
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
                    Fail(QStringLiteral("The stored IP set %1 cannot be replaced: its ID is outside 1 to 2147483647")
                             .arg(Q(s.Name)));
                q.bindValue(i, action.StoredId);
            }
            Run(q, QStringLiteral("Storing IP set %1").arg(Q(s.Name)));
        }
        if (!db.commit())
            Fail(QStringLiteral("Committing the import failed: %1").arg(db.lastError().text()));
    } catch (const EqxError& e) {
        db.rollback();
        Fail(QStringLiteral("Nothing was imported: %1").arg(Q(e.Message())));
    }
    FStore->ConnectionNames()->Refresh();
    FStore->IPSets()->Refresh();
}
