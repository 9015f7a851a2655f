// Placeholder until the calendars land.
#include "dialogs/dialogs_win.h"

void InsertCalendarThreeMonths() {}
void InsertCalendarYear(HWND) {}
