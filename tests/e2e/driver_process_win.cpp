// The end-to-end driver, process and probe: paths and files, starting and
// ending programs, the probe's requests (menus, recorded commands, counters)
// and the prefix's theme value. See driver_win.h for what each routine promises.
#include <cstdio>
#include <cstdlib>

#include "base/window_ids.h"
#include "driver_internal_win.h"

namespace {

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

constexpr wchar_t ThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t ThemeValueName[] = L"AppsUseLightTheme";

}  // namespace

bool AskProbe(TZib& zib, TProbeRequest request, LPARAM parameter, DWORD timeoutMs) {
  if (!zib.Block || !IsRunning(zib)) return false;
  LONG before = zib.Block->Requests;
  PostMessageW(zib.Main, RegisterWindowMessageW(ProbeRequestMessage), request, parameter);
  return WaitUntil([&] { return zib.Block->Requests > before || !IsRunning(zib); }, timeoutMs) &&
         zib.Block->Requests > before;
}

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

namespace {

// Deletes everything inside the folder, its subfolders with all they hold.
void EmptyFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    std::wstring path = folder + L"\\" + name;
    SetFileAttributesW(path.c_str(), data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FILE_ATTRIBUTE_DIRECTORY
                                                                                       : FILE_ATTRIBUTE_NORMAL);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(path);
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

}  // namespace

std::wstring ScratchFolder(std::wstring_view name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"zib-e2e";
  CreateDirectoryW(folder.c_str(), nullptr);
  folder += L"\\";
  folder += name;
  CreateDirectoryW(folder.c_str(), nullptr);
  EmptyFolder(folder);  // a test starts from nothing
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
  return StartProgram(zib, ZibPath(), arguments, workFolder, MainWindowClass, timeoutMs);
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

// --- Requests to the probe ---------------------------------------------------------

bool RecordCommands(TZib& zib) { return AskProbe(zib, ProbeRecordCommands, 1, DefaultWaitMs); }

bool StopRecordingCommands(TZib& zib) { return AskProbe(zib, ProbeRecordCommands, 0, DefaultWaitMs); }

bool PlantFileFailure(TZib& zib, TPlantedFailure how) { return AskProbe(zib, ProbePlantFileFailure, how, DefaultWaitMs); }

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

LONG MarkTimersFired(const TZib& zib) { return zib.Block ? zib.Block->MarkTimers : -1; }
bool WatchEditorErases(TZib& zib) { return AskProbe(zib, ProbeWatchEditClass, 0, DefaultWaitMs); }
LONG ScreenErases(const TZib& zib) { return zib.Block ? zib.Block->ScreenErases : -1; }

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
