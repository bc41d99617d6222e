#include "ipsets/IPSetApplier.h"

#include "common/qxError.h"
#include "platform/ProcessRunner.h"
#include "store/o_DatabaseConnection.h"

std::optional<IPSetApplication> TqxIPSetApplier::Prepare(TqxTable* sets, TqxTable* connections, int id)
{
    if (!sets->Locate(QStringLiteral("ID"), id))
        return std::nullopt;
    if (!connections->Locate(QStringLiteral("ID"), sets->FieldByName(QStringLiteral("CONNECTION")).AsInteger()))
        throw EqxError("Error Applying IP Set");
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

QStringList TqxIPSetApplier::Run(const IPSetApplication& application) const
{
    ProcessRunOptions options;
    options.ShowWindow = 0;  // SW_HIDE
    options.TimeLimit = TimeLimit;
    options.Pause = Pause;
    options.Pump = Pump;
    QStringList failures;
    const std::string address = FailureReason(ExecuteAndWait(application.Lines.Address, options));
    if (!address.empty())
        failures << QStringLiteral("setting the address failed: %1").arg(QString::fromStdString(address));
    const std::string dns = FailureReason(ExecuteAndWait(application.Lines.Dns, options));
    if (!dns.empty())
        failures << QStringLiteral("setting the DNS server failed: %1").arg(QString::fromStdString(dns));
    return failures;
}

QString TqxIPSetApplier::ResultText(const QString& setName, const QStringList& failures)
{
    if (failures.isEmpty())
        return QStringLiteral("IP Changed successfully!");
    return QStringLiteral("%1 was not applied: %2")
        .arg(setName.isEmpty() ? QStringLiteral("The IP set") : setName, failures.join(QStringLiteral("; ")));
}
