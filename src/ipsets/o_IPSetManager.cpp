#include "ipsets/o_IPSetManager.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QSystemTrayIcon>
#include <QTreeWidget>

#include "adapters/o_AdapterInformation.h"
#include "app/f_WaitBox.h"
#include "app/qxApplication.h"
#include "common/qxError.h"
#include "common/qxText.h"
#include "ipsets/IPSetApplier.h"
#include "connections/SystemConnectionWalk.h"
#include "ipsets/o_StoredIPSets.h"
#include "platform/NetworkRegistryView.h"
#include "platform/Registry.h"
#include "platform/WindowsVersion.h"
#include "store/o_DatabaseConnection.h"

namespace {
// The connection discovery's own walk: NetworkManager's devices on Linux, the
// registry's connection name of each adapter GUID on Windows.
std::vector<TAdapterConnection> SystemConnectionMapping(const std::vector<std::string>& adapters)
{
    std::vector<TAdapterConnection> mapping;
    const std::unique_ptr<TqxRegistry> registry = OpenRegistry(TRegistryRoot::LocalMachine);
    WalkAdapterConnections(*registry, kNetworkKeyPath, GetWindowsVersion(), adapters,
                           [&](const std::string& adapter, const std::string& name) {
                               if (!name.empty())
                                   mapping.push_back({adapter, name});
                           });
    return mapping;
}
}  // namespace

TqxIPSetManager::TqxIPSetManager(QObject* owner) : QObject(owner), FConnectionMapper(SystemConnectionMapping) {}

void TqxIPSetManager::SetIPSetTreeView(QTreeWidget* value) { FIPSetTreeView = value; }
void TqxIPSetManager::SetAdapterTreeview(QTreeWidget* value) { FAdapterTreeview = value; }
void TqxIPSetManager::SetIPSetDataSet(TqxTable* value) { FIPSetDataSet = value; }
void TqxIPSetManager::SetConnectionsDataSet(TqxTable* value) { FConnectionsDataSet = value; }
void TqxIPSetManager::SetTrayIcon(QSystemTrayIcon* value) { FTrayIcon = value; }

void TqxIPSetManager::UpdateUI()
{
    BuildIPSetTree();
    BuildAdapterTree();
    UpdateMarks();
}

void TqxIPSetManager::RefreshCurrentConfiguration()
{
    BuildAdapterTree();
    UpdateMarks();
}

void TqxIPSetManager::UpdateMarks()
{
    const TqxNetworkAdapters& adapters = (FAdapterManager ? *FAdapterManager : NetworkAdapterManager()).Adapters();
    std::vector<std::string> adapterNames;
    for (int i = 0; i < adapters.Count(); ++i)
        adapterNames.push_back(adapters.Items(i).AdapterName());
    const std::vector<TAdapterConnection> mapping =
        FConnectionMapper ? FConnectionMapper(adapterNames) : std::vector<TAdapterConnection>();
    const std::vector<TConnectionInEffect> found = FindSetsInEffect(ReadStoredIPSets(FIPSetDataSet, FConnectionsDataSet), adapters, mapping);

    FInEffect.clear();
    QStringList tip{ApplicationTitle()};
    for (const TConnectionInEffect& entry : found) {
        for (int id : entry.SetIds)
            if (id > 0)  // 0: a set whose ID names no row; no node may take its mark
                FInEffect.insert(id);
        tip << QString::fromStdString(InEffectLine(entry));
    }
    if (FIPSetTreeView) {
        for (int i = 0; i < FIPSetTreeView->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = FIPSetTreeView->topLevelItem(i);
            const bool on = FInEffect.contains(node->data(0, IDRole).toInt());
            node->setData(0, InEffectRole, on);
            node->setIcon(0, on ? FInEffectIcon : QIcon());
            node->setData(0, Qt::AccessibleDescriptionRole, on ? QStringLiteral("in effect") : QString());
        }
    }
    if (FTrayIcon)
        FTrayIcon->setToolTip(tip.join(QLatin1Char('\n')));
    emit InEffectChanged();
}

QString TqxIPSetManager::GetConnectionName(int connectionId)
{
    QString result;
    if (FConnectionsDataSet->Locate(QStringLiteral("ID"), connectionId))
        result = FConnectionsDataSet->FieldByName(QStringLiteral("CONNECTIONNAME")).AsString();
    return result;
}

void TqxIPSetManager::BuildIPSetTree()
{
    if (!FIPSetTreeView)
        return;
    FIPSetTreeView->clear();
    TqxTable* t = FIPSetDataSet;
    t->Refresh();  // also ends a pending row: saved when changed, dropped otherwise
    t->First();
    const int n = t->RecordCount();

    const TqxField name = t->FieldByName(QStringLiteral("IPSET_NAME"));
    const TqxField ip = t->FieldByName(QStringLiteral("IPADDRESS"));
    const TqxField mask = t->FieldByName(QStringLiteral("SUBNETMASK"));
    const TqxField gateway = t->FieldByName(QStringLiteral("GATEWAY"));
    const TqxField dns = t->FieldByName(QStringLiteral("DNS"));
    const TqxField dhcp = t->FieldByName(QStringLiteral("DHCP"));
    const TqxField connection = t->FieldByName(QStringLiteral("CONNECTION"));

    // Nodes are made first and handed to the tree in one go: adding them one by
    // one costs a layout pass each, which thousands of sets make noticeable.
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(n);
    // A value another program stored that does not fit its field shows blank; the set is
    // still listed, and applying or editing it says which field is at fault.
    const auto shown = [](const TqxField& field) { return field.IsReadable() ? field.AsString() : QString(); };
    try {
        for (int i = 0; i < n; ++i) {
            auto* node = new QTreeWidgetItem(QStringList(shown(name)));
            nodes << node;
            node->setData(0, IDRole, NodeID(t->CurrentId()));
            const QString details[6] = {
                QStringLiteral("IP:") + shown(ip),
                QStringLiteral("Subnet mask :") + shown(mask),
                QStringLiteral("Def.Gateway :") + shown(gateway),
                QStringLiteral("DNS :") + shown(dns),
                QStringLiteral("DHCP :") + shown(dhcp),
                QStringLiteral("Connection Name:") +
                    (connection.IsReadable() ? GetConnectionName(connection.AsInteger()) : QString()),
            };
            for (const QString& line : details)
                node->addChild(new QTreeWidgetItem(QStringList(line)));
            t->Next();
        }
    } catch (...) {
        FIPSetTreeView->addTopLevelItems(nodes);  // the nodes made so far stay, as the error leaves
        throw;
    }
    FIPSetTreeView->addTopLevelItems(nodes);
}

QVariant TqxIPSetManager::NodeID(const QVariant& storedId)
{
    // An ID the program cannot name is kept as text: read as a number it could be another row's.
    return TqxTable::IsUsableId(storedId) ? storedId : QVariant(storedId.toString());
}

int TqxIPSetManager::PickedID(const QVariant& nodeId)
{
    if (!TqxTable::IsUsableId(nodeId))
        throw EqxError(QStringLiteral("The IP set with the ID %1 cannot be picked: IDs run from 1 to 2147483647")
                           .arg(nodeId.toString())
                           .toStdString());
    return nodeId.toInt();
}

void TqxIPSetManager::SetNodeBold(QTreeWidgetItem* node, bool bold)
{
    if (!node)
        return;
    QFont font = node->font(0);
    font.setBold(bold);
    node->setFont(0, font);
}

void TqxIPSetManager::BuildAdapterTree()
{
    if (!FAdapterTreeview)
        return;
    TqxNetworkAdapterManager& manager = FAdapterManager ? *FAdapterManager : NetworkAdapterManager();
    manager.EnumerateNetworkAdapters();  // a failure leaves the previous nodes alone
    FAdapterTreeview->clear();

    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const auto line = [](const char* format, const std::string& value) {
        return QString::fromStdString(FormatS(format, value));
    };
    const TqxNetworkAdapters& adapters = manager.Adapters();
    const int count = adapters.Count();
    QList<QTreeWidgetItem*> nodes;
    try {
        for (int i = 0; i < count; ++i) {
            const TqxNetworkAdapter& a = adapters.Items(i);
            auto* node = new QTreeWidgetItem(
                QStringList(text(a.FriendlyName()) + ' ' + text(a.Description()) + ' ' + text(a.AdapterName())));
            nodes << node;
            SetNodeBold(node, true);
            node->addChild(new QTreeWidgetItem(QStringList(line("MacAddress   : %s", a.MacAddress()))));
            node->addChild(new QTreeWidgetItem(QStringList(line("DHCP Enabled : %s", BoolToStr(a.DHCPEnabled())))));
            node->addChild(new QTreeWidgetItem(QStringList(line("WINS Enabled : %s", BoolToStr(a.HasWINS())))));
            const std::pair<const char*, const TTextList*> sections[9] = {
                {"IP Addresses", &a.IPAddressList()},
                {"Subnet Mask", &a.IPMaskList()},
                {"Gateway", &a.GatewayList()},
                {"DHCP Server", &a.DHCPList()},
                {"DNS Server", &a.DNSServerList()},
                {"WINS Primary Server", &a.PrimaryWINSList()},
                {"WINS Secondary Server", &a.SecondaryWINSList()},
                {"Anycast IP Address List", &a.AnycastIPAddrList()},
                {"MultiCast IP Address List", &a.MulticastIPAddrList()},
            };
            for (const auto& [caption, list] : sections) {
                auto* section = new QTreeWidgetItem(node, QStringList(QLatin1String(caption)));
                SetNodeBold(section, true);
                for (const std::string& entry : *list)
                    if (!entry.empty())
                        section->addChild(new QTreeWidgetItem(QStringList(text(entry))));
            }
        }
    } catch (...) {
        FAdapterTreeview->addTopLevelItems(nodes);
        throw;
    }
    FAdapterTreeview->addTopLevelItems(nodes);
    // Adapters start collapsed with their sections already open, so one click
    // on an adapter shows everything it has.
    FAdapterTreeview->expandAll();
    for (QTreeWidgetItem* node : nodes)
        node->setExpanded(false);
}

namespace {
void SetWaitBoxPosition(int position)
{
    if (FrmWaitBox)
        FrmWaitBox->ProgressBar1->setValue(position);
    QCoreApplication::processEvents();
}
}  // namespace

void TqxIPSetManager::ApplyIPSet(int AIPSet)
{
    if (FApplying)
        return;
    const std::optional<IPSetApplication> application =
        TqxIPSetApplier::Prepare(FIPSetDataSet, FConnectionsDataSet, AIPSet);
    if (!application)
        return;
    TqxIPSetApplier applier;
    applier.TimeLimit = FTimeLimit;
    applier.Pause = FPause;
    // The window repaints and answers while netsh runs and during the pause.
    applier.Pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };

    FApplying = true;
    emit ApplyingChanged(true);
    IPSetFailures failures;
    std::exception_ptr error;
    ShowWaitBox();
    try {
        SetWaitBoxPosition(50);
        failures = applier.Run(*application);
    } catch (...) {
        error = std::current_exception();
    }
    SetWaitBoxPosition(100);
    HideWaitBox();
    FApplying = false;
    emit ApplyingChanged(false);

    UpdateUI();
    if (error)
        std::rethrow_exception(error);
    // The result stays in the status bar after the balloon is gone.
    ShowResult(FTrayIcon, TqxIPSetApplier::ResultText(application->SetName, failures),
               failures.Empty() ? QSystemTrayIcon::Information : QSystemTrayIcon::Critical);
}
