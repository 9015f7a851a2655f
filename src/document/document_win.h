// Loading and saving the document.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

bool IsWriteProtected(const wchar_t* path);
// Reads and shows the file and takes its name; false (after a message) when
// it cannot be read or shown whole, and then nothing has changed.
bool LoadDocument(HWND editor, const wchar_t* path);
void OpenDocument(HWND owner, HWND editor);
void OpenDosDocument(HWND owner, HWND editor);
void OpenDocumentByName(const wchar_t* path, HWND editor);

// Encodes and writes the editor's text; false (after a message) when the file
// could not be written, and then the document state is as it was.
bool WriteDocument(HWND editor, const wchar_t* path);
void SaveDocument(HWND owner, HWND editor);
void SaveDocumentAs(HWND owner, HWND editor);
void SaveDosDocument(HWND owner, HWND editor);
// Asks about unsaved changes; true when the caller may go on (save_win.cpp).
bool ConfirmDiscardChanges(HWND owner);
void ToggleEncoding();

// Shared by loading and saving.

// The dialogs take a name of any length a path can have.
constexpr DWORD DialogBufferSize = 32768;

// The open (or, with save, the save) dialog with an empty name field, the
// first filter selected; the chosen name, empty when cancelled. The save
// dialog asks before replacing a file and adds ".txt" to a name without an
// extension.
std::wstring AskFileName(HWND owner, bool save, const wchar_t* filter, const wchar_t* title);

