// Helpers of the end-to-end tests of the text commands: putting text and a
// selection into the editor directly, and finding the find dialog and the
// message boxes it raises.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

#include "driver_win.h"

// The editor's length in units (GetWindowTextLengthW answers 0 across
// processes under Wine; the message itself is answered).
inline long EditorLength(TZib& zib, UINT timeoutMs = 20000) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(Editor(zib), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return -1;
  return static_cast<long>(length);
}

// Puts the text into Zib's editor (WM_SETTEXT, as a paste would; no typing).
inline bool SetEditorText(TZib& zib, const std::wstring& text, UINT timeoutMs = 20000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(Editor(zib), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, timeoutMs, &result) != 0 &&
         EditorLength(zib, timeoutMs) == static_cast<long>(text.size());
}

// Puts a long text into Zib's editor through the clipboard and Ctrl+V
// (a WM_SETTEXT of more than a million units from another process ends the
// receiving process under Wine).
inline bool PasteIntoEditor(TZib& zib, const std::wstring& text, DWORD timeoutMs = 120000) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Editor(zib), EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, &result);
  if (!Keys(zib, L"Ctrl+V")) return false;
  return WaitUntil([&] { return EditorLength(zib, timeoutMs) == static_cast<long>(text.size()); }, timeoutMs);
}

inline void SelectInEditor(TZib& zib, DWORD start, DWORD end) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Editor(zib), EM_SETSEL, start, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG, 5000, &result);
}

inline bool SelectionBecomes(TZib& zib, DWORD start, DWORD end) {
  return WaitUntil(
      [&] {
        DWORD s = 0, e = 0;
        return EditorSelection(zib, s, e) && s == start && e == end;
      },
      5000);
}

// The open find or replace dialog: the one with the search field 0x480.
inline HWND FindOpenDialog(TZib& zib, int* count = nullptr) {
  HWND found = nullptr;
  int n = 0;
  for (HWND d : Dialogs(zib))
    if (GetDlgItem(d, 0x480)) {
      found = d;
      ++n;
    }
  if (count) *count = n;
  return found;
}

inline int FindDialogCount(TZib& zib) {
  int n = 0;
  WaitForInputHandled(zib);
  FindOpenDialog(zib, &n);
  return n;
}

inline HWND WaitForFindDialog(TZib& zib) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindOpenDialog(zib)) != nullptr; });
  return found;
}

// True when the keyboard focus of Zib's thread is the window or inside it.
inline bool FocusIsIn(TZib& zib, HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(zib.ThreadId, &info)) return false;
  return info.hwndFocus == window || IsChild(window, info.hwndFocus);
}
