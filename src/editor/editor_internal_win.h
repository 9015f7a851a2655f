// What the editor's sections share: the current control and how it is
// subclassed.
#pragma once

#include <windows.h>

// The current control (EditorWindow gives it to the rest of the program).
extern HWND Editor;

// Puts the subclass procedure (editor_keys_win.cpp) in front of the control's own.
void SubclassEditor(HWND editor);
