// Connection discovery at start-up.
#include "app/f_main.h"
#include "connections/o_SystemConnections.h"
#include "store/o_DatabaseConnection.h"

void TFrmMain::DiscoverConnections()
{
    TqxIPSystemConnections* discovery = IPSystemConnections();
    discovery->SetIPSetDataSet(IPDBManager()->IPSets());
    discovery->SetConnectionsDataSet(IPDBManager()->ConnectionNames());
    discovery->SetTrayIcon(NetvaneTrayIcon);
    discovery->Initialize();
}
