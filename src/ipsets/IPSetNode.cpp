#include "ipsets/IPSetNode.h"

#include <QCoreApplication>
#include <QList>
#include <QTreeWidget>

QStringList DetailLines(const TIPSetDetails& details)
{
    return {
        QCoreApplication::translate("TqxIPSetManager", "IP:") + details.Address,
        QCoreApplication::translate("TqxIPSetManager", "Subnet mask :") + details.Mask,
        QCoreApplication::translate("TqxIPSetManager", "Def.Gateway :") + details.Gateway,
        QCoreApplication::translate("TqxIPSetManager", "DNS :") + details.Dns,
        QCoreApplication::translate("TqxIPSetManager", "DHCP :") + details.Dhcp,
        QCoreApplication::translate("TqxIPSetManager", "Connection Name:") + details.Connection,
    };
}

TIPSetNode::TIPSetNode(const QString& name, const QVariant& id, TIPSetDetails details, bool linesNow)
    : QTreeWidgetItem(NodeType), FName(name), FID(id), FDetails(std::move(details))
{
    if (linesNow)
        MakeLines();
    else
        setChildIndicatorPolicy(ShowIndicator);
}

QVariant TIPSetNode::data(int column, int role) const
{
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
        return FName;
    if (column == 0 && role == IDRole)
        return FID;
    return QTreeWidgetItem::data(column, role);
}

void TIPSetNode::setData(int column, int role, const QVariant& value)
{
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        if (value.toString() != FName) {
            FName = value.toString();
            emitDataChanged();
        }
        return;
    }
    if (column == 0 && role == IDRole) {
        if (value != FID) {
            FID = value;
            emitDataChanged();
        }
        return;
    }
    QTreeWidgetItem::setData(column, role, value);
}

void TIPSetNode::MakeLines()
{
    if (!FDetails)
        return;
    QList<QTreeWidgetItem*> lines;
    for (const QString& line : DetailLines(*FDetails))
        lines << new QTreeWidgetItem(QStringList(line));
    FDetails.reset();
    setChildIndicatorPolicy(DontShowIndicatorWhenChildless);
    addChildren(lines);
}

void TIPSetNode::MakeLinesWhenOpened(QTreeWidget* tree)
{
    static const char* const kHooked = "netvaneMakesLinesWhenOpened";
    if (!tree || tree->property(kHooked).toBool())
        return;
    tree->setProperty(kHooked, true);
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [](QTreeWidgetItem* item) {
        if (item && item->type() == NodeType)
            static_cast<TIPSetNode*>(item)->MakeLines();
    });
}
