// Placeholder until the character table lands.
#include "dialogs/dialogs_win.h"

void ShowCharTableDialog(HWND, bool) {}
