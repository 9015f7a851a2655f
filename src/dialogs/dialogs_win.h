// The in-memory dialogs and the generated texts.
#pragma once

#include <windows.h>

void ShowGoToLineDialog(HWND owner);          // Ctrl+G
void ShowCharTableDialog(HWND owner, bool ansi);  // F4, Shift+F4
void InsertCharacterListing(bool ansi);       // Ctrl+3, Ctrl+0
void InsertCalendarThreeMonths();             // Ctrl+K
void InsertCalendarYear(HWND owner);          // Ctrl+Shift+K

// The layout unit of the in-memory dialog templates.
void SetLayoutUnit(int unit);
