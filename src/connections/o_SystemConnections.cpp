#include "connections/o_SystemConnections.h"

#include <QCoreApplication>
#include <utility>

#include "adapters/o_AdapterInformation.h"
#include "app/qxApplication.h"
#include "common/qxError.h"
#include "connections/SystemConnectionWalk.h"
#include "platform/NetworkRegistryView.h"
#include "platform/Registry.h"
#include "store/o_DatabaseConnection.h"

namespace {
QPointer<TqxIPSystemConnections> gIPSystemConnections;
const QString kConnectionNameField = QStringLiteral("CONNECTIONNAME");
}  // namespace

TqxIPSystemConnections::TqxIPSystemConnections(QObject* owner) : QObject(owner) {}

void TqxIPSystemConnections::Initialize() { ReadSystemConnections(); }

void TqxIPSystemConnections::ReadSystemConnections()
{
    std::vector<std::string> adapterNames;
    const TqxNetworkAdapters& adapters = NetworkAdapterManager().Adapters();
    for (int i = 0; i < adapters.Count(); ++i)
        adapterNames.push_back(adapters.Items(i).AdapterName());
    const std::unique_ptr<TqxRegistry> registry = OpenRegistry(TRegistryRoot::LocalMachine);
    ReadSystemConnections(*registry, kNetworkKeyPath, GetWindowsVersion(), adapterNames);
}

void TqxIPSystemConnections::ReadSystemConnections(TqxRegistry& Registry, const std::string& BasePath,
                                                   TqxWindowsVersion Version,
                                                   const std::vector<std::string>& AdapterNames)
{
    FInsertRefused = false;
    try {
        WalkSystemConnections(Registry, BasePath, Version, AdapterNames, [this](const std::string& name) {
            MergeConnectionName(QString::fromStdString(name));
        });
    } catch (...) {
        if (FConnectionsDataSet)
            FConnectionsDataSet->Cancel();
        throw;
    }
}

void TqxIPSystemConnections::MergeConnectionName(const QString& Name)
{
    TqxTable* table = FConnectionsDataSet;
    if (!table)
        return;  // nowhere to add names to
    if (table->Locate(kConnectionNameField, Name) || Name.isEmpty())
        return;
    try {
        table->Insert();
        table->FieldByName(kConnectionNameField).SetValue(Name);
        table->Post();
    } catch (const EqxError& e) {
        // A store that refuses new names (a trigger, say) is still usable: the first
        // refusal is reported, the other names are still tried, and start-up goes on.
        table->Cancel();
        if (std::exchange(FInsertRefused, true))
            return;
        if (FTrayIcon)
            ShowBalloon(FTrayIcon,
                        QCoreApplication::translate("TqxIPSystemConnections", "New network connection %1 could not be added.\r%2")
                            .arg(Name, QString::fromStdString(e.Message())),
                        QSystemTrayIcon::Warning);
        return;
    }
    NotifyNewConnection(Name);
}

void TqxIPSystemConnections::NotifyNewConnection(const QString& Name)
{
    if (!FTrayIcon)
        return;
    ShowBalloon(FTrayIcon, QCoreApplication::translate("TqxIPSystemConnections", "New network connection found.\r%1").arg(Name),
                QSystemTrayIcon::Information);
}

TqxIPSystemConnections* IPSystemConnections()
{
    if (!gIPSystemConnections)
        gIPSystemConnections = new TqxIPSystemConnections(QCoreApplication::instance());
    return gIPSystemConnections;
}
