// What the editor's sections share: the current control, how it is
// subclassed, and the text buffer handed over by EM_GETHANDLE.
#pragma once

#include <windows.h>

// The current control (EditorWindow gives it to the rest of the program).
extern HWND Editor;

// Puts the subclass procedure (editor_keys_win.cpp) in front of the control's own.
void SubclassEditor(HWND editor);

// The text buffer the control handed over with EM_GETHANDLE, when it came
// from this window; once handed over it is the program's to free after the
// control is gone (editor_text_win.cpp).
HLOCAL TextHandleTakenFrom(HWND window);
void ForgetTakenText();
