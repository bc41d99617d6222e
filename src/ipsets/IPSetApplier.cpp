#include "ipsets/IPSetApplier.h"

#include "common/qxError.h"
#include "ipsets/ApplyReport.h"
#include "platform/ProcessRunner.h"
#include "store/o_DatabaseConnection.h"

std::optional<IPSetApplication> TqxIPSetApplier::Prepare(TqxTable* sets, TqxTable* connections, int id)
{
    if (!sets->Locate(QStringLiteral("ID"), id))
        return std::nullopt;
    RefuseUnreadable(sets, QStringLiteral("applied"));
    const TqxField connectionId = sets->FieldByName(QStringLiteral("CONNECTION"));
    if (!connections->Locate(QStringLiteral("ID"), connectionId.AsInteger()))
        throw EqxError(connectionId.IsNull()
                           ? "Error Applying IP Set.\nNo connection is chosen for this IP set"
                           : "Error Applying IP Set.\nThe connection chosen for this IP set is no longer in the "
                             "connection list");
    const std::string connection =
        connections->FieldByName(QStringLiteral("CONNECTIONNAME")).AsString().toStdString();
    const auto field = [sets](const char* name) { return sets->FieldByName(QLatin1String(name)).AsString().toStdString(); };
    IPSetApplication application;
    application.Lines =
        ComposeNetshCommands(connection, sets->FieldByName(QStringLiteral("DHCP")).AsBoolean(), field("IPADDRESS"),
                             field("SUBNETMASK"), field("GATEWAY"), field("DNS"));
    application.SetName = sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString();
    return application;
}

void TqxIPSetApplier::RefuseUnreadable(TqxTable* sets, const QString& doing)
{
    const QString field = sets->UnreadableField();
    if (field.isEmpty())
        return;
    throw EqxError(QStringLiteral("The IP set \"%1\" cannot be %2: its %3 value cannot be read")
                       .arg(sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString(), doing, field)
                       .toStdString());
}

IPSetFailures TqxIPSetApplier::Run(const IPSetApplication& application) const
{
    ProcessRunOptions options;
    options.ShowWindow = 0;  // SW_HIDE
    options.TimeLimit = TimeLimit;
    options.Pause = Pause;
    options.Pump = Pump;
    IPSetFailures failures;
    failures.Address = FailureReason(ExecuteAndWait(application.Lines.Address, options));
    failures.Dns = FailureReason(ExecuteAndWait(application.Lines.Dns, options));
    return failures;
}

QString TqxIPSetApplier::ResultText(const QString& setName, const IPSetFailures& failures)
{
    if (failures.Empty())
        return QStringLiteral("IP Changed successfully!");
    return QString::fromStdString(ApplyFailureNotice(setName.toStdString(), failures.Address, failures.Dns));
}
