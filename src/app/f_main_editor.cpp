// The main window's add and edit commands.
#include "app/f_main.h"

void TFrmMain::AddNewIPConfigurationSet1Click() {}
void TFrmMain::EdittheselectedIPSet1Click() {}
