// The probe: a DLL that the end-to-end driver hooks into Zib's user-interface
// thread (WH_GETMESSAGE). Menus cannot be read from another process under
// Wine, so the probe reads them where they live and writes them into a shared
// block (the driver polls its answer counter); it also counts and swallows the driver's synchronisation key.
#include <windows.h>
#include <shlobj.h>

#include "base/window_ids.h"
#include "probe_protocol.h"

namespace {

HANDLE BlockMapping = nullptr;
TProbeBlock* Block = nullptr;
UINT RequestMessage = 0;

bool OpenShared() {
  if (Block) return true;
  wchar_t name[96];
  DWORD pid = GetCurrentProcessId();
  wsprintfW(name, L"%s%lu", ProbeBlockPrefix, pid);
  BlockMapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
  if (!BlockMapping) return false;
  Block = static_cast<TProbeBlock*>(MapViewOfFile(BlockMapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(TProbeBlock)));
  return Block != nullptr;
}

bool IsEditor(HWND window) { return window && GetDlgCtrlID(window) == EditorId; }

void AddRow(int kind, HMENU menu, UINT position) {
  if (Block->RowCount >= ProbeMaxRows) return;
  TProbeMenuRow& row = Block->Rows[Block->RowCount];
  ZeroMemory(&row, sizeof row);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = row.Label;
  info.cch = ARRAYSIZE(row.Label) - 1;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return;
  row.Kind = kind;
  row.Id = info.hSubMenu ? 0 : info.wID;
  row.Type = info.fType;
  row.State = info.fState;
  row.IsPopup = info.hSubMenu != nullptr;
  ++Block->RowCount;
}

void ReadMenus(HWND window, bool opened) {
  HWND main = GetAncestor(window, GA_ROOT);
  Block->RowCount = 0;
  HMENU bar = GetMenu(main);
  if (bar) {
    if (opened) SendMessageW(main, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
      AddRow(ProbeBarItem, bar, i);
      HMENU popup = GetSubMenu(bar, i);
      if (!popup) continue;
      if (opened) SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
      int items = GetMenuItemCount(popup);
      for (int k = 0; k < items; ++k) AddRow(ProbePopupItem, popup, k);
    }
  }
  HMENU system = GetSystemMenu(main, FALSE);
  if (system) {
    int count = GetMenuItemCount(system);
    for (int i = 0; i < count; ++i) AddRow(ProbeSystemItem, system, i);
  }
}

HWND RecordedWindow = nullptr;
WNDPROC RecordedPrevious = nullptr;

// Replaces the main window's procedure while commands are recorded: menu and
// shortcut commands (no control handle) are noted and not carried out.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) <= 1) {
    LONG n = Block->CommandCount;
    if (n >= 0 && n < static_cast<LONG>(ARRAYSIZE(Block->Commands))) {
      Block->Commands[n] = LOWORD(wParam);
      Block->CommandSources[n] = HIWORD(wParam);
      Block->CommandCount = n + 1;
    }
    return 0;
  }
  return CallWindowProcW(RecordedPrevious, window, message, wParam, lParam);
}

void RecordCommands(HWND window, bool on) {
  if (on && !RecordedPrevious) {
    RecordedWindow = GetAncestor(window, GA_ROOT);
    Block->CommandCount = 0;
    RecordedPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(RecordedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
  } else if (!on && RecordedPrevious) {
    SetWindowLongPtrW(RecordedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordedPrevious));
    RecordedPrevious = nullptr;
  }
}

// Builds the drop handle the shell would hand over and posts it; the
// receiver's DragFinish frees it.
void PostDrop(HWND window) {
  HWND main = GetAncestor(window, GA_ROOT);
  size_t units = 0;
  while (units + 1 < ARRAYSIZE(Block->DropNames) && (Block->DropNames[units] || Block->DropNames[units + 1])) ++units;
  units += 2;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + units * sizeof(wchar_t));
  if (!memory) return;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = {10, 10};
  drop->fWide = TRUE;
  CopyMemory(drop + 1, Block->DropNames, units * sizeof(wchar_t));
  GlobalUnlock(memory);
  if (!PostMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) GlobalFree(memory);
}

// Planted file failures: the program's import table entries of ReplaceFileW
// and MoveFileExW are pointed at stand-ins that fail as asked.
int Planted = PlantNone;

BOOL WINAPI PlantedReplaceFile(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags, LPVOID, LPVOID) {
  if (Planted == PlantOldFileLost) {
    DeleteFileW(replaced);
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
    return FALSE;
  }
  if (Planted == PlantBothRefused || Planted == PlantReplaceRefused) {
    SetLastError(ERROR_UNABLE_TO_REMOVE_REPLACED);
    return FALSE;
  }
  return ReplaceFileW(replaced, replacement, backup, flags, nullptr, nullptr);
}

HANDLE WINAPI PlantedCreateFile(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE copyFrom) {
  if (Planted == PlantNoNewFiles && disposition == CREATE_NEW) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(name, access, share, security, disposition, flags, copyFrom);
}

BOOL WINAPI PlantedMoveFileEx(LPCWSTR from, LPCWSTR to, DWORD flags) {
  if (Planted == PlantOldFileLost || Planted == PlantBothRefused) {
    SetLastError(Planted == PlantOldFileLost ? ERROR_ACCESS_DENIED : ERROR_SHARING_VIOLATION);
    return FALSE;
  }
  return MoveFileExW(from, to, flags);
}

// Points the program's import of `name` (from any DLL) at `stand`.
void PatchImport(const char* name, void* stand) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress) return;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
    if (!d->OriginalFirstThunk) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD old = 0;
      VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(stand);
      VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
    }
  }
}

void PlantFileFailure(int how) {
  static bool patched = false;
  Planted = how;
  if (patched) return;
  patched = true;
  PatchImport("ReplaceFileW", reinterpret_cast<void*>(PlantedReplaceFile));
  PatchImport("MoveFileExW", reinterpret_cast<void*>(PlantedMoveFileEx));
  PatchImport("CreateFileW", reinterpret_cast<void*>(PlantedCreateFile));
}

}  // namespace


WNDPROC EditClassProc = nullptr;

// Under the editor's subclass: counts the background erases on the screen
// that the subclass passes on to the control itself.
LRESULT CALLBACK CountingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND && IsEditor(window) &&
      GetObjectType(reinterpret_cast<HGDIOBJ>(wParam)) != OBJ_MEMDC)
    InterlockedIncrement(&Block->ScreenErases);
  return CallWindowProcW(EditClassProc, window, message, wParam, lParam);
}

void WatchEditClass(HWND window) {
  HWND editor = GetDlgItem(GetAncestor(window, GA_ROOT), EditorId);
  if (!editor || EditClassProc) return;
  EditClassProc = reinterpret_cast<WNDPROC>(
      SetClassLongPtrW(editor, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingEditProc)));
}

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessage(int code, WPARAM removed, LPARAM lParam) {
  if (code == HC_ACTION && OpenShared()) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (removed == PM_REMOVE && msg->message == WM_TIMER && msg->wParam == 1 && IsEditor(msg->hwnd))
      InterlockedIncrement(&Block->MarkTimers);
    bool isKey = msg->message == WM_KEYDOWN || msg->message == WM_KEYUP || msg->message == WM_SYSKEYDOWN ||
                 msg->message == WM_SYSKEYUP;
    if (isKey && msg->wParam == ProbeSyncKey) {
      if (removed == PM_REMOVE && (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP))
        InterlockedIncrement(&Block->SyncKeysSeen);
      msg->message = WM_NULL;
    } else if (RequestMessage && msg->message == RequestMessage) {
      if (removed == PM_REMOVE) {
        if (msg->wParam == ProbeReadMenus || msg->wParam == ProbeReadMenusOpened)
          ReadMenus(msg->hwnd, msg->wParam == ProbeReadMenusOpened);
        if (msg->wParam == ProbeDropFiles) PostDrop(msg->hwnd);
        if (msg->wParam == ProbeRecordCommands) RecordCommands(msg->hwnd, msg->lParam != 0);
        if (msg->wParam == ProbeWatchEditClass) WatchEditClass(msg->hwnd);
        if (msg->wParam == ProbePlantFileFailure) PlantFileFailure(static_cast<int>(msg->lParam));
        if (msg->wParam == ProbeReadSelection) {
          DWORD start = 0, end = 0;
          SendMessageW(reinterpret_cast<HWND>(msg->lParam), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
          Block->SelectionStart = start;
          Block->SelectionEnd = end;
        }
        InterlockedIncrement(&Block->Requests);
      }
      msg->message = WM_NULL;
    }
  }
  return CallNextHookEx(nullptr, code, removed, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) RequestMessage = RegisterWindowMessageW(ProbeRequestMessage);
  if (reason == DLL_PROCESS_DETACH && Block) {
    UnmapViewOfFile(Block);
    CloseHandle(BlockMapping);
  }
  return TRUE;
}
