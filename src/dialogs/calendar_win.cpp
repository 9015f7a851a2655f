// Ctrl+K: the month before, this month and the next, at the caret;
// Ctrl+Shift+K: a whole year asked for in the year prompt.
#include "dialogs/calendar.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/input_dialog_win.h"
#include "editor/editor_win.h"

void InsertCalendarThreeMonths() {
  SYSTEMTIME today = {};
  GetLocalTime(&today);
  ReplaceSelectionText(ThreeMonthsAround(today.wYear, today.wMonth));
}

void InsertCalendarYear(HWND owner) {
  int year = 0;
  if (!AskYear(owner, year)) return;
  ReplaceSelectionText(YearCalendar(year));
}
