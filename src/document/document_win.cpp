// Placeholders until loading and saving land.
#include "document/document_win.h"

#include "document/document_state.h"

bool IsWriteProtected(const wchar_t*) { return false; }
bool LoadDocument(HWND, const wchar_t*) { return false; }
void OpenDocument(HWND, HWND) {}
void OpenDosDocument(HWND, HWND) {}
void OpenDocumentByName(const wchar_t*, HWND) {}
void SaveDocument(HWND, HWND) {}
void SaveDocumentAs(HWND, HWND) {}
void SaveDosDocument(HWND, HWND) {}
void ToggleEncoding() {}
bool ConfirmDiscardChanges(HWND) { return !DocumentState.Modified; }
