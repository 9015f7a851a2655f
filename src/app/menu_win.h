// The menu bar, the system-menu labels and the shortcut table.
#pragma once

#include <windows.h>

#include "app/menu_table.h"
#include "base/frame_win.h"

HMENU BuildMenuBar();
HACCEL BuildShortcutTable();

// The popup handles, kept for the life of the process.
HMENU MenuPopupHandle(TPopupIndex popup);

// SetViewCheck: base/frame_win.h.
