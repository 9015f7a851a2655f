// The title bar, the status line and the state of the "&Bearbeiten" menu.
#pragma once

#include <windows.h>

#include "base/frame_win.h"

// UpdateTitle, UpdateStatusLine, RequestStatusLine, FlushStatusLine: base/frame_win.h.
void UpdateEditMenu(HMENU popup);
bool HasSelection(HWND editor);
bool CanPasteText();
void NewDocument();  // "&Neu...": the caller has asked about unsaved changes
