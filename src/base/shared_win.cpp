#include "base/shared_win.h"

#include <shellapi.h>

#include "base/frame_win.h"
#include "base/shared.h"
#include "base/window_ids.h"
#include "platform/wide_win.h"

std::wstring CommandLineArg(int index) {
  if (index < 0) return std::wstring();
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return std::wstring();
  std::wstring arg;
  if (index < count) arg = args[index];
  LocalFree(args);
  return arg;
}

void RestrictDllSearch() {
  SetDllDirectoryW(L"");  // no current folder, on every system
  // Windows 8 and later, and 7 with its loader update.
  using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
  auto setDefault = reinterpret_cast<TSetDefaultDllDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return std::wstring();
    path.resize(path.size() * 2);
  }
}

std::wstring SystemProgramPath(const wchar_t* name) {
  std::wstring path(GetSystemDirectoryW(nullptr, 0), L'\0');
  UINT n = path.empty() ? 0 : GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (n == 0 || n >= path.size()) return std::wstring();
  path.resize(n);
  if (path.back() != L'\\') path += L'\\';
  return path + name;
}

std::wstring ExpandedPath(const wchar_t* path) {
  std::wstring expanded(ExpandEnvironmentStringsW(path, nullptr, 0), L'\0');
  DWORD n = expanded.empty() ? 0 : ExpandEnvironmentStringsW(path, expanded.data(), static_cast<DWORD>(expanded.size()));
  if (n == 0 || n > expanded.size()) return path;
  expanded.resize(n - 1);
  return expanded;
}

std::wstring FullPath(const wchar_t* path) {
  std::wstring full(GetFullPathNameW(path, 0, nullptr, nullptr), L'\0');
  DWORD n = full.empty() ? 0 : GetFullPathNameW(path, static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) return path;
  full.resize(n);
  return full;
}

std::wstring FileApiPath(const wchar_t* path) {
  if (static_cast<std::size_t>(lstrlenW(path)) < LongPathFrom) return path;
  return ToWide(ExtendedLengthPath(FromWide(FullPath(path))));
}

bool FileExists(const wchar_t* path) {
  return GetFileAttributesW(FileApiPath(ExpandedPath(path).c_str()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

HCURSOR CursorBeforeWork = nullptr;
bool Working = false;

}  // namespace

void BeginWork() {
  if (Working) return;
  Working = true;
  CursorBeforeWork = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void EndWork() {
  if (!Working) return;
  Working = false;
  SetCursor(CursorBeforeWork);
}

bool RunningOnWine() {
  static const bool wine = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return wine;
}

void CloseRunningInstance() {
  HWND other = FindWindowW(MainWindowClass, nullptr);
  if (!other) return;
  PostMessageW(other, WM_CLOSE, 0, 0);
  HANDLE pause = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (pause) {
    WaitForSingleObject(pause, 300);
    CloseHandle(pause);
  } else {
    Sleep(300);
  }
}

int ShowIconMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style,
                    const wchar_t* iconName) {
  MessageBeep(MB_ICONASTERISK);
  MSGBOXPARAMSW params = {};
  params.cbSize = sizeof params;
  params.hwndOwner = owner;
  params.hInstance = GetModuleHandleW(nullptr);
  params.lpszText = text;
  params.lpszCaption = caption;
  params.dwStyle = style | MB_USERICON | MB_SETFOREGROUND;
  params.lpszIcon = iconName;
  params.dwContextHelpId = 1;
  params.lpfnMsgBoxCallback = nullptr;
  params.dwLanguageId = 0;
  return MessageBoxIndirectW(&params);
}

void FormatShortDate(wchar_t* buffer, int size) {
  if (size <= 0) return;
  buffer[0] = 0;
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, &now, L"yyyy-MM-dd", buffer, size) <= 0) buffer[0] = 0;
}
