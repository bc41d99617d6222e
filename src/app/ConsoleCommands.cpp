#include "app/ConsoleCommands.h"

#include "app/ConsoleTransfer.h"

#include <QCoreApplication>

#include "common/qxError.h"
#include "ipsets/AddressGuard.h"
#include "ipsets/IPSetApplier.h"
#include "store/StoreLocation.h"
#include "store/o_DatabaseConnection.h"

namespace {
const QString kForce = QStringLiteral("force");

// A tab or a line break inside a name would break the one-set-a-line form.
QString Cell(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

void SayError(QTextStream& err, const QString& message)
{
    err << "netvane: " << QString::fromStdString(MessageWithFullStop(message.toStdString())) << Qt::endl;
}

// Runs work on the program's store; a store that cannot be opened is reported as the window reports it.
int OnStore(QTextStream& err, const std::function<int(TqxIPDBManager&)>& work)
{
    try {
        TqxIPDBManager* store = IPDBManager();
        store->InitializeDataBase();
        if (!store->MadeStorePath().isEmpty())
            err << StoreMadeMessage(store->MadeStorePath()) << Qt::endl;
        return work(*store);
    } catch (const std::exception& e) {
        SayError(err, QString::fromUtf8(e.what()));
        return 1;
    }
}
}  // namespace

int ListIPSets(TqxTable* sets, TqxTable* connections, QTextStream& out)
{
    const auto text = [sets](const char* name) { return Cell(sets->FieldByName(QLatin1String(name)).AsString()); };
    // A value another program stored that does not fit its field is listed blank.
    const TqxField connectionId = sets->FieldByName(QStringLiteral("CONNECTION"));
    const TqxField dhcp = sets->FieldByName(QStringLiteral("DHCP"));
    for (sets->First(); !sets->Eof(); sets->Next()) {
        QString connection;
        if (connectionId.IsReadable() && connections->Locate(QStringLiteral("ID"), connectionId.AsInteger()))
            connection = Cell(connections->FieldByName(QStringLiteral("CONNECTIONNAME")).AsString());
        QStringList cells{text("IPSET_NAME"), connection};
        if (dhcp.IsReadable() && dhcp.AsBoolean())
            cells << QStringLiteral("DHCP");
        else
            cells << text("IPADDRESS") << text("SUBNETMASK") << text("GATEWAY") << text("DNS");
        out << cells.join(QLatin1Char('\t')) << '\n';
    }
    out.flush();
    return 0;
}

int ApplyIPSetNamed(TqxTable* sets, TqxTable* connections, const QString& name, const TqxIPSetApplier& applier,
                    QTextStream& out, QTextStream& err, const TAddressGuard* guard, bool force)
{
    QList<int> ids;
    for (sets->First(); !sets->Eof(); sets->Next())
        if (sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString() == name)
            ids << sets->FieldByName(QStringLiteral("ID")).AsInteger();
    if (ids.isEmpty()) {
        SayError(err, QCoreApplication::translate("ConsoleCommands", "no IP set is named \"%1\"").arg(name));
        return 1;
    }
    if (ids.size() > 1) {
        SayError(err, QCoreApplication::translate("ConsoleCommands", "%1 IP sets are named \"%2\"; give one of them another name to apply it")
                          .arg(ids.size())
                          .arg(name));
        return 1;
    }
    try {
        std::optional<IPSetApplication> application = TqxIPSetApplier::Prepare(sets, connections, ids.first());
        if (!application) {  // deleted by another program since it was read
            SayError(err, QCoreApplication::translate("ConsoleCommands", "no IP set is named \"%1\"").arg(name));
            return 1;
        }
        if (guard) {
            const TAddressGuardResult look = guard->Check(application->Values.Connection, application->Values.Dhcp,
                                                          application->Values.Address, application->Values.SubnetMask, {});
            application->Lines.Address = TAddressGuard::AddressLine(application->Lines.Address, look.Check);
            if (look.InUse()) {
                const QString inUse =
                    QCoreApplication::translate("ConsoleCommands", "%1 is already used by the device %2 on %3")
                        .arg(QString::fromStdString(application->Values.Address),
                             QString::fromStdString(look.HardwareAddress),
                             QString::fromStdString(application->Values.Connection));
                if (!force) {
                    SayError(err, QCoreApplication::translate("ConsoleCommands",
                                                              "%1, so %2 was not applied; --force applies it anyway")
                                      .arg(inUse, application->SetName));
                    return 1;
                }
                err << "netvane: "
                    << QCoreApplication::translate("ConsoleCommands", "%1; applying %2 all the same, as --force asks.")
                           .arg(inUse, application->SetName)
                    << Qt::endl;
            }
        }
        const IPSetFailures failures = applier.Run(*application);
        if (!failures.Empty()) {
            SayError(err, TqxIPSetApplier::ResultText(application->SetName, failures));
            return 1;
        }
        out << TqxIPSetApplier::ResultText(application->SetName, failures) << Qt::endl;
        return 0;
    } catch (const std::exception& e) {
        SayError(err, QString::fromUtf8(e.what()));
        return 1;
    }
}

std::vector<ConsoleAction> ConsoleActions()
{
    std::vector<ConsoleAction> actions;
    actions.push_back({QCommandLineOption(QStringLiteral("list"),
                                          QCoreApplication::translate("ConsoleCommands", "Lists the stored IP sets, one a line, tab-separated: name, "
                                                         "connection, then DHCP or the IP address, subnet mask, "
                                                         "gateway and DNS server.")),
                       [](const QString&, const ConsoleSettings&, QTextStream& out, QTextStream& err) {
                           return OnStore(err, [&out](TqxIPDBManager& store) {
                               return ListIPSets(store.IPSets(), store.ConnectionNames(), out);
                           });
                       }});
    actions.push_back({QCommandLineOption(QStringLiteral("apply"),
                                          QCoreApplication::translate("ConsoleCommands", "Applies the stored IP set of that name, as the window "
                                                         "does, and tells how it went (exit status 0 or 1)."),
                                          QCoreApplication::translate("ConsoleCommands", "NAME")),
                       [](const QString& name, const ConsoleSettings& settings, QTextStream& out, QTextStream& err) {
                           return OnStore(err, [&](TqxIPDBManager& store) {
                               const TAddressGuard guard;
                               return ApplyIPSetNamed(store.IPSets(), store.ConnectionNames(), name,
                                                      TqxIPSetApplier(), out, err, &guard, settings.contains(kForce));
                           });
                       },
                       {QCommandLineOption(kForce,
                                           QCoreApplication::translate(
                                               "ConsoleCommands",
                                               "With --apply: applies the set even when another device on the "
                                               "network is found to use its address; without it that ends with "
                                               "exit status 1 and changes nothing."))}});
    AddTransferActions(actions, OnStore);
    return actions;
}
