// The main window: its class, its procedure with the command dispatch, the
// message loop and the dropping of files.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "base/frame_win.h"
#include "base/window_ids.h"


extern UINT FindReplaceMessage;
extern HACCEL ShortcutTable;

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

void OnDropFiles(HDROP drop);
