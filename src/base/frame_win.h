// The program's frame as every subsystem sees it: the main window and its
// client size, the refreshes of the title bar and the status line, the check
// marks of the "&Ansicht" menu, the editor's font and dark mode, and the busy
// state of an export. The top of the program (app/) makes the frame and
// carries these out; the subsystems below it only call them.
#pragma once

#include <windows.h>

constexpr int StatusBandHeight = 18;

extern HWND MainWindow;
extern HWND StatusLine;
extern int ClientWidth;
extern int ClientHeight;

// The title bar and the status line at once.
void UpdateTitle();
void UpdateStatusLine();
// The status line once the current burst of input has been handled: every
// key, mouse action and command asks for it, and the message loop refreshes
// it when no input or posted message is waiting (FlushStatusLine), so a
// burst costs one refresh and the line never stays stale after it.
void RequestStatusLine();
void FlushStatusLine();

// Sets or clears the check mark of an item of the "&Ansicht" popup.
void SetViewCheck(unsigned short command, bool checked);

extern HFONT EditorFont;
extern bool DarkMode;
// Switches dark mode, repaints the editor and sets the menu check mark.
void SetDarkMode(bool on);

// While an outside program works for an export: the editor is hidden, the
// main window shows the busy text (one of the busy texts of base/texts.h),
// the wait cursor is up; EndBusy undoes it.
void BeginBusy(const char16_t* text);
void EndBusy();
