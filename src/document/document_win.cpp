// What loading and saving share: the write-protection test, the file dialogs
// and the encoding toggle.
#include "document/document_win.h"

#include <commdlg.h>

#include "app/main_window_win.h"
#include "app/texts.h"
#include "app/title_win.h"
#include "document/document_state.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

bool IsWriteProtected(const wchar_t* path) {
  DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return true;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}

bool AskFileName(HWND owner, bool save, const wchar_t* filter, const wchar_t* title,
                 wchar_t (&name)[DialogBufferSize]) {
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name;
  ofn.nMaxFile = DialogBufferSize;
  ofn.lpstrTitle = title;
  if (save) {
    ofn.lpstrDefExt = AsWide(DefaultExtension);
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    return GetSaveFileNameW(&ofn) != FALSE;
  }
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  return GetOpenFileNameW(&ofn) != FALSE;
}

void ToggleEncoding() {
  ApplyEncodingToggle(DocumentState);
  UpdateStatusLine();
}
