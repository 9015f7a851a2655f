// The modeless find and replace dialogs and F3.
#pragma once

#include <windows.h>
#include <commdlg.h>

constexpr int FindTextCapacity = 256;  // units of FindWhat and ReplaceWith, terminator included

// The last search and replacement texts entered in either dialog; F3 goes on
// with them after the dialog has closed.
extern wchar_t FindWhat[FindTextCapacity];
extern wchar_t ReplaceWith[FindTextCapacity];
// The record both dialogs share. Between uses its Flags keep only the options
// FR_WHOLEWORD and FR_MATCHCASE.
extern FINDREPLACEW FindRecord;
extern HWND FindDialog;  // the open find or replace dialog, or NULL

void PrepareFindRecord();
void OpenFindDialog();
void OpenReplaceDialog();
void FindNext();
void OnFindReplaceMessage(LPARAM lParam);
