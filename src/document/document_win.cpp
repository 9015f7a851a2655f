// What loading and saving share: the write-protection test, the file dialogs,
// the one place that turns a file problem into a message, the encoding toggle
// and the question about unsaved changes.
#include "document/document_win.h"

#include <commdlg.h>

#include "app/main_window_win.h"
#include "app/title_win.h"
#include "document/document_state.h"
#include "document/messages.h"
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

std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring reason;
  if (n > 0 && buffer) reason.assign(buffer, n);
  if (buffer) LocalFree(buffer);
  while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' '))
    reason.pop_back();
  if (reason.empty()) reason = L"Fehler " + std::to_wstring(error);
  return reason;
}

void ReportFileProblem(const wchar_t* headline, const wchar_t* path, std::wstring_view detail, UINT icon) {
  std::wstring text = headline;
  text += L"\r\n";
  text += path;
  if (!detail.empty()) {
    text += L"\r\n\r\n";
    text += detail;
  }
  MessageBoxW(MainWindow, text.c_str(), ZibCaption, MB_OK | icon);
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
    ofn.lpstrDefExt = DefaultExtension;
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
