#include "ipsets/IPSetApplier.h"

#include <QCoreApplication>
#include <QDir>

#include "adapters/SystemAddressCheck.h"
#include "common/qxError.h"
#include "controls/IPSetRules.h"
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
    const QString setName = sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString();
    const auto refuse = [&setName](const std::string& why) {
        throw EqxError(QCoreApplication::translate("TqxIPSetApplier", "The IP set \"%1\" cannot be applied: %2")
                           .arg(setName, QString::fromStdString(why))
                           .toStdString());
    };
    if (const std::optional<TNameFault> fault = CheckConnectionName(connection))
        refuse(ConnectionNameFaultText(*fault, "its connection name \"" + ShownText(connection) + "\""));
    const char* const columns[] = {"IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS"};
    const auto field = [sets](const char* name) {
        return sets->FieldByName(QLatin1String(name)).AsString().toStdString();
    };
    TStaticValues values{field(columns[0]), field(columns[1]), field(columns[2]), field(columns[3])};
    const bool dhcp = sets->FieldByName(QStringLiteral("DHCP")).AsBoolean();
    // A value with blanks or tags of its own would become several netsh arguments.
    if (!dhcp)
        if (const std::optional<TIPv4Field> fault = CanonicalStaticValues(values)) {
            const std::string* const raw[] = {&values.Address, &values.Mask, &values.Gateway, &values.Dns};
            const auto i = static_cast<std::size_t>(*fault);
            refuse(std::string("its ") + columns[i] + " value \"" + ShownText(*raw[i]) +
                   "\" is not a dotted IPv4 address");
        }
    IPSetApplication application;
    NetshValues& v = application.Values;
    v = {connection, dhcp, values.Address, values.Mask, values.Gateway, values.Dns};
    application.Lines = ComposeNetshCommands(v.Connection, v.Dhcp, v.Address, v.SubnetMask, v.Gateway, v.DnsServer);
    application.SetName = setName;
    return application;
}

void TqxIPSetApplier::RefuseUnreadable(TqxTable* sets, const QString& doing)
{
    const QString field = sets->UnreadableField();
    if (field.isEmpty())
        return;
    const QString name = sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString();
    throw EqxError(UnreadableText(name, doing, field).toStdString());
}

QString TqxIPSetApplier::UnreadableText(const QString& setName, const QString& doing, const QString& field)
{
    return QStringLiteral("The IP set \"%1\" cannot be %2: its %3 value cannot be read").arg(setName, doing, field);
}

IPSetFailures TqxIPSetApplier::Run(const IPSetApplication& application) const
{
    ProcessRunOptions options;
    options.ShowWindow = 0;  // SW_HIDE
    options.TimeLimit = TimeLimit;
    options.Pause = Pause;
    options.Pump = Pump;
    NetshSteps steps;
    if (Elevation.IsElevated()) {
        steps = RunNetshLines(application.Lines, options);
    } else {
        ElevationSeam elevation = Elevation;
        if (elevation.HelperProgram.empty())
            elevation.HelperProgram = QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString();
        steps = ApplyThroughHelper(application.Values, elevation, options);
    }
    IPSetFailures failures;
    failures.Whole = steps.Whole;
    if (steps.Whole.empty()) {
        failures.Address = FailureReason(steps.Address);
        if (!steps.DnsSkipped)
            failures.Dns = FailureReason(steps.Dns);
        // The system may still find the new address another device's once netsh is done.
        if (!application.Values.Dhcp && failures.Address.empty())
            failures.Address = SystemAddressConflict(application.Values.Address, kAddressCheckLimit, Pump);
    }
    return failures;
}

QString TqxIPSetApplier::ResultText(const QString& setName, const IPSetFailures& failures)
{
    if (failures.Empty())
        return QStringLiteral("IP Changed successfully!");
    if (!failures.Whole.empty())
        return QString::fromStdString(ApplyWholeFailureNotice(setName.toStdString(), failures.Whole));
    return QString::fromStdString(ApplyFailureNotice(setName.toStdString(), failures.Address, failures.Dns));
}
