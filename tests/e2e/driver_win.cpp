// The end-to-end driver. See driver_win.h for what each routine promises.
#include "driver_win.h"

#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "probe_protocol.h"

namespace {

constexpr UINT SendTimeoutMs = 5000;
constexpr int EditorChildId = 1001;
constexpr int StatusChildId = 999;

HMODULE ProbeModule = nullptr;
HOOKPROC ProbeProc = nullptr;
HANDLE KillJob = nullptr;

// Every started process joins one job that ends them all when the test
// program itself ends, however it ends.
void JoinKillJob(HANDLE process) {
  if (!KillJob) {
    KillJob = CreateJobObjectW(nullptr, nullptr);
    if (!KillJob) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(KillJob, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  AssignProcessToJobObject(KillJob, process);
}

bool LoadProbe() {
  if (ProbeProc) return true;
  std::wstring path = ProgramFolder() + L"\\zib_probe.dll";
  ProbeModule = LoadLibraryW(path.c_str());
  if (!ProbeModule) {
    std::fwprintf(stderr, L"e2e: cannot load %ls\n", path.c_str());
    return false;
  }
  ProbeProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(ProbeModule, "ProbeGetMessage")));
  return ProbeProc != nullptr;
}

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

std::vector<HWND> TopWindows(DWORD pid, const wchar_t* windowClass, std::wstring_view caption = L"") {
  TFindWindow find{pid, windowClass, caption, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

std::wstring Lower(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(c));
  return out;
}

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

INPUT UnicodeInput(wchar_t unit, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wScan = unit;
  in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return in;
}

void Send(std::vector<INPUT>& inputs) {
  if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  inputs.clear();
}

WORD KeyByName(std::wstring_view name) {
  if (name.size() == 1) {
    wchar_t c = static_cast<wchar_t>(std::towupper(name[0]));
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return c;
    if (c == L'.') return VK_OEM_PERIOD;
    if (c == L',') return VK_OEM_COMMA;
    if (c == L'?') return VK_OEM_4;
    return 0;
  }
  std::wstring n = Lower(name);
  if (n[0] == L'f' && n.size() <= 3 && std::iswdigit(n[1])) {
    int f = std::stoi(n.substr(1));
    return f >= 1 && f <= 24 ? static_cast<WORD>(VK_F1 + f - 1) : 0;
  }
  static const struct {
    const wchar_t* Name;
    WORD Vk;
  } names[] = {
      {L"space", VK_SPACE},   {L"backspace", VK_BACK}, {L"back", VK_BACK},    {L"delete", VK_DELETE},
      {L"del", VK_DELETE},    {L"insert", VK_INSERT},  {L"ins", VK_INSERT},   {L"enter", VK_RETURN},
      {L"return", VK_RETURN}, {L"tab", VK_TAB},        {L"esc", VK_ESCAPE},   {L"escape", VK_ESCAPE},
      {L"home", VK_HOME},     {L"end", VK_END},        {L"left", VK_LEFT},    {L"right", VK_RIGHT},
      {L"up", VK_UP},         {L"down", VK_DOWN},      {L"pgup", VK_PRIOR},   {L"pgdn", VK_NEXT},
  };
  for (const auto& entry : names)
    if (n == entry.Name) return entry.Vk;
  return 0;
}

ULONG_PTR GdiplusToken = 0;

bool PngEncoder(CLSID& clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (std::wstring_view(codecs[i].MimeType) == L"image/png") {
      clsid = codecs[i].Clsid;
      return true;
    }
  return false;
}

// Copies a screen rectangle into a new bitmap; nullptr on failure.
HBITMAP CaptureScreen(const RECT& r) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BOOL ok = BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!ok) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

// Posts a request to the probe and waits for its answer.
bool AskProbe(TZib& zib, TProbeRequest request, LPARAM parameter, DWORD timeoutMs) {
  if (!zib.Block || !IsRunning(zib)) return false;
  LONG before = zib.Block->Requests;
  PostMessageW(zib.Main, RegisterWindowMessageW(ProbeRequestMessage), request, parameter);
  return WaitUntil([&] { return zib.Block->Requests > before || !IsRunning(zib); }, timeoutMs) &&
         zib.Block->Requests > before;
}

constexpr wchar_t ThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t ThemeValueName[] = L"AppsUseLightTheme";

}  // namespace

TZib::~TZib() { StopZib(*this); }

// --- Paths -------------------------------------------------------------------

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L"\\/"));
}

std::wstring ZibPath() { return ProgramFolder() + L"\\Zib.exe"; }

std::wstring UnixFolderFrom(const char* variable) {
  const char* dir = std::getenv(variable);
  if (!dir || !*dir) return L"";
  std::wstring path = L"Z:";
  for (const char* p = dir; *p; ++p) path += *p == '/' ? L'\\' : wchar_t(*p);
  return path;
}

std::wstring ScratchFolder(std::wstring_view name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"zib-e2e";
  CreateDirectoryW(folder.c_str(), nullptr);
  folder += L"\\";
  folder += name;
  CreateDirectoryW(folder.c_str(), nullptr);
  // Empty it: a test starts from nothing.
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::wstring file = folder + L"\\" + data.cFileName;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return folder;
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return ok;
}

// --- Start and end -------------------------------------------------------------

bool StartProgram(TZib& zib, const std::wstring& program, std::wstring_view arguments,
                  std::wstring_view workFolder, const wchar_t* windowClass, DWORD timeoutMs) {
  StopZib(zib);
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) {
    commandLine += L" ";
    commandLine += arguments;
  }
  std::wstring folder(workFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &zib.Process)) {
    std::fwprintf(stderr, L"e2e: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    zib.Process = {};
    return false;
  }
  JoinKillJob(zib.Process.hProcess);
  ResumeThread(zib.Process.hThread);

  DWORD pid = zib.Process.dwProcessId;
  bool shown = WaitUntil(
      [&] {
        if (!IsRunning(zib)) return true;
        std::vector<HWND> found = TopWindows(pid, windowClass);
        if (found.empty()) return false;
        zib.Main = found.front();
        return true;
      },
      timeoutMs);
  if (!shown || !zib.Main) {
    std::fwprintf(stderr, L"e2e: no window of class %ls from %ls\n", windowClass, program.c_str());
    StopZib(zib);
    return false;
  }
  zib.ThreadId = GetWindowThreadProcessId(zib.Main, nullptr);

  // The shared block first, so that the probe finds it when it is loaded.
  wchar_t name[96];
  wsprintfW(name, L"%s%lu", ProbeBlockPrefix, pid);
  zib.BlockMapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(TProbeBlock), name);
  if (zib.BlockMapping)
    zib.Block = static_cast<TProbeBlock*>(MapViewOfFile(zib.BlockMapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(TProbeBlock)));
  if (!zib.Block || !LoadProbe()) {
    StopZib(zib);
    return false;
  }
  zib.Hook = SetWindowsHookExW(WH_GETMESSAGE, ProbeProc, ProbeModule, zib.ThreadId);
  if (!zib.Hook) {
    std::fwprintf(stderr, L"e2e: cannot hook the probe (error %lu)\n", GetLastError());
    StopZib(zib);
    return false;
  }
  // The probe is loaded into the program with the first message its thread takes.
  if (!AskProbe(zib, ProbePing, 0, timeoutMs)) {
    std::fwprintf(stderr, L"e2e: the probe does not answer\n");
    StopZib(zib);
    return false;
  }
  return true;
}

bool StartZib(TZib& zib, std::wstring_view arguments, std::wstring_view workFolder, DWORD timeoutMs) {
  return StartProgram(zib, ZibPath(), arguments, workFolder, L"ZibClass", timeoutMs);
}

bool IsRunning(const TZib& zib) {
  return zib.Process.hProcess && WaitForSingleObject(zib.Process.hProcess, 0) == WAIT_TIMEOUT;
}

bool WaitForExit(TZib& zib, DWORD timeoutMs, DWORD& exitCode) {
  if (!zib.Process.hProcess) return false;
  if (WaitForSingleObject(zib.Process.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(zib.Process.hProcess, &exitCode);
  zib.ExitCode = exitCode;
  return true;
}

void StopZib(TZib& zib) {
  if (zib.Hook) UnhookWindowsHookEx(zib.Hook);
  zib.Hook = nullptr;
  if (zib.Process.hProcess) {
    if (IsRunning(zib)) {
      TerminateProcess(zib.Process.hProcess, 0xDEAD);
      WaitForSingleObject(zib.Process.hProcess, 5000);
    }
    GetExitCodeProcess(zib.Process.hProcess, &zib.ExitCode);
    CloseHandle(zib.Process.hProcess);
    CloseHandle(zib.Process.hThread);
  }
  zib.Process = {};
  if (zib.Block) UnmapViewOfFile(zib.Block);
  if (zib.BlockMapping) CloseHandle(zib.BlockMapping);
  zib.Block = nullptr;
  zib.BlockMapping = nullptr;
  zib.Main = nullptr;
  zib.ThreadId = 0;
}

// --- Input -----------------------------------------------------------------------

bool BringToFront(TZib& zib, HWND window) {
  if (!window) {
    // While a modal dialog disables the main window, the dialog takes the keys.
    window = zib.Main;
    if (window && !IsWindowEnabled(window)) {
      std::vector<HWND> dialogs = Dialogs(zib);
      for (HWND dialog : dialogs)
        if (IsWindowEnabled(dialog)) window = dialog;
    }
  }
  if (!window || !IsWindow(window)) return false;
  if (GetForegroundWindow() == window) return true;
  return WaitUntil(
      [&] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      3000);
}

void PressKey(WORD vk, bool ctrl, bool shift, bool alt) {
  std::vector<INPUT> inputs;
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, false));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  if (alt) inputs.push_back(KeyInput(VK_MENU, false));
  inputs.push_back(KeyInput(vk, false));
  inputs.push_back(KeyInput(vk, true));
  if (alt) inputs.push_back(KeyInput(VK_MENU, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, true));
  Send(inputs);
}

bool PressKeys(std::wstring_view chord) {
  bool ctrl = false, shift = false, alt = false;
  while (true) {
    size_t plus = chord.find(L'+');
    if (plus == std::wstring_view::npos || plus + 1 >= chord.size()) break;
    std::wstring part = Lower(chord.substr(0, plus));
    if (part == L"ctrl") ctrl = true;
    else if (part == L"shift") shift = true;
    else if (part == L"alt") alt = true;
    else return false;
    chord.remove_prefix(plus + 1);
  }
  WORD vk = KeyByName(chord);
  if (!vk) return false;
  PressKey(vk, ctrl, shift, alt);
  return true;
}

void TypeText(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    if (c == L'\n' || c == L'\t') {
      Send(inputs);
      PressKey(c == L'\n' ? VK_RETURN : VK_TAB);
      continue;
    }
    if (c == L'\r') continue;
    inputs.push_back(UnicodeInput(c, false));
    inputs.push_back(UnicodeInput(c, true));
  }
  Send(inputs);
}

bool WaitForInputHandled(TZib& zib, DWORD timeoutMs) {
  if (!zib.Block || !IsRunning(zib)) return false;
  LONG before = zib.Block->SyncKeysSeen;
  PressKey(ProbeSyncKey);
  return WaitUntil([&] { return zib.Block->SyncKeysSeen > before || !IsRunning(zib); }, timeoutMs) &&
         zib.Block->SyncKeysSeen > before;
}

bool Keys(TZib& zib, std::wstring_view chord) {
  if (!BringToFront(zib)) return false;
  if (!PressKeys(chord)) return false;
  return WaitForInputHandled(zib);
}

bool Type(TZib& zib, std::wstring_view text) {
  if (!BringToFront(zib)) return false;
  TypeText(text);
  return WaitForInputHandled(zib);
}

bool PostCommand(TZib& zib, unsigned short id) {
  return zib.Main && PostMessageW(zib.Main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool PostClose(TZib& zib) { return zib.Main && PostMessageW(zib.Main, WM_CLOSE, 0, 0); }

bool DropFiles(TZib& zib, const std::vector<std::wstring>& paths) {
  if (!zib.Block) return false;
  size_t at = 0;
  const size_t capacity = sizeof(zib.Block->DropNames) / sizeof(wchar_t);
  for (const std::wstring& path : paths) {
    if (at + path.size() + 2 > capacity) return false;
    CopyMemory(zib.Block->DropNames + at, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    at += path.size() + 1;
  }
  zib.Block->DropNames[at] = 0;
  if (at == 0) zib.Block->DropNames[1] = 0;
  return AskProbe(zib, ProbeDropFiles, 0, DefaultWaitMs);
}

bool RecordCommands(TZib& zib) { return AskProbe(zib, ProbeRecordCommands, 1, DefaultWaitMs); }

bool StopRecordingCommands(TZib& zib) { return AskProbe(zib, ProbeRecordCommands, 0, DefaultWaitMs); }

std::vector<TRecordedCommand> RecordedCommands(const TZib& zib) {
  std::vector<TRecordedCommand> commands;
  if (!zib.Block) return commands;
  LONG n = zib.Block->CommandCount;
  for (LONG i = 0; i < n && i < 256; ++i)
    commands.push_back({zib.Block->Commands[i], zib.Block->CommandSources[i] == 1});
  return commands;
}

void ClearRecordedCommands(TZib& zib) {
  if (zib.Block) zib.Block->CommandCount = 0;
}

// --- Reading the main window ---------------------------------------------------------

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!window || !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, SendTimeoutMs, &length))
    return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, SendTimeoutMs, &copied))
    return L"";
  text.resize(copied);
  return text;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256];
  int n = GetClassNameW(window, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring Title(const TZib& zib) { return WindowText(zib.Main); }
HWND Editor(const TZib& zib) { return zib.Main ? GetDlgItem(zib.Main, EditorChildId) : nullptr; }
HWND StatusLine(const TZib& zib) { return zib.Main ? GetDlgItem(zib.Main, StatusChildId) : nullptr; }
std::wstring EditorText(const TZib& zib) { return WindowText(Editor(zib)); }
std::wstring StatusText(const TZib& zib) { return WindowText(StatusLine(zib)); }

bool EditorSelection(TZib& zib, DWORD& start, DWORD& end) {
  start = end = 0;
  HWND editor = Editor(zib);
  if (!editor || !AskProbe(zib, ProbeReadSelection, reinterpret_cast<LPARAM>(editor), DefaultWaitMs)) return false;
  start = zib.Block->SelectionStart;
  end = zib.Block->SelectionEnd;
  return true;
}

LONG_PTR WindowStyle(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

bool CaretRect(const TZib& zib, RECT& rect) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(zib.ThreadId, &info) || !info.hwndCaret) return false;
  rect = info.rcCaret;
  return true;
}

// --- Menus -----------------------------------------------------------------------

bool ReadMenus(TZib& zib, TMenus& menus, bool opened, DWORD timeoutMs) {
  menus = {};
  if (!AskProbe(zib, opened ? ProbeReadMenusOpened : ProbeReadMenus, 0, timeoutMs)) return false;
  for (int i = 0; i < zib.Block->RowCount && i < ProbeMaxRows; ++i) {
    const TProbeMenuRow& row = zib.Block->Rows[i];
    TMenuEntry entry;
    entry.Label = row.Label;
    entry.Id = row.Id;
    entry.State = row.State;
    entry.Separator = (row.Type & MFT_SEPARATOR) != 0;
    if (row.Kind == ProbeBarItem) menus.Bar.push_back(entry);
    else if (row.Kind == ProbePopupItem && !menus.Bar.empty()) menus.Bar.back().Items.push_back(entry);
    else if (row.Kind == ProbeSystemItem) menus.System.push_back(entry);
  }
  return true;
}

const TMenuEntry* FindMenuItem(const TMenus& menus, UINT id) {
  for (const TMenuEntry& top : menus.Bar) {
    if (!top.Separator && top.Items.empty() && top.Id == id) return &top;
    for (const TMenuEntry& item : top.Items)
      if (!item.Separator && item.Id == id) return &item;
  }
  return nullptr;
}

// --- Dialogs -----------------------------------------------------------------------

std::vector<HWND> Dialogs(const TZib& zib) { return TopWindows(zib.Process.dwProcessId, L"#32770"); }

// The find dialog's labels carry the static id too, and its caption can be a
// message box's ("Suchen"): its search field tells it apart.
constexpr int FindWhatFieldId = 0x480;

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
  if (GetDlgCtrlID(child) != 0x47C) return TRUE;
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

// --- Pictures ------------------------------------------------------------------------

bool SaveScreenshot(HWND window, std::wstring_view name) {
  RECT r;
  if (!window || !GetWindowRect(window, &r)) return false;
  if (!GdiplusToken) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&GdiplusToken, &input, nullptr) != Gdiplus::Ok) return false;
  }
  std::wstring folder = ProgramFolder() + L"\\..\\screenshots";
  CreateDirectoryW(folder.c_str(), nullptr);
  std::wstring path = folder + L"\\" + std::wstring(name) + L".png";
  CLSID png;
  if (!PngEncoder(png)) return false;
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  bool ok;
  {
    Gdiplus::Bitmap image(bitmap, nullptr);
    ok = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
  }
  DeleteObject(bitmap);
  return ok;
}

bool ScreenPixel(HWND window, int x, int y, COLORREF& colour) {
  POINT p{x, y};
  if (!window || !ClientToScreen(window, &p)) return false;
  RECT r{p.x, p.y, p.x + 1, p.y + 1};
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  colour = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return colour != CLR_INVALID;
}

bool ScreenPixels(HWND window, const RECT& area, std::vector<COLORREF>& pixels) {
  pixels.clear();
  POINT p{area.left, area.top};
  if (!window || !ClientToScreen(window, &p)) return false;
  int w = area.right - area.left, h = area.bottom - area.top;
  RECT r{p.x, p.y, p.x + w, p.y + h};
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> raw(static_cast<size_t>(w) * h);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, h, raw.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (rows != h) return false;
  pixels.reserve(raw.size());
  for (DWORD bgr : raw) pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  return true;
}

bool AreaShows(HWND window, const RECT& area, COLORREF colour) {
  std::vector<COLORREF> pixels;
  if (!ScreenPixels(window, area, pixels)) return false;
  for (COLORREF c : pixels)
    if (c == colour) return true;
  return false;
}

// --- Registry ------------------------------------------------------------------------

TThemeValue ReadLightThemeValue() {
  TThemeValue value;
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ThemeKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return value;
  DWORD data = 0, size = sizeof data, type = 0;
  if (RegQueryValueExW(key, ThemeValueName, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
      ERROR_SUCCESS) {
    value.Present = true;
    value.Value = data;
  }
  RegCloseKey(key);
  return value;
}

void WriteLightThemeValue(const TThemeValue& value) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, ThemeKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (value.Present)
    RegSetValueExW(key, ThemeValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.Value), sizeof value.Value);
  else
    RegDeleteValueW(key, ThemeValueName);
  RegCloseKey(key);
}

LONG MarkTimersFired(const TZib& zib) { return zib.Block ? zib.Block->MarkTimers : -1; }
bool WatchEditorErases(TZib& zib) { return AskProbe(zib, ProbeWatchEditClass, 0, DefaultWaitMs); }
LONG ScreenErases(const TZib& zib) { return zib.Block ? zib.Block->ScreenErases : -1; }
