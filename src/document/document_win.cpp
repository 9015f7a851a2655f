// What loading and saving share: the write-protection test, the file dialogs
// and the encoding toggle.
#include "document/document_win.h"

#include <commdlg.h>

#include "base/frame_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "document/document_state.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

bool IsWriteProtected(const wchar_t* name) {
  const std::wstring path = FileApiPath(name);
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return true;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}

std::wstring AskFileName(HWND owner, bool save, const wchar_t* filter, const wchar_t* title) {
  std::wstring name(DialogBufferSize, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = DialogBufferSize;
  ofn.lpstrTitle = title;
  BOOL chosen = FALSE;
  if (save) {
    ofn.lpstrDefExt = AsWide(DefaultExtension);
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    chosen = GetSaveFileNameW(&ofn);
  } else {
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    chosen = GetOpenFileNameW(&ofn);
  }
  name.resize(chosen ? static_cast<std::size_t>(lstrlenW(name.c_str())) : 0);
  return name;
}

void ToggleEncoding() {
  ApplyEncodingToggle(DocumentState);
  UpdateStatusLine();
}
