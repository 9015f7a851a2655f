// The title bar, the status line and the state of the "&Bearbeiten" menu.
#pragma once

#include <windows.h>

void UpdateTitle();
// The status line at once.
void UpdateStatusLine();
// The status line once the current burst of input has been handled: every
// key, mouse action and command asks for it, and the message loop refreshes
// it when no input or posted message is waiting (FlushStatusLine), so a
// burst costs one refresh and the line never stays stale after it.
void RequestStatusLine();
void FlushStatusLine();
void UpdateEditMenu(HMENU popup);
bool HasSelection(HWND editor);
bool CanPasteText();
void NewDocument();  // "&Neu...": the caller has asked about unsaved changes
