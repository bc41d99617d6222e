#include "app/IPSetFilter.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

TqxIPSetFilter::TqxIPSetFilter(QTreeWidget* tree, QObject* parent) : QObject(parent), FTree(tree)
{
    QAbstractItemModel* model = tree->model();
    // A rebuilt tree brings new nodes; a renamed node may no longer match.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first, int last) {
        if (!parent.isValid() && !FText.isEmpty())
            ApplyRows(first, last);
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                // Marks and pictures change often; only a changed text matters here.
                const bool text = roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole);
                if (text && !topLeft.parent().isValid() && topLeft.column() == 0 && !FText.isEmpty())
                    ApplyRows(topLeft.row(), bottomRight.row());
            });
}

bool TqxIPSetFilter::Shows(const QTreeWidgetItem* node) const
{
    return FText.isEmpty() || node->text(0).contains(FText, Qt::CaseInsensitive);
}

void TqxIPSetFilter::SetText(const QString& text)
{
    if (text == FText || !FTree)
        return;
    FText = text;
    ApplyRows(0, FTree->topLevelItemCount() - 1);
}

void TqxIPSetFilter::ApplyRows(int first, int last)
{
    if (!FTree)
        return;
    bool changed = false;
    for (int i = first; i <= last; ++i) {
        QTreeWidgetItem* node = FTree->topLevelItem(i);
        if (!node)
            continue;
        const bool hide = !Shows(node);
        // Only real changes: each one costs the view a lookup in its hidden rows.
        if (node->isHidden() != hide) {
            node->setHidden(hide);
            changed = true;
        }
    }
    if (changed)
        emit Filtered();
}
