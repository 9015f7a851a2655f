// The edit control that holds the document, its subclass, and the one way
// commands write text into it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/window_ids.h"

extern bool InsertMode;  // false: overwrite mode
extern bool WordWrap;

// The current edit control. It is replaced when word wrap is switched, so take
// it at the moment of use and never keep it.
HWND EditorWindow();

void CreateEditor(HWND mainWindow);
// Word wrap switched: a new control with the whole text and the selection.
// False, with the old control and WordWrap as they were, when the new one
// could not take the text (after the out-of-memory message).
bool RecreateEditor(bool wrap);

// The writes of commands. Each is one undo step of its own: one undo right
// after it gives back exactly the text from before, whatever came before it,
// and a second undo brings the result back.

// Replaces the selection (inserts at the caret when it is empty) as one
// undoable step with redrawing suspended; the caret ends after the text.
void ReplaceSelectionText(const std::u16string& text);

// Selects start..end and replaces it as one undoable step.
void ReplaceRange(DWORD start, DWORD end, const std::u16string& text);

// Selects start..end, replaces it as one undoable step, then selects
// selStart..selEnd (positions in the new text) and, with scroll, brings the
// caret into view.
void ReplaceRangeAndSelect(DWORD start, DWORD end, const std::u16string& text, DWORD selStart, DWORD selEnd,
                           bool scroll);

// Replaces the whole text by a zero-terminated one as one undoable step.
void ReplaceWholeText(const char16_t* text);

// An owned copy of the editor's whole text; false, with text empty, when the
// memory for it cannot be had.
bool GetEditorText(std::u16string& text);

// The start of a command on the text: the selection (start <= end), the
// wait cursor, and a copy of the text; false after the out-of-memory message
// when the copy cannot be had.
bool ReadForCommand(DWORD& start, DWORD& end, std::u16string& text);

// How many times the control has said it could not take a text (EN_ERRSPACE).
unsigned ErrSpaceCount();
void CountErrSpace();

// The selection as EM_GETSEL gives it (start <= end).
void GetEditorSelection(DWORD& start, DWORD& end);

void UpdateCaretShape();
