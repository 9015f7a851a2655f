// What the editor's sections share: the current control and how it is
// subclassed.
#pragma once

#include <windows.h>

#include <string>

// The current control (EditorWindow gives it to the rest of the program).
extern HWND Editor;

// Puts the subclass procedure (editor_keys_win.cpp) in front of the control's own.
void SubclassEditor(HWND editor);

// Undo steps. A command's write is a step of its own and closes it behind
// itself, as an undo does (CloseUndoStep); the next edit from the keyboard
// or the clipboard then calls BeginTypedEdit before it reaches the control,
// which starts a new step. Edits in between keep the control's own grouping.
void BeginTypedEdit();
void CloseUndoStep();
// True while the next edit would start a new step (the last one is closed).
bool UndoStepIsClosed();

// Selects start..end and replaces it as a typed edit: part of the undo step
// the keys before it started (overwrite mode, word deletion).
void ReplaceTyped(DWORD start, DWORD end, const std::u16string& text);
