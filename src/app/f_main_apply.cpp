// The main window's activate commands.
#include "app/f_main.h"

void TFrmMain::ActivatetheselectedIPSet1Click() {}
void TFrmMain::ApplyIPSetMenuItemClick() {}
