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
    RefuseUnreadable(sets, QCoreApplication::translate(
                               "TqxIPSetApplier", "The IP set \"%1\" cannot be applied: its %2 value cannot be read"));
    const TqxField connectionId = sets->FieldByName(QStringLiteral("CONNECTION"));
    if (!connections->Locate(QStringLiteral("ID"), connectionId.AsInteger()))
        throw EqxError((connectionId.IsNull()
                            ? QCoreApplication::translate("TqxIPSetApplier",
                                                          "Error Applying IP Set.\nNo connection is chosen for this IP set")
                            : QCoreApplication::translate("TqxIPSetApplier",
                                                          "Error Applying IP Set.\nThe connection chosen for this IP set "
                                                          "is no longer in the connection list"))
                           .toStdString());
    const std::string connection =
        connections->FieldByName(QStringLiteral("CONNECTIONNAME")).AsString().toStdString();
    const QString setName = sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString();
    const auto refuse = [&setName](const std::string& why) {
        throw EqxError(QCoreApplication::translate("TqxIPSetApplier", "The IP set \"%1\" cannot be applied: %2")
                           .arg(setName, QString::fromStdString(why))
                           .toStdString());
    };
    if (const std::optional<TNameFault> fault = CheckConnectionName(connection))
        refuse(ConnectionNameFaultText(
            *fault, QCoreApplication::translate("TqxIPSetApplier", "its connection name \"%1\"")
                        .arg(QString::fromStdString(ShownText(connection)))
                        .toStdString()));
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
            refuse(QCoreApplication::translate("TqxIPSetApplier", "its %1 value \"%2\" is not a dotted IPv4 address")
                       .arg(QLatin1String(columns[i]), QString::fromStdString(ShownText(*raw[i])))
                       .toStdString());
        }
    IPSetApplication application;
    NetshValues& v = application.Values;
    v = {connection, dhcp, values.Address, values.Mask, values.Gateway, values.Dns};
    application.Lines = ComposeNetshCommands(v.Connection, v.Dhcp, v.Address, v.SubnetMask, v.Gateway, v.DnsServer);
    application.SetName = setName;
    return application;
}

void TqxIPSetApplier::RefuseUnreadable(TqxTable* sets, const QString& sentence)
{
    const QString field = sets->UnreadableField();
    if (field.isEmpty())
        return;
    const QString name = sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString();
    throw EqxError(UnreadableText(sentence, name, field).toStdString());
}

QString TqxIPSetApplier::UnreadableText(const QString& sentence, const QString& setName, const QString& field)
{
    return sentence.arg(setName, field);
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
        return QCoreApplication::translate("TqxIPSetApplier", "IP Changed successfully!");
    if (!failures.Whole.empty())
        return QString::fromStdString(ApplyWholeFailureNotice(setName.toStdString(), failures.Whole));
    return QString::fromStdString(ApplyFailureNotice(setName.toStdString(), failures.Address, failures.Dns));
}
