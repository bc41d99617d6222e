// The main window's commands that open the connection list and the About box.
#include <QPointer>

#include "app/f_main.h"
#include "app/qxApplication.h"
#include "dialogs/f_About.h"
#include "dialogs/f_manageconnections.h"
#include "store/o_DatabaseConnection.h"

void TFrmMain::ManageConnections1Click()
{
    RunCommand([this] {
        // One use: made, bound, shown and freed; the guard covers a program that ends
        // while the list is open. The trees are not refilled afterwards.
        QPointer<TFrmManageConnections> dialog = new TFrmManageConnections(this);
        try {
            dialog->SetDataSet(IPDBManager()->ConnectionNames());
            dialog->exec();
        } catch (...) {
            delete dialog.data();
            throw;
        }
        delete dialog.data();
    });
}

void TFrmMain::About1Click()
{
    RunCommand([] { ShowAboutBox(); });
}
