// The end-to-end driver, dialogs: finding the program's dialogs and message
// boxes, reading and filling their fields, pressing their buttons.
// See driver_win.h for what each routine promises.
#include "driver_internal_win.h"

namespace {

struct TFindWindow {
  DWORD ProcessId;
  const wchar_t* Class;
  std::wstring_view Caption;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  TFindWindow& find = *reinterpret_cast<TFindWindow*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != find.ProcessId || !IsWindowVisible(window)) return TRUE;
  if (find.Class && WindowClass(window) != find.Class) return TRUE;
  if (!find.Caption.empty() && WindowText(window) != find.Caption) return TRUE;
  find.Found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD pid, const wchar_t* windowClass, std::wstring_view caption) {
  TFindWindow find{pid, windowClass, caption, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

// --- Dialogs -----------------------------------------------------------------------

std::vector<HWND> Dialogs(const TZib& zib) { return TopWindows(zib.Process.dwProcessId, L"#32770"); }

// The find dialog's labels carry the static id too, and its caption can be a
// message box's ("Suchen"): its search field tells it apart.

HWND WaitForMessageBox(const TZib& zib, std::wstring_view caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND d : Dialogs(zib))
          if (GetDlgItem(d, 0xFFFF) && !GetDlgItem(d, FindWhatFieldId) && WindowText(d) == caption) found = d;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND WaitForDialog(const TZib& zib, DWORD timeoutMs, std::wstring_view caption) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        std::vector<HWND> dialogs = TopWindows(zib.Process.dwProcessId, L"#32770", caption);
        if (!dialogs.empty()) found = dialogs.front();
        return found != nullptr || !IsRunning(zib);
      },
      timeoutMs);
  return found;
}

std::wstring MessageText(HWND box) { return DialogItemText(box, 0xFFFF); }

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  return item ? WindowText(item) : L"";
}

bool SetDialogItemText(HWND dialog, int id, std::wstring_view text) {
  HWND item = GetDlgItem(dialog, id);
  std::wstring copy(text);
  DWORD_PTR result = 0;
  return item && SendMessageTimeoutW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()), SMTO_ABORTIFHUNG,
                                     SendTimeoutMs, &result);
}

bool PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (!button && id != IDCANCEL) return false;
  return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {

struct TFieldSearch {
  HWND Edit = nullptr;
  HWND Outer = nullptr;
};

BOOL CALLBACK FindFileNameField(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<TFieldSearch*>(param);
  if (GetDlgCtrlID(child) != cmb13) return TRUE;
  if (!search.Outer) search.Outer = child;
  if (!search.Edit && WindowClass(child) == L"Edit") search.Edit = child;
  return TRUE;
}

}  // namespace

HWND FileNameField(HWND dialog) {
  TFieldSearch search;
  EnumChildWindows(dialog, FindFileNameField, reinterpret_cast<LPARAM>(&search));
  return search.Edit ? search.Edit : search.Outer;
}

bool AnswerFileDialog(HWND dialog, std::wstring_view path) {
  HWND field = FileNameField(dialog);
  if (!field) return false;
  std::wstring copy(path);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()), SMTO_ABORTIFHUNG,
                           SendTimeoutMs, &result))
    return false;
  return PressButton(dialog, IDOK);
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

HWND FindOpenDialog(TZib& zib, int* count) {
  HWND found = nullptr;
  int n = 0;
  for (HWND d : Dialogs(zib))
    if (GetDlgItem(d, FindWhatFieldId)) {
      found = d;
      ++n;
    }
  if (count) *count = n;
  return found;
}

int FindDialogCount(TZib& zib) {
  int n = 0;
  WaitForInputHandled(zib);
  FindOpenDialog(zib, &n);
  return n;
}

HWND WaitForFindDialog(TZib& zib) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindOpenDialog(zib)) != nullptr; });
  return found;
}

bool FocusIsIn(TZib& zib, HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(zib.ThreadId, &info)) return false;
  return info.hwndFocus == window || IsChild(window, info.hwndFocus);
}
