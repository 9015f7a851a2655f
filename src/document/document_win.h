// Loading and saving the document.
#pragma once

#include <windows.h>

#include <string_view>

bool IsWriteProtected(const wchar_t* path);
bool LoadDocument(HWND editor, const wchar_t* path);
void OpenDocument(HWND owner, HWND editor);
void OpenDosDocument(HWND owner, HWND editor);
void OpenDocumentByName(const wchar_t* path, HWND editor);

void SaveDocument(HWND owner, HWND editor);
void SaveDocumentAs(HWND owner, HWND editor);
void SaveDosDocument(HWND owner, HWND editor);
void ToggleEncoding();

// Asks about unsaved changes; true when the caller may go on.
bool ConfirmDiscardChanges(HWND owner);
