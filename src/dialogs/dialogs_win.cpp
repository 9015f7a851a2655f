// Placeholders until the dialogs land.
#include "dialogs/dialogs_win.h"

void ShowGoToLineDialog(HWND) {}
void ShowCharTableDialog(HWND, bool) {}
void InsertCharacterListing(bool) {}
void InsertCalendarThreeMonths() {}
void InsertCalendarYear(HWND) {}

namespace {
int LayoutUnit = 5;
}

void SetLayoutUnit(int unit) { LayoutUnit = unit; }
