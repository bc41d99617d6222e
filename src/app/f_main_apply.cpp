// The main window's activate commands.
#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "app/StatusResult.h"

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "ipsets/o_IPSetManager.h"

void TFrmMain::ActivatetheselectedIPSet1Click()
{
    RunCommand([this] { FIPManager->ApplyIPSet(FIPSetID); });
    ShowPickedSet();  // the apply rebuilt the tree
}

void TFrmMain::ApplyIPSetMenuItemClick()
{
    const auto* item = qobject_cast<const QAction*>(sender());
    if (!item)
        return;
    RunCommand([this, id = item->data()] {
        FIPSetID = TqxIPSetManager::PickedID(id);
        FIPManager->ApplyIPSet(FIPSetID);
    });
    ShowPickedSet();
}

void TFrmMain::ApplyingChanged(bool applying)
{
    // Nothing that opens a window or changes the store runs inside an apply: a
    // modal dialog there would hold the apply's time limit and pause until it closed.
    QAction* const commands[] = {
        toolBtnActivateIPSet, ActivatetheselectedIPSet1, ActivatetheselectedIPSet2,
        toolBtnManageConnections, ManageConnections1, ManageConnections2,
        toolBtnAddIPSet, AddNewIPConfigurationSet1, popmnuAddNewIPSet, AddIPSet1, NewIPSetFromAdapter1,
        toolbtnEditIPSet, EdittheselectedIPSet1, EdittheSelectedIPSet2, EditIPSet1,
        toolbtnDeleteIPSet, DeletetheselectedIPSet1, DeletetheselectedIPSet2, DeleteIPSet1,
        RefreshCurrentConfiguration1, About1,
    };
    for (QAction* a : commands)
        a->setEnabled(!applying);
    ApplyIPSet1->setEnabled(!applying);
    if (applying) {
        StatusResult->ClearResult();
    } else if (FCloseWhenApplied) {
        FCloseWhenApplied = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

bool TFrmMain::AskApplyAnyway(const QString& question)
{
    QMessageBox box(QMessageBox::Warning, ProgramCaption(), question, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
