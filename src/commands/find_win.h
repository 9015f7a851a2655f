// The modeless find and replace dialogs and F3.
#pragma once

#include <windows.h>

extern HWND FindDialog;  // the open find or replace dialog, or NULL

void PrepareFindRecord();
void OpenFindDialog();
void OpenReplaceDialog();
void FindNext();
void OnFindReplaceMessage(LPARAM lParam);
