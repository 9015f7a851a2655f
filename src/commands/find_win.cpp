#include "commands/find_win.h"

HWND FindDialog = nullptr;

void PrepareFindRecord() {}
void OpenFindDialog() {}
void OpenReplaceDialog() {}
void FindNext() {}
void OnFindReplaceMessage(LPARAM) {}
