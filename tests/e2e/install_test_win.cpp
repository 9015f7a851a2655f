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

// A value in the 32-bit view; Type 0 when it is missing.
struct TValue {
  DWORD Type = 0;
  std::wstring Text;
  DWORD Number = 0;
};

TValue ReadValue(TRegistryRoot root, std::u16string_view key, std::u16string_view name) {
  TValue value;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(Root(root), ToWide(key).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) != ERROR_SUCCESS)
    return value;
  std::wstring valueName = ToWide(name);
  BYTE data[2048] = {};
  DWORD size = sizeof data - 2, type = 0;
  if (RegQueryValueExW(opened, valueName.empty() ? nullptr : valueName.c_str(), nullptr, &type, data, &size) ==
      ERROR_SUCCESS) {
    value.Type = type;
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
  RemoveTree(Expand(ProgramFolderPath));
  RemoveTree(Expand(StartMenuFolderPath));
}

bool NothingInstalled() {
  return !Exists(Expand(InstalledProgramPath)) && !Exists(Expand(ShortcutPath)) &&
         !KeyExists(TRegistryRoot::LocalMachine, UninstallKey) && !KeyExists(TRegistryRoot::ClassesRoot, OpenWithKey) &&
         !KeyExists(TRegistryRoot::LocalMachine, AppPathKey) &&
         !KeyExists(TRegistryRoot::LocalMachine, OpenCommandKey);
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
    CHECK_FALSE(Exists(Expand(ProgramFolderPath)));
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
  CHECK(Exists(Expand(InstalledProgramPath)));
  if (NamesTakeMiddleDot()) CHECK(Exists(Expand(ShortcutPath)));
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

  const std::wstring program = Expand(InstalledProgramPath);
  CHECK(program == Expand(u"%ProgramFiles(x86)%") + L"\\Dornef\\Zib\\Zib.exe");
  std::string installed, original;
  REQUIRE(ReadFileBytes(program, installed));
  REQUIRE(ReadFileBytes(setup, original));
  CHECK(installed == original);

  for (const TRegistryEntry& entry : InstallationEntries(FromWide(program), FromWide(Today()))) {
    CAPTURE(ToWide(entry.Key));
    CAPTURE(ToWide(entry.ValueName));
    CHECK(KeyExists(entry.Root, entry.Key));
    if (entry.Type == TRegistryType::KeyOnly) continue;
    TValue value = ReadValue(entry.Root, entry.Key, entry.ValueName);
    if (entry.Type == TRegistryType::String) {
      CHECK(value.Type == REG_SZ);
      CHECK(value.Text == ToWide(entry.Text));
    } else {
      CHECK(value.Type == REG_DWORD);
      CHECK(value.Number == entry.Number);
    }
  }
  // What the list of installed programs shows.
  CHECK(ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"DisplayName").Text == L"Z\u00B7i\u00B7b - Mini Editor");
  CHECK(ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"DisplayVersion").Text == L"1.4.0.0");
  CHECK(ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"EstimatedSize").Number == 164);
  CHECK(ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"InstallDate").Text.size() == 10);

  TShortcut link;
  if (NamesTakeMiddleDot()) {
    REQUIRE(ReadShortcut(Expand(ShortcutPath), link));
    CHECK(link.Target == program);
    CHECK(link.Arguments.empty());
    CHECK(link.Folder == Expand(ProgramFolderPath));
    CHECK(link.Description == L"Z\u00B7i\u00B7b - Mini Editor");
  }

  // Again over the installation while the installed editor runs: it is closed, the copy succeeds.
  REQUIRE(StartProgram(editor, program, L"", L"", L"ZibClass", 20000));
  CHECK(RunToEnd(Quoted(setup) + L" -s") == 0);
  CHECK(WaitForExit(editor, 5000, editorCode));
  ClearInstallation();
}

TEST_CASE("removal: the question defaults to No; Yes removes entries, shortcut and program folder") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  std::wstring setup = SetupCopy(L"remove");
  REQUIRE(RunToEnd(Quoted(setup) + L" /S") == 0);
  const std::wstring program = Expand(InstalledProgramPath);
  REQUIRE(Exists(program));
  TZib editor;
  REQUIRE(StartProgram(editor, program, L"", L"", L"ZibClass", 20000));

  // The remove command as the uninstall entry gives it.
  std::wstring removeCommand = ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"UninstallString").Text;
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
    CHECK(KeyExists(TRegistryRoot::LocalMachine, UninstallKey));
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

  CHECK(WaitUntil([&] { return !Exists(Expand(ProgramFolderPath)) && !Exists(Expand(StartMenuFolderPath)); }, 20000));
  CHECK(NothingInstalled());
  CHECK_FALSE(KeyExists(TRegistryRoot::LocalMachine, u"SOFTWARE\\Classes\\Applications\\zib.exe"));
  // The maker's folders stay.
  CHECK(IsFolder(Expand(MakerFolderPath)));
  CHECK(IsFolder(Expand(StartMenuMakerPath)));
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
  CHECK(ReadValue(TRegistryRoot::LocalMachine, UninstallKey, u"DisplayIcon").Text ==
        L"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe");
  RemoveTree(work + L"\\%ProgramFiles(x86)%");
  ClearInstallation();
}

TEST_CASE("installation: a failed copy restarts the run with \"runas\" and the same argument, exit code 1") {
  TNoMenuBuilder noMenus;
  ClearInstallation();
  // The program folder goes to the scratch folder, where a folder named
  // Zib.exe makes the copy fail. The program's own path (argument 0) names a
  // script, so that a restarted run only notes its arguments.
  std::wstring folder = ScratchFolder(L"install-runas");
  std::wstring setup = SetupCopy(L"install-runas", L"Zib-Setup.exe");
  RemoveTree(folder + L"\\pf");
  for (const wchar_t* part : {L"\\pf", L"\\pf\\Dornef", L"\\pf\\Dornef\\Zib", L"\\pf\\Dornef\\Zib\\Zib.exe"})
    CreateDirectoryW((folder + part).c_str(), nullptr);
  std::wstring script = folder + L"\\Zib-Setup.exe.cmd";
  REQUIRE(WriteFileBytes(script, "@echo %*> \"%~dp0restarted.txt\"\r\n"));
  std::wstring noteFile = folder + L"\\restarted.txt";
  std::wstring environment = EnvironmentWith(folder + L"\\pf");
  TLaunch how;
  how.Application = setup.c_str();
  how.Folder = folder;
  how.Environment = &environment;

  // Without full rights (as a user's programs start under UAC): restarted with "runas".
  HANDLE own = nullptr;
  TOKEN_LINKED_TOKEN limited{};
  DWORD size = 0;
  REQUIRE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own));
  TOKEN_ELEVATION_TYPE type{};
  GetTokenInformation(own, TokenElevationType, &type, sizeof type, &size);
  if (type == TokenElevationTypeFull && GetTokenInformation(own, TokenLinkedToken, &limited, sizeof limited, &size)) {
    how.Token = limited.LinkedToken;
    CHECK(RunToEnd(Quoted(script) + L" /S", how) == 1);
    std::string noted;
    CHECK(WaitUntil([&] { return ReadFileBytes(noteFile, noted) && !noted.empty(); }, 10000));
    CHECK(noted.substr(0, 2) == "/S");
    CloseHandle(limited.LinkedToken);
    how.Token = nullptr;
  } else {
    MESSAGE("no limited token to start the run with: the restart is not tested");
  }
  CloseHandle(own);

  // With full rights already (as every program under Wine): no restart, which would only fail again.
  if (type == TokenElevationTypeFull) {
    DeleteFileW(noteFile.c_str());
    CHECK(RunToEnd(Quoted(script) + L" /S", how) == 1);
    Sleep(2000);
    CHECK_FALSE(Exists(noteFile));
  }
  CHECK(NothingInstalled());
  RemoveTree(folder + L"\\pf");
}
