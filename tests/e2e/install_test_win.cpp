// End to end: installation and removal of Zib.exe inside the test prefix
// (its Program Files, ProgramData and registry).
#include <doctest/doctest.h>
#include <shlobj.h>

#include "app/install.h"
#include "driver_win.h"
#include "platform/wide_win.h"

namespace {

constexpr DWORD RunTimeoutMs = 30000;

std::wstring Expand(std::u16string_view path) {
  std::wstring in = ToWide(path);
  wchar_t out[1024];
  DWORD n = ExpandEnvironmentStringsW(in.c_str(), out, 1024);
  return n && n <= 1024 ? std::wstring(out) : in;
}

// A shell link saved in the Start menu makes Wine's menu builder write desktop
// entries outside the prefix; while a test runs, the prefix's load-order
// setting keeps the builder from starting.
struct TNoMenuBuilder {
  static constexpr wchar_t Key[] = L"Software\\Wine\\DllOverrides";
  static constexpr wchar_t Name[] = L"winemenubuilder.exe";
  wchar_t Old[256] = {};
  DWORD OldSize = 0;
  bool Had = false;
  TNoMenuBuilder() {
    DWORD size = sizeof Old - sizeof(wchar_t);
    Had = RegGetValueW(HKEY_CURRENT_USER, Key, Name, RRF_RT_REG_SZ, nullptr, Old, &size) == ERROR_SUCCESS;
    OldSize = size;
    RegSetKeyValueW(HKEY_CURRENT_USER, Key, Name, REG_SZ, L"", sizeof(wchar_t));
  }
  ~TNoMenuBuilder() {
    if (Had)
      RegSetKeyValueW(HKEY_CURRENT_USER, Key, Name, REG_SZ, Old, OldSize);
    else
      RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, Name);
  }
};

// How a run is started beyond its command line.
struct TLaunch {
  const wchar_t* Application = nullptr;     // else the command line's first word
  std::wstring_view Folder;                 // else the test's own current folder
  const std::wstring* Environment = nullptr;  // else the test's own
  HANDLE Token = nullptr;                   // else the test's own rights
};

// Starts a command line as it stands (no window is awaited).
bool Launch(TZib& zib, const std::wstring& commandLine, const TLaunch& how = {}) {
  StopZib(zib);
  std::wstring line = commandLine;
  std::wstring dir(how.Folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  void* env = how.Environment ? const_cast<wchar_t*>(how.Environment->c_str()) : nullptr;
  DWORD flags = how.Environment ? CREATE_UNICODE_ENVIRONMENT : 0;
  const wchar_t* folder = dir.empty() ? nullptr : dir.c_str();
  BOOL started = how.Token ? CreateProcessAsUserW(how.Token, how.Application, line.data(), nullptr, nullptr, FALSE,
                                                  flags, env, folder, &startup, &zib.Process)
                           : CreateProcessW(how.Application, line.data(), nullptr, nullptr, FALSE, flags, env, folder,
                                            &startup, &zib.Process);
  if (started) return true;
  zib.Process = {};
  return false;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// Runs the command line to its end; the exit code, or 0xDEAD on a time-out.
DWORD RunToEnd(const std::wstring& commandLine, const TLaunch& how = {}) {
  TZib run;
  DWORD code = 0xDEAD;
  if (!Launch(run, commandLine, how)) return 0xBAD;
  if (!WaitForExit(run, RunTimeoutMs, code)) return 0xDEAD;
  return code;
}

// Where the installation puts things, spelled out here rather than taken from
// the program's own constants.
std::wstring ProgramFiles() { return Expand(u"%ProgramFiles(x86)%"); }
std::wstring MakerFolder() { return ProgramFiles() + L"\\Dornef"; }
std::wstring InstallFolder() { return MakerFolder() + L"\\Zib"; }
std::wstring InstalledProgram() { return InstallFolder() + L"\\Zib.exe"; }
std::wstring StartMenuMaker() { return Expand(u"%ALLUSERSPROFILE%") + L"\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef"; }
std::wstring StartMenuFolder() { return StartMenuMaker() + L"\\Zib"; }
std::wstring ShortcutFile() { return StartMenuFolder() + L"\\Z\u00B7i\u00B7b - Mini Editor.lnk"; }
constexpr wchar_t UninstallEntry[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Z\u00B7i\u00B7b";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
bool IsFolder(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

HKEY Root(TRegistryRoot root) { return root == TRegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE; }

bool KeyExists(TRegistryRoot root, std::u16string_view key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(Root(root), ToWide(key).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) != ERROR_SUCCESS)
    return false;
  RegCloseKey(opened);
  return true;
}

// A value in the 32-bit view; Type 0 when it is missing. Bytes is the size
// stored, so a string's terminating zero can be seen.
struct TValue {
  DWORD Type = 0;
  std::wstring Text;
  DWORD Number = 0;
  DWORD Bytes = 0;
  bool EndsInZero = false;
};

TValue ReadValue(TRegistryRoot root, std::u16string_view key, std::u16string_view name) {
  TValue value;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(Root(root), ToWide(key).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) != ERROR_SUCCESS)
    return value;
  // Enumerated rather than queried: the query adds a missing terminator to
  // what it hands back, the enumeration gives the value as it is stored.
  std::wstring valueName = ToWide(name);
  BYTE data[2048] = {};
  DWORD size = 0, type = 0;
  bool found = false;
  for (DWORD i = 0; !found; ++i) {
    wchar_t entryName[256];
    DWORD nameLength = 256;
    size = sizeof data - 2;
    if (RegEnumValueW(opened, i, entryName, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    found = valueName == std::wstring_view(entryName, nameLength);
  }
  if (found) {
    value.Type = type;
    value.Bytes = size;
    value.EndsInZero = size >= 2 && data[size - 1] == 0 && data[size - 2] == 0;
    if (type == REG_SZ) value.Text = reinterpret_cast<const wchar_t*>(data);
    if (type == REG_DWORD) value.Number = *reinterpret_cast<const DWORD*>(data);
  }
  RegCloseKey(opened);
  return value;
}

// Takes away what an earlier run may have left, so each test starts from nothing.
void ClearInstallation() {
  for (const TRegistryRemoval& removal : RemovalKeys()) {
    std::wstring key = ToWide(removal.Key);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(Root(removal.Root), key.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &opened) == ERROR_SUCCESS) {
      RegDeleteTreeW(opened, nullptr);
      RegCloseKey(opened);
    }
    RegDeleteKeyExW(Root(removal.Root), key.c_str(), KEY_WOW64_32KEY, 0);
  }
  RemoveTree(InstallFolder());
  RemoveTree(StartMenuFolder());
}

// The keys the installation makes, spelled out.
constexpr wchar_t OpenWithEntry[] = L"SystemFileAssociations\\text\\OpenWithList\\Zib.exe";
constexpr wchar_t OpenCommandEntry[] = L"SOFTWARE\\Classes\\Applications\\zib.exe\\shell\\open\\command";
constexpr wchar_t AppPathEntry[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zib.exe";

bool NothingInstalled() {
  return !Exists(InstalledProgram()) && !Exists(ShortcutFile()) &&
         !KeyExists(TRegistryRoot::LocalMachine, FromWide(UninstallEntry)) &&
         !KeyExists(TRegistryRoot::ClassesRoot, FromWide(OpenWithEntry)) &&
         !KeyExists(TRegistryRoot::LocalMachine, FromWide(AppPathEntry)) &&
         !KeyExists(TRegistryRoot::LocalMachine, FromWide(OpenCommandEntry));
}

// A copy of the built program under a setup name in a scratch folder.
std::wstring SetupCopy(std::wstring_view folderName, const wchar_t* name = L"ZibSetup.exe") {
  std::wstring path = ScratchFolder(folderName) + L"\\" + name;
  CopyFileW(ZibPath().c_str(), path.c_str(), FALSE);
  return path;
}

std::wstring Today() {
  wchar_t date[64] = {};
  GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy-MM-dd", date, 64);
  return date;
}

// Under a Wine whose Unix side has no UTF-8 locale, a file name with "·" (as
// the shortcut's) cannot be created; the shortcut's checks need one.
bool NamesTakeMiddleDot() {
  std::wstring probe = ScratchFolder(L"install-names") + L"\\Z\u00B7i\u00B7b";
  if (!WriteFileBytes(probe, "x")) {
    MESSAGE("file names with U+00B7 cannot be created here: shortcut checks skipped");
    return false;
  }
  DeleteFileW(probe.c_str());
  return true;
}

struct TShortcut {
  std::wstring Target, Arguments, Folder, Description;
  int Show = -1;
};

bool ReadShortcut(const std::wstring& file, TShortcut& out) {
  CoInitialize(nullptr);
  bool ok = false;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
      if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH] = {};
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        out.Target = text;
        text[0] = 0;
        link->GetArguments(text, MAX_PATH);
        out.Arguments = text;
        text[0] = 0;
        link->GetWorkingDirectory(text, MAX_PATH);
        out.Folder = text;
        text[0] = 0;
        link->GetDescription(text, MAX_PATH);
        out.Description = text;
        link->GetShowCmd(&out.Show);
        ok = true;
      }
      persist->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return ok;
}

// The process environment with ProgramFiles(x86) set to `value`, or left out when empty.
std::wstring EnvironmentWith(std::wstring_view value) {
  std::wstring block;
  wchar_t* all = GetEnvironmentStringsW();
  for (const wchar_t* p = all; *p; p += lstrlenW(p) + 1) {
    std::wstring_view entry(p);
    if (entry.size() > 18 && CompareStringOrdinal(p, 18, L"ProgramFiles(x86)=", 18, TRUE) == CSTR_EQUAL) continue;
    block.append(entry);
    block.push_back(L'\0');
  }
  FreeEnvironmentStringsW(all);
  if (!value.empty()) {
    block += L"ProgramFiles(x86)=";
    block += value;
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

// The message box of a run, its text checked; nullptr when none came.
HWND Prompt(TZib& run, std::u16string_view caption, std::u16string_view text) {
  HWND box = WaitForMessageBox(run, ToWide(caption));
  if (box) CHECK(MessageText(box) == ToWide(text));
  return box;
}

// Runs the installed program's removal (started as `how` says) and answers
// its question with Yes; the run ends with exit code 3, or with `exitCode`
// after the message `incomplete` (answered with OK).
void RemoveConfirmed(DWORD exitCode = 3, const char16_t* incomplete = nullptr, const TLaunch& how = {}) {
  TZib run;
  REQUIRE(Launch(run, Quoted(InstalledProgram()) + L" /Uninstall", how));
  HWND box = Prompt(run, RemovalCaption, RemovalPrompt);
  REQUIRE(box);
  REQUIRE(PressButton(box, IDYES));
  if (incomplete) {
    REQUIRE(WaitForWindowGone(box));
    HWND message = Prompt(run, RemovalCaption, incomplete);
    REQUIRE(message);
    SaveScreenshot(message, L"removal-incomplete");
    REQUIRE(PressButton(message, IDOK));
  }
  DWORD code = 99;
  REQUIRE(WaitForExit(run, RunTimeoutMs, code));
  CHECK(code == exitCode);
}

}  // namespace

TEST_CASE("installation: the question; anything but Yes changes nothing, Yes installs") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"install-ask");

  for (int button : {IDNO, IDCANCEL}) {
    CAPTURE(button);
    TZib run;
    REQUIRE(Launch(run, Quoted(setup)));
    HWND box = Prompt(run, InstallCaption, InstallPrompt);
    REQUIRE(box);
    CHECK(GetDlgItem(box, IDYES));
    CHECK(GetDlgItem(box, IDNO));
    CHECK(GetDlgItem(box, IDCANCEL));
    if (button == IDNO) SaveScreenshot(box, L"install-question");
    REQUIRE(PressButton(box, button));
    DWORD code = 99;
    REQUIRE(WaitForExit(run, RunTimeoutMs, code));
    CHECK(code == 0);
    CHECK_FALSE(Exists(InstallFolder()));
    CHECK(NothingInstalled());
  }

  TZib run;
  REQUIRE(Launch(run, Quoted(setup)));
  HWND box = Prompt(run, InstallCaption, InstallPrompt);
  REQUIRE(box);
  REQUIRE(PressButton(box, IDYES));
  DWORD code = 99;
  REQUIRE(WaitForExit(run, RunTimeoutMs, code));
  CHECK(code == 0);
  CHECK(Exists(InstalledProgram()));
  if (NamesTakeMiddleDot()) CHECK(Exists(ShortcutFile()));
  ClearInstallation();
}

TEST_CASE("installation: /S installs silently: program, registry entries, Start-menu shortcut") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  // A running editor is asked to close first.
  TZib editor;
  REQUIRE(StartZib(editor));
  std::wstring setup = SetupCopy(L"install-silent");

  CHECK(RunToEnd(Quoted(setup) + L" /S") == 0);
  DWORD editorCode = 99;
  CHECK(WaitForExit(editor, 5000, editorCode));
  CHECK(editorCode == 0);

  const std::wstring program = InstalledProgram();
  std::string installed, original;
  REQUIRE(ReadFileBytes(program, installed));
  REQUIRE(ReadFileBytes(setup, original));
  CHECK(installed == original);

  // Every value, its type and data, strings with their terminating zero.
  struct TExpected {
    TRegistryRoot Root;
    const wchar_t* Key;
    const wchar_t* Name;
    DWORD Type;  // 0: the key alone
    std::wstring Text;
    DWORD Number;
  };
  const auto Machine = TRegistryRoot::LocalMachine;
  const TExpected expected[] = {
      {TRegistryRoot::ClassesRoot, OpenWithEntry, L"", 0, L"", 0},
      {Machine, OpenCommandEntry, L"", REG_SZ, L"\"" + program + L"\" \"%1\"", 0},
      {Machine, AppPathEntry, L"Path", REG_SZ, program, 0},
      {Machine, AppPathEntry, L"", REG_SZ, program, 0},
      {Machine, UninstallEntry, L"DisplayName", REG_SZ, L"Z\u00B7i\u00B7b - Mini Editor", 0},
      {Machine, UninstallEntry, L"DisplayIcon", REG_SZ, program, 0},
      {Machine, UninstallEntry, L"DisplayVersion", REG_SZ, L"1.4.0.0", 0},
      {Machine, UninstallEntry, L"Version", REG_DWORD, L"", 0x01040000},
      {Machine, UninstallEntry, L"EstimatedSize", REG_DWORD, L"", 164},
      {Machine, UninstallEntry, L"InstallDate", REG_SZ, Today(), 0},
      {Machine, UninstallEntry, L"NoModify", REG_DWORD, L"", 1},
      {Machine, UninstallEntry, L"NoRepair", REG_DWORD, L"", 1},
      {Machine, UninstallEntry, L"UninstallString", REG_SZ, L"\"" + program + L"\" /Uninstall", 0},
      {Machine, UninstallEntry, L"Publisher", REG_SZ, L"Dornef", 0},
      {Machine, UninstallEntry, L"URLInfoAbout", REG_SZ, L"https://dornef.example/zib/", 0},
  };
  int row = 0;
  for (const TExpected& e : expected) {
    ++row;
    CAPTURE(row);
    CHECK(KeyExists(e.Root, FromWide(e.Key)));
    TValue value = ReadValue(e.Root, FromWide(e.Key), FromWide(e.Name));
    CHECK(value.Type == e.Type);
    if (e.Type == REG_SZ) {
      CHECK(value.Text == e.Text);
      CHECK(value.Bytes == (e.Text.size() + 1) * sizeof(wchar_t));
      CHECK(value.EndsInZero);
    } else if (e.Type == REG_DWORD) {
      CHECK(value.Number == e.Number);
      CHECK(value.Bytes == 4);
    }
  }
  CHECK(Today().size() == 10);

  TShortcut link;
  if (NamesTakeMiddleDot()) {
    REQUIRE(ReadShortcut(ShortcutFile(), link));
    CHECK(link.Target == program);
    CHECK(link.Arguments.empty());
    CHECK(link.Folder == InstallFolder());
    CHECK(link.Description == L"Z\u00B7i\u00B7b - Mini Editor");
  }

  // Again over the installation while the installed editor runs: it is closed, the copy succeeds.
  REQUIRE(StartProgram(editor, program, L"", L"", MainWindowClass, 20000));
  CHECK(RunToEnd(Quoted(setup) + L" -s") == 0);
  CHECK(WaitForExit(editor, 5000, editorCode));
  ClearInstallation();
}

TEST_CASE("removal: the question defaults to No; Yes removes entries, shortcut and program folder") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"remove");
  REQUIRE(RunToEnd(Quoted(setup) + L" /S") == 0);
  const std::wstring program = InstalledProgram();
  REQUIRE(Exists(program));
  TZib editor;
  REQUIRE(StartProgram(editor, program, L"", L"", MainWindowClass, 20000));

  // The remove command as the uninstall entry gives it.
  std::wstring removeCommand = ReadValue(TRegistryRoot::LocalMachine, FromWide(UninstallEntry), u"UninstallString").Text;
  REQUIRE_FALSE(removeCommand.empty());
  {
    TZib run;
    REQUIRE(Launch(run, removeCommand));
    HWND box = Prompt(run, RemovalCaption, RemovalPrompt);
    REQUIRE(box);
    CHECK((GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON);
    CHECK((GetWindowLongW(GetDlgItem(box, IDYES), GWL_STYLE) & 0xF) == BS_PUSHBUTTON);
    SaveScreenshot(box, L"removal-question");
    REQUIRE(PressButton(box, IDNO));
    DWORD code = 99;
    REQUIRE(WaitForExit(run, RunTimeoutMs, code));
    CHECK(code == 2);
    CHECK(Exists(program));
    CHECK(KeyExists(TRegistryRoot::LocalMachine, FromWide(UninstallEntry)));
    CHECK(IsRunning(editor));
  }

  TZib run;
  REQUIRE(Launch(run, Quoted(program) + L" /Uninstall"));
  HWND box = Prompt(run, RemovalCaption, RemovalPrompt);
  REQUIRE(box);
  REQUIRE(PressButton(box, IDYES));
  DWORD code = 99;
  REQUIRE(WaitForExit(run, RunTimeoutMs, code));
  CHECK(code == 3);
  DWORD editorCode = 99;
  CHECK(WaitForExit(editor, 5000, editorCode));

  CHECK(WaitUntil([&] { return !Exists(InstallFolder()) && !Exists(StartMenuFolder()); }, 20000));
  CHECK(NothingInstalled());
  CHECK_FALSE(KeyExists(TRegistryRoot::LocalMachine, u"SOFTWARE\\Classes\\Applications\\zib.exe"));
  // The maker's folders stay.
  CHECK(IsFolder(MakerFolder()));
  CHECK(IsFolder(StartMenuMaker()));
}

TEST_CASE("installation: without ProgramFiles(x86) the paths are used as they stand, in the current folder") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"install-no-variable");
  std::wstring work = ScratchFolder(L"install-no-variable-work");
  RemoveTree(work + L"\\%ProgramFiles(x86)%");
  CreateDirectoryW((work + L"\\%ProgramFiles(x86)%").c_str(), nullptr);
  std::wstring environment = EnvironmentWith(L"");
  TLaunch how;
  how.Folder = work;
  how.Environment = &environment;
  CHECK(RunToEnd(Quoted(setup) + L" /S", how) == 0);
  CHECK(Exists(work + L"\\%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe"));
  CHECK(ReadValue(TRegistryRoot::LocalMachine, FromWide(UninstallEntry), u"DisplayIcon").Text ==
        L"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe");
  RemoveTree(work + L"\\%ProgramFiles(x86)%");
  ClearInstallation();
}

namespace {

// Runs a command line in a job of its own, so that a run it restarts is
// counted too: the number of processes the job ever held once all are gone,
// or 0 when they did not end in time (they are ended then).
struct TJobResult {
  DWORD ExitCode = 0xDEAD;
  DWORD Processes = 0;
};

TJobResult RunInJob(const std::wstring& commandLine, const TLaunch& how) {
  TJobResult result;
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  REQUIRE(job != nullptr);
  std::wstring line = commandLine;
  std::wstring dir(how.Folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  void* env = how.Environment ? const_cast<wchar_t*>(how.Environment->c_str()) : nullptr;
  DWORD flags = CREATE_SUSPENDED | (how.Environment ? CREATE_UNICODE_ENVIRONMENT : 0);
  const wchar_t* folder = dir.empty() ? nullptr : dir.c_str();
  BOOL started = how.Token ? CreateProcessAsUserW(how.Token, how.Application, line.data(), nullptr, nullptr, FALSE,
                                                  flags, env, folder, &startup, &process)
                           : CreateProcessW(how.Application, line.data(), nullptr, nullptr, FALSE, flags, env,
                                            folder, &startup, &process);
  REQUIRE(started);
  AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  if (WaitForSingleObject(process.hProcess, RunTimeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &result.ExitCode);
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
  bool ended = WaitUntil(
      [&] {
        return QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr) &&
               info.ActiveProcesses == 0;
      },
      20000);
  result.Processes = ended ? info.TotalProcesses : 0;
  TerminateJobObject(job, 0xDEAD);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(job);
  return result;
}

}  // namespace

TEST_CASE("installation: a failed copy restarts the run with \"runas\" and the same argument, exit code 1") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  // The program folder goes to the scratch folder, where a folder named
  // Zib.exe makes the copy fail.
  std::wstring folder = ScratchFolder(L"install-runas");
  std::wstring setup = SetupCopy(L"install-runas", L"Zib-Setup.exe");
  RemoveTree(folder + L"\\pf");
  for (const wchar_t* part : {L"\\pf", L"\\pf\\Dornef", L"\\pf\\Dornef\\Zib", L"\\pf\\Dornef\\Zib\\Zib.exe"})
    CreateDirectoryW((folder + part).c_str(), nullptr);
  std::wstring environment = EnvironmentWith(folder + L"\\pf");
  TLaunch how;
  how.Folder = folder;
  how.Environment = &environment;

  // Without full rights (as a user's programs start under UAC): restarted
  // once, by its own path, with "/S" (without it the restarted run would ask
  // and never end by itself). Wine's "runas" gives no full rights, so the
  // restarted run fails too, and must not restart again.
  HANDLE own = nullptr;
  TOKEN_LINKED_TOKEN limited{};
  DWORD size = 0;
  REQUIRE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own));
  TOKEN_ELEVATION_TYPE type{};
  GetTokenInformation(own, TokenElevationType, &type, sizeof type, &size);
  if (type == TokenElevationTypeFull && GetTokenInformation(own, TokenLinkedToken, &limited, sizeof limited, &size)) {
    how.Token = limited.LinkedToken;
    TJobResult run = RunInJob(Quoted(setup) + L" /S", how);
    CHECK(run.ExitCode == 1);
    CHECK(run.Processes == 2);
    CloseHandle(limited.LinkedToken);
    how.Token = nullptr;
  } else {
    MESSAGE("no limited token to start the run with: the restart is not tested");
  }
  CloseHandle(own);

  // With full rights already (as every program under Wine): no restart, which would only fail again.
  if (type == TokenElevationTypeFull) {
    TJobResult run = RunInJob(Quoted(setup) + L" /S", how);
    CHECK(run.ExitCode == 1);
    CHECK(run.Processes == 1);
  }
  CHECK(NothingInstalled());
  RemoveTree(folder + L"\\pf");
}

TEST_CASE("installation: started by a bare name from another folder, it copies its own file") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"install-bare-name", L"Zib-Setup.exe");
  std::wstring elsewhere = ScratchFolder(L"install-bare-name-elsewhere");
  // As a program search finds it: argument 0 is the name alone, the current
  // folder is not the program's.
  TLaunch how;
  how.Application = setup.c_str();
  how.Folder = elsewhere;
  CHECK(RunToEnd(L"Zib-Setup.exe /S", how) == 0);
  std::string installed, original;
  REQUIRE(ReadFileBytes(InstalledProgram(), installed));
  REQUIRE(ReadFileBytes(setup, original));
  CHECK(installed == original);
  ClearInstallation();
}

TEST_CASE("installation: a copy that fails leaves the installed program as it was") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"install-kept");
  REQUIRE(RunToEnd(Quoted(setup) + L" /S") == 0);
  std::string before;
  REQUIRE(ReadFileBytes(InstalledProgram(), before));
  {
    // Held open without write sharing (as a running program is), though it
    // may be deleted: the copy fails, and nothing may have been deleted first.
    HANDLE held = CreateFileW(InstalledProgram().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    CHECK(RunToEnd(Quoted(setup) + L" /S") == 1);
    CloseHandle(held);
  }
  std::string after;
  CHECK(ReadFileBytes(InstalledProgram(), after));
  CHECK(after == before);
  CHECK(KeyExists(TRegistryRoot::LocalMachine, FromWide(UninstallEntry)));
  ClearInstallation();
}

TEST_CASE("removal: a Start-menu folder already gone does not keep the program folder") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"remove-no-menu");
  REQUIRE(RunToEnd(Quoted(setup) + L" /S") == 0);
  REQUIRE(Exists(InstalledProgram()));
  RemoveTree(StartMenuFolder());
  REQUIRE_FALSE(Exists(StartMenuFolder()));

  RemoveConfirmed();
  CHECK(WaitUntil([&] { return !Exists(InstallFolder()); }, 20000));
  CHECK(NothingInstalled());
}

TEST_CASE("removal: what it cannot delete is said in a message, and the run ends with code 4") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"remove-blocked");
  REQUIRE(RunToEnd(Quoted(setup) + L" /S") == 0);
  // A folder under the shortcut's name: the shortcut cannot be deleted (as
  // for a user without administrator rights).
  DeleteFileW(ShortcutFile().c_str());
  REQUIRE(CreateDirectoryW(ShortcutFile().c_str(), nullptr));

  // Without full rights: the run starts itself again with "runas" and ends
  // with code 1; the restarted run asks again (Wine's "runas" gives no full
  // rights, so it would not restart once more).
  HANDLE own = nullptr;
  REQUIRE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own));
  TOKEN_LINKED_TOKEN limited{};
  DWORD size = 0;
  if (GetTokenInformation(own, TokenLinkedToken, &limited, sizeof limited, &size) && limited.LinkedToken) {
    TLaunch how;
    how.Token = limited.LinkedToken;
    RemoveConfirmed(1, nullptr, how);
    HWND again = nullptr;
    CHECK(WaitUntil([&] { return (again = FindWindowW(L"#32770", ToWide(RemovalCaption).c_str())) != nullptr; }));
    if (again) {
      CHECK(MessageText(again) == ToWide(RemovalPrompt));
      REQUIRE(PressButton(again, IDNO));
      CHECK(WaitForWindowGone(again));
    }
    CloseHandle(limited.LinkedToken);
  } else {
    MESSAGE("no limited token to start the run with: the restart is not tested");
  }
  CloseHandle(own);

  // With full rights (as every run under Wine): no restart, the message, code 4.
  RemoveConfirmed(4, RemovalIncompleteText);
  RemoveDirectoryW(ShortcutFile().c_str());
  ClearInstallation();
}

// The release as a user unpacks it (scripts/package-test.sh unpacks the zip
// and names the folder in ZIB_PACKAGE_FOLDER; without it there is nothing to test).
TEST_CASE("package: the unpacked release installs with Zib-Setup.exe /S and is removed with Zib.exe /Uninstall") {
  const wchar_t* unpacked = _wgetenv(L"ZIB_PACKAGE_FOLDER");
  if (!unpacked || !*unpacked) return;
  const std::wstring folder = unpacked;
  TNoMenuBuilder noMenus;
  ClearInstallation();
  const std::wstring setup = folder + L"\\Zib-Setup.exe";
  std::string shipped, readme;
  REQUIRE(ReadFileBytes(setup, shipped));
  REQUIRE(ReadFileBytes(folder + L"\\LIESMICH.txt", readme));
  CHECK(readme.find("Zib-Setup.exe /S") != std::string::npos);

  TLaunch fromDownloads;
  fromDownloads.Folder = folder;
  REQUIRE(RunToEnd(Quoted(setup) + L" /S", fromDownloads) == 0);
  std::string installed;
  REQUIRE(ReadFileBytes(InstalledProgram(), installed));
  CHECK(installed == shipped);
  CHECK(ReadValue(TRegistryRoot::LocalMachine, FromWide(UninstallEntry), u"DisplayVersion").Text == L"1.4.0.0");
  CHECK(ReadValue(TRegistryRoot::LocalMachine, FromWide(UninstallEntry), u"UninstallString").Text ==
        Quoted(InstalledProgram()) + L" /Uninstall");
  if (NamesTakeMiddleDot()) {
    TShortcut link;
    REQUIRE(ReadShortcut(ShortcutFile(), link));
    CHECK(link.Target == InstalledProgram());
  }

  RemoveConfirmed();
  CHECK(WaitUntil([&] { return !Exists(InstallFolder()) && !Exists(StartMenuFolder()); }, 20000));
  CHECK(NothingInstalled());
}
