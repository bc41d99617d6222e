// The main window's add and edit commands, and a new set from an adapter of the
// current configuration tree.
#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "dialogs/f_IPSet.h"
#include "ipsets/o_IPSetManager.h"
#include "store/o_DatabaseConnection.h"

namespace {

// One use of the editor: bound, loaded, shown, freed. The pointer guard covers a
// program that ends while the dialog is still open.
template <class Load>
void RunIPSetEditor(QWidget* owner, TqxIPSetManager* manager, const QString& caption, Load load)
{
    QPointer<TFrmIPSet> dialog = new TFrmIPSet(owner);
    try {
        dialog->SetIPSetDataSet(IPDBManager()->IPSets());
        dialog->SetConnectionsDataSet(IPDBManager()->ConnectionNames());
        // "Take Current Settings" reads the snapshot the Current Configuration page shows.
        dialog->SetCurrentConfiguration(manager->CurrentConfiguration());
        load(dialog.data());
        dialog->setWindowTitle(caption);
        dialog->exec();
    } catch (...) {
        delete dialog.data();
        throw;
    }
    delete dialog.data();
}

}  // namespace

void TFrmMain::AddNewIPConfigurationSet1Click()
{
    RunCommand([this] {
        TqxTable* sets = IPDBManager()->IPSets();
        const int before = sets->RecordCount();
        RunIPSetEditor(this, FIPManager, QCoreApplication::translate("TFrmMain", "Add new IP Set"), [](TFrmIPSet* d) { d->AddIPSet(); });
        // A saved set is the current row: it becomes the picked one.
        if (sets->RecordCount() > before)
            FIPSetID = sets->FieldByName(QStringLiteral("ID")).AsInteger();
        RefreshStoredSets();
    });
}

void TFrmMain::EdittheselectedIPSet1Click()
{
    RunCommand([this] {
        if (!IPDBManager()->IPSets()->Locate(QStringLiteral("ID"), FIPSetID))
            return;
        RunIPSetEditor(this, FIPManager, QCoreApplication::translate("TFrmMain", "Edit existing IP Set"), [](TFrmIPSet* d) { d->EditIPSet(); });
        // The tray's sub-menu is rebuilt too: it shows the sets' names.
        RefreshStoredSets();
    });
}

void TFrmMain::CreateAdapterMenu()
{
    NewIPSetFromAdapter1 = NewAction("NewIPSetFromAdapter1", tr("New IP Set from This Adapter..."), -1);
    NewIPSetFromAdapter1->setIcon(AddNewIPConfigurationSet1->icon());
    connect(NewIPSetFromAdapter1, &QAction::triggered, this, &TFrmMain::NewIPSetFromAdapter1Click);
    AdapterPopUpMenu = new QMenu(this);
    AdapterPopUpMenu->setObjectName(QStringLiteral("AdapterPopUpMenu"));
    AdapterPopUpMenu->addAction(NewIPSetFromAdapter1);
    AdapterTreeview->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(AdapterTreeview, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The node under the pointer, or the current one when the keyboard asked.
        QTreeWidgetItem* node = AdapterTreeview->itemAt(pos);
        QPoint at = pos;
        if (node)
            AdapterTreeview->setCurrentItem(node);
        else if ((node = AdapterTreeview->currentItem()))
            at = AdapterTreeview->visualItemRect(node).center();
        if (node)
            AdapterPopUpMenu->popup(AdapterTreeview->viewport()->mapToGlobal(at));
    });
}

void TFrmMain::NewIPSetFromAdapter1Click()
{
    QTreeWidgetItem* node = AdapterTreeview->currentItem();
    while (node && node->parent())
        node = node->parent();
    if (!node)
        return;
    const QString adapter = node->data(0, TqxIPSetManager::AdapterNameRole).toString();
    RunCommand([this, adapter] {
        TqxTable* sets = IPDBManager()->IPSets();
        const int before = sets->RecordCount();
        RunIPSetEditor(this, FIPManager, QCoreApplication::translate("TFrmMain", "Add new IP Set"), [&adapter](TFrmIPSet* d) {
            d->AddIPSet();
            d->TakeSettingsOfAdapter(adapter);
        });
        // As with Add: a saved set is picked, and shown where the sets are.
        const bool saved = sets->RecordCount() > before;
        if (saved)
            FIPSetID = sets->FieldByName(QStringLiteral("ID")).AsInteger();
        RefreshStoredSets();
        if (saved)
            MainPageControl->setCurrentIndex(0);
    });
}
