// The commands that rewrite the editor's text in place.
#pragma once

#include <windows.h>

#include <string>

void ConvertCodePoint();                      // Alt+C, Alt+X
void ToggleCommentForDocument();              // Ctrl+Q, markers by the file's extension
void CleanUpDocument();                       // Ctrl+B
void ConvertCase(bool upper);                 // Ctrl+Shift+U, Ctrl+U
void SortSelectedLines(HWND editor, bool ascending);  // Ctrl+T, Ctrl+Shift+T
std::u16string DateTimeStamp();               // "yyyy-MM-dd\tHH:mm:ss", local time
void InsertDateTime(LPARAM request);          // F5; request 1 comes from a ".LOG" file
void DuplicateLine(HWND editor);              // Ctrl+D
