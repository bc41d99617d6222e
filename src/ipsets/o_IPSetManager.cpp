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
#include "ipsets/AddressGuard.h"
#include "ipsets/ConnectionAdapters.h"
#include "ipsets/IPSetNode.h"
#include "ipsets/TreeLines.h"
#include "ipsets/o_StoredIPSets.h"
#include "store/o_DatabaseConnection.h"

static_assert(TIPSetNode::IDRole == TqxIPSetManager::IDRole);

TqxIPSetManager::TqxIPSetManager(QObject* owner) : QObject(owner), FConnectionMapper(SystemConnectionMapping) {}

void TqxIPSetManager::SetIPSetTreeView(QTreeWidget* value)
{
    FIPSetTreeView = value;
    TIPSetNode::MakeLinesWhenOpened(value);
}
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
            // Only a mark that changed is touched: the rest of the tree stays as the user left it.
            if (node->data(0, InEffectRole).toBool() == on)
                continue;
            node->setData(0, InEffectRole, on);
            node->setIcon(0, on ? FInEffectIcon : QIcon());
            node->setData(0, Qt::AccessibleDescriptionRole, on ? QCoreApplication::translate("TqxIPSetManager", "in effect") : QString());
        }
    }
    if (FTrayIcon)
        FTrayIcon->setToolTip(tip.join(QLatin1Char('\n')));
    emit InEffectChanged();
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
    const QHash<int, QString> connectionNames = ConnectionNamesByID(FConnectionsDataSet);

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
    const bool linesNow = n <= TIPSetNode::kLinesAtOnce;
    // A value another program stored that does not fit its field shows blank; the set is
    // still listed, and applying or editing it says which field is at fault.
    const auto shown = [](const TqxField& field) { return field.IsReadable() ? field.AsString() : QString(); };
    // Values are kept as the table holds them (shared, not copied); the flag's two
    // texts are made afresh on each read, so one copy of each serves every set.
    const QString yes = QString::fromLatin1(BoolToStr(true)), no = QString::fromLatin1(BoolToStr(false));
    const auto flag = [&](const TqxField& field) {
        const QString text = shown(field);
        return text == yes ? yes : text == no ? no : text;
    };
    try {
        for (int i = 0; i < n; ++i) {
            TIPSetDetails details{
                shown(ip), shown(mask), shown(gateway), shown(dns), flag(dhcp),
                connection.IsReadable() ? connectionNames.value(connection.AsInteger()) : QString(),
            };
            nodes << new TIPSetNode(shown(name), NodeID(t->CurrentId()), std::move(details), linesNow);
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
        throw EqxError(QCoreApplication::translate("TqxIPSetManager", "The IP set with the ID %1 cannot be picked: IDs run from 1 to 2147483647")
                           .arg(nodeId.toString())
                           .toStdString());
    return nodeId.toInt();
}

void TqxIPSetManager::BuildAdapterTree()
{
    if (!FAdapterTreeview)
        return;
    TqxNetworkAdapterManager& manager = FAdapterManager ? *FAdapterManager : NetworkAdapterManager();
    manager.EnumerateNetworkAdapters();  // a failure leaves the previous nodes alone

    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const auto line = [](const char* format, const std::string& value) {
        return QCoreApplication::translate("TqxIPSetManager", format).arg(QString::fromStdString(value));
    };
    const auto yesNo = [](bool value) {
        return (value ? QCoreApplication::translate("TqxIPSetManager", "True")
                      : QCoreApplication::translate("TqxIPSetManager", "False")).toStdString();
    };
    // A flag's line is known by its caption, whatever it says after it.
    const auto flag = [&](const char* key, const char* format, const std::string& value) {
        TTreeLine l;
        l.Key = QLatin1String(key);
        l.Text = line(format, value);
        return l;
    };
    const TqxNetworkAdapters& adapters = manager.Adapters();
    const int count = adapters.Count();
    std::vector<TTreeLine> nodes;
    nodes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TqxNetworkAdapter& a = adapters.Items(i);
        // An adapter is known by its name, so a refresh finds the node the user opened.
        TTreeLine& node = nodes.emplace_back();
        node.Key = text(a.AdapterName());
        node.Text = text(a.FriendlyName()) + ' ' + text(a.Description()) + ' ' + text(a.AdapterName());
        node.Bold = true;
        node.DataRole = AdapterNameRole;
        node.Data = node.Key;
        node.Children.push_back(flag("MacAddress", QT_TRANSLATE_NOOP("TqxIPSetManager", "MacAddress   : %1"), a.MacAddress()));
        node.Children.push_back(
            flag("DHCP Enabled", QT_TRANSLATE_NOOP("TqxIPSetManager", "DHCP Enabled : %1"), yesNo(a.DHCPEnabled())));
        node.Children.push_back(
            flag("WINS Enabled", QT_TRANSLATE_NOOP("TqxIPSetManager", "WINS Enabled : %1"), yesNo(a.HasWINS())));
        const std::pair<const char*, const TTextList*> sections[9] = {
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "IP Addresses"), &a.IPAddressList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "Subnet Mask"), &a.IPMaskList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "Gateway"), &a.GatewayList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "DHCP Server"), &a.DHCPList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "DNS Server"), &a.DNSServerList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "WINS Primary Server"), &a.PrimaryWINSList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "WINS Secondary Server"), &a.SecondaryWINSList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "Anycast IP Address List"), &a.AnycastIPAddrList()},
            {QT_TRANSLATE_NOOP("TqxIPSetManager", "MultiCast IP Address List"), &a.MulticastIPAddrList()},
        };
        for (const auto& [caption, list] : sections) {
            // Adapters start collapsed with their sections already open, so one
            // click on an adapter shows everything it has.
            TTreeLine& section = node.Children.emplace_back();
            section.Text = QCoreApplication::translate("TqxIPSetManager", caption);
            section.Bold = true;
            section.OpenWhenMade = true;
            for (const std::string& entry : *list)
                if (!entry.empty())
                    section.Children.emplace_back().Text = text(entry);
        }
    }
    ShowTreeLines(FAdapterTreeview->invisibleRootItem(), nodes);
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
    std::optional<IPSetApplication> application =
        TqxIPSetApplier::Prepare(FIPSetDataSet, FConnectionsDataSet, AIPSet);
    if (!application)
        return;
    TqxIPSetApplier applier;
    applier.TimeLimit = FTimeLimit;
    applier.Pause = FPause;
    applier.Elevation = FElevation;
    // The window repaints and answers while netsh runs and during the pause.
    applier.Pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };

    FApplying = true;
    emit ApplyingChanged(true);
    IPSetFailures failures;
    std::exception_ptr error;
    bool declined = false;
    ShowWaitBox();
    try {
        SetWaitBoxPosition(25);
        declined = !AddressMayBeTaken(*application, applier.Pump);
        if (!declined) {
            SetWaitBoxPosition(50);
            failures = applier.Run(*application);
        }
    } catch (...) {
        error = std::current_exception();
    }
    SetWaitBoxPosition(100);
    HideWaitBox();
    FApplying = false;
    emit ApplyingChanged(false);
    if (declined && !error)
        return;  // nothing was run: nothing changed

    UpdateUI();
    if (error)
        std::rethrow_exception(error);
    // The result stays in the status bar after the balloon is gone.
    ShowResult(FTrayIcon, TqxIPSetApplier::ResultText(application->SetName, failures),
               failures.Empty() ? QSystemTrayIcon::Information : QSystemTrayIcon::Critical);
}

bool TqxIPSetManager::AddressMayBeTaken(IPSetApplication& application, const std::function<void()>& pump)
{
    const TAddressGuard guard(CurrentConfiguration());
    const TAddressGuardResult look =
        guard.Check(application.Values.Connection, application.Values.Dhcp, application.Values.Address,
                    application.Values.SubnetMask, pump);
    application.Lines.Address = TAddressGuard::AddressLine(application.Lines.Address, look.Check);
    if (!look.InUse())
        return true;
    const QString question =
        tr("%1 is already used by the device %2 on %3. Apply %4 anyway?")
            .arg(QString::fromStdString(application.Values.Address), QString::fromStdString(look.HardwareAddress),
                 QString::fromStdString(application.Values.Connection), application.SetName);
    // The question is no part of the wait.
    HideWaitBox();
    const bool apply = FAddressInUseQuestion && FAddressInUseQuestion(question);
    if (apply)
        ShowWaitBox();
    return apply;
}
