// The number prompts (go to line, the year of the year calendar) and the
// shell side of the in-memory dialog template that every modal dialog of the
// editor runs from.
#pragma once

#include <windows.h>

#include "dialogs/dialog_template.h"

// Every position and size in the editor's dialogs is a multiple of it; set
// once at start-up.
extern int LayoutUnit;

// Asks for a year from 1583 to 9999, starting with the current one. True with
// year set when the user confirms; false when the prompt is cancelled or
// cannot be shown.
bool AskYear(HWND owner, int& year);

// Puts the caret at the start of line n of the editor, counting from 1;
// numbers outside the document go to its first or last line.
void GoToLine(int n);

// Fills the shared template with box and runs it modally; the result of
// DialogBoxIndirectParamW (-1 when the dialog cannot be created).
INT_PTR RunTemplateDialog(HWND owner, const TDialogBox& box, DLGPROC procedure, LPARAM param);

// Creates one control of a dialog and gives it font.
HWND CreateDialogControl(HWND dialog, const TControlSpec& control, HFONT font);
