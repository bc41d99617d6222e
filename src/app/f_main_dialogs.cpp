// The main window's commands that open the connection list and the About box.
#include "app/f_main.h"

void TFrmMain::ManageConnections1Click() {}
void TFrmMain::About1Click() {}
