// The editor font, dark mode, the busy text and the About box (what the
// subsystems use of them is declared in base/frame_win.h).
#pragma once

#include <windows.h>

#include "base/frame_win.h"

extern const char16_t* BusyText;  // one of the busy texts of base/texts.h

constexpr COLORREF DarkText = RGB(255, 255, 0);
constexpr COLORREF DarkBackground = RGB(0, 0, 0);

void CreateEditorFont();
void InitDarkMode();

// WM_CTLCOLOREDIT for the editor: the dark colours, or 0 for the system's.
LRESULT EditorColours(HDC dc);

void PaintBusyText(HWND window);

void ShowAbout(HWND owner);
