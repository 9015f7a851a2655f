// The main window: its class, its procedure with the command dispatch, the
// message loop and the dropping of files.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "app/window_ids.h"

constexpr int StatusBandHeight = 18;

extern HWND MainWindow;
extern HWND StatusLine;
extern int ClientWidth;
extern int ClientHeight;
extern UINT FindReplaceMessage;
extern HACCEL ShortcutTable;

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

void OnDropFiles(HDROP drop);
