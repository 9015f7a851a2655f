// The menu bar, the system-menu labels and the shortcut table.
#pragma once

#include <windows.h>

#include "app/menu_table.h"

HMENU BuildMenuBar();
HACCEL BuildShortcutTable();

// The popup handles, kept for the life of the process.
HMENU MenuPopupHandle(TPopupIndex popup);

// Sets or clears the check mark of an item of the "&Ansicht" popup.
void SetViewCheck(unsigned short command, bool checked);
