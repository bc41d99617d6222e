// The filter field over the IP set tree: a view of the sets whose name holds
// the typed text. The store, the tray's sub-menu, --list and export see all sets.
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/IPSetFilter.h"
#include "app/f_main.h"
#include "ipsets/o_IPSetManager.h"
#include "store/o_DatabaseConnection.h"

void TFrmMain::CreateSetFilter()
{
    edtFilterIPSets = new QLineEdit(TabSheet1);
    edtFilterIPSets->setObjectName(QStringLiteral("edtFilterIPSets"));
    edtFilterIPSets->setPlaceholderText(tr("Filter IP Sets"));
    edtFilterIPSets->setAccessibleName(tr("Filter IP Sets"));
    if (auto* page = qobject_cast<QBoxLayout*>(TabSheet1->layout()))
        page->insertWidget(0, edtFilterIPSets);
    IPSetFilter = new TqxIPSetFilter(IPSetTreeView, this);
    connect(edtFilterIPSets, &QLineEdit::textChanged, IPSetFilter, &TqxIPSetFilter::SetText);
    connect(IPSetFilter, &TqxIPSetFilter::Filtered, this, &TFrmMain::SetFilterApplied);

    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        MainPageControl->setCurrentIndex(0);
        edtFilterIPSets->setFocus(Qt::ShortcutFocusReason);
        edtFilterIPSets->selectAll();
    });
    auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), edtFilterIPSets, nullptr, nullptr, Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, edtFilterIPSets, &QLineEdit::clear);
}

void TFrmMain::SetFilterApplied()
{
    QTreeWidgetItem* current = IPSetTreeView->currentItem();
    while (current && current->parent())
        current = current->parent();
    if (current && current->isHidden()) {
        IPSetTreeView->clearSelection();
        IPSetTreeView->setCurrentItem(nullptr);
    }
    if (FIPSetID == 0)
        return;
    for (int i = 0; i < IPSetTreeView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* node = IPSetTreeView->topLevelItem(i);
        const QVariant id = node->data(0, TqxIPSetManager::IDRole);
        if (TqxTable::IsUsableId(id) && id.toInt() == FIPSetID) {
            if (node->isHidden()) {
                FIPSetID = 0;
                lblCurrentIPInfo->clear();
            }
            return;
        }
    }
}
