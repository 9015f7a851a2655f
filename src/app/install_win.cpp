// Placeholders until the installation lands: nothing is installed or removed.
#include "app/install_win.h"

int RunRemoval() { return 2; }
int RunInstallation(bool) { return 0; }
