// Placeholder until the input dialogs land.
#include "dialogs/dialogs_win.h"

namespace {
int LayoutUnit = 5;
}

void SetLayoutUnit(int unit) { LayoutUnit = unit; }
void ShowGoToLineDialog(HWND) {}
