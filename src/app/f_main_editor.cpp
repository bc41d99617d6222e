// The main window's add and edit commands.
#include <QPointer>

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "dialogs/f_IPSet.h"
#include "store/o_DatabaseConnection.h"

namespace {

// One use of the editor: bound, loaded, shown, freed. The pointer guard covers a
// program that ends while the dialog is still open.
template <class Load>
void RunIPSetEditor(QWidget* owner, const QString& caption, Load load)
{
    QPointer<TFrmIPSet> dialog = new TFrmIPSet(owner);
    try {
        dialog->SetIPSetDataSet(IPDBManager()->IPSets());
        dialog->SetConnectionsDataSet(IPDBManager()->ConnectionNames());
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
        RunIPSetEditor(this, QStringLiteral("Add new IP Set"), [](TFrmIPSet* d) { d->AddIPSet(); });
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
        RunIPSetEditor(this, QStringLiteral("Edit existing IP Set"), [](TFrmIPSet* d) { d->EditIPSet(); });
        // The tray's sub-menu is rebuilt too: it shows the sets' names.
        RefreshStoredSets();
    });
}
