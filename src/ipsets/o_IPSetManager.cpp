#include "ipsets/o_IPSetManager.h"

#include <QSystemTrayIcon>
#include <QTreeWidget>

#include "store/o_DatabaseConnection.h"

TqxIPSetManager::TqxIPSetManager(QObject* owner) : QObject(owner) {}

void TqxIPSetManager::SetIPSetTreeView(QTreeWidget* value) { FIPSetTreeView = value; }
void TqxIPSetManager::SetAdapterTreeview(QTreeWidget* value) { FAdapterTreeview = value; }
void TqxIPSetManager::SetIPSetDataSet(TqxTable* value) { FIPSetDataSet = value; }
void TqxIPSetManager::SetConnectionsDataSet(TqxTable* value) { FConnectionsDataSet = value; }
void TqxIPSetManager::SetTrayIcon(QSystemTrayIcon* value) { FTrayIcon = value; }

void TqxIPSetManager::UpdateUI()
{
    BuildIPSetTree();
    BuildAdapterTree();
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
    const TqxField id = t->FieldByName(QStringLiteral("ID"));
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
    try {
        for (int i = 0; i < n; ++i) {
            auto* node = new QTreeWidgetItem(QStringList(name.AsString()));
            nodes << node;
            node->setData(0, IDRole, id.AsInteger());
            const QString details[6] = {
                QStringLiteral("IP:") + ip.AsString(),
                QStringLiteral("Subnet mask :") + mask.AsString(),
                QStringLiteral("Def.Gateway :") + gateway.AsString(),
                QStringLiteral("DNS :") + dns.AsString(),
                QStringLiteral("DHCP :") + dhcp.AsString(),
                QStringLiteral("Connection Name:") + GetConnectionName(connection.AsInteger()),
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

void TqxIPSetManager::BuildAdapterTree()
{
    // Filled from the adapter model once that lands.
}
