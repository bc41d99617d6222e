// Connection discovery at start-up.
#include "app/f_main.h"

void TFrmMain::DiscoverConnections() {}
