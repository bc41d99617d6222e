// The main window's activate commands.
#include <QAction>
#include <QMenu>

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "ipsets/o_IPSetManager.h"

void TFrmMain::ActivatetheselectedIPSet1Click()
{
    RunCommand([this] { FIPManager->ApplyIPSet(FIPSetID); });
}

void TFrmMain::ApplyIPSetMenuItemClick()
{
    const auto* item = qobject_cast<const QAction*>(sender());
    if (!item)
        return;
    FIPSetID = item->data().toInt();
    RunCommand([this] { FIPManager->ApplyIPSet(FIPSetID); });
}

void TFrmMain::ApplyingChanged(bool applying)
{
    // One application at a time: the commands that start one wait until it ends.
    for (QAction* a : {toolBtnActivateIPSet, ActivatetheselectedIPSet1, ActivatetheselectedIPSet2})
        a->setEnabled(!applying);
    ApplyIPSet1->setEnabled(!applying);
}
