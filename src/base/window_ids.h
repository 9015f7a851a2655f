// The names by which the main window and its children are found: the window
// class and the child ids of the editor and the status line.
#pragma once

constexpr wchar_t MainWindowClass[] = L"ZibClass";
constexpr int EditorId = 1001;
constexpr int StatusId = 999;
