// The editor font, dark mode, the busy text and the About box.
#pragma once

#include <windows.h>

extern HFONT EditorFont;
extern bool DarkMode;
extern const char16_t* BusyText;  // one of the busy texts of app/texts.h

constexpr COLORREF DarkText = RGB(255, 255, 0);
constexpr COLORREF DarkBackground = RGB(0, 0, 0);

void CreateEditorFont();
void InitDarkMode();

// Switches dark mode, repaints the editor and sets the menu check mark.
void SetDarkMode(bool on);

// WM_CTLCOLOREDIT for the editor: the dark colours, or 0 for the system's.
LRESULT EditorColours(HDC dc);

void PaintBusyText(HWND window);

// While an outside program works for an export: the editor is hidden, the
// main window shows the busy text, the wait cursor is up; EndBusy undoes it.
void BeginBusy(const char16_t* text);
void EndBusy();
void ShowAbout(HWND owner);
