// The installation and removal runs: folders, registry, Start-menu shortcut.
// The keys go into the 32-bit registry view and are deleted in that same view,
// so a 64-bit build installs and removes the same entries the 32-bit one does.
#include "app/install_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/install.h"
#include "app/main_window_win.h"
#include "base/registry_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "platform/wide_win.h"

namespace {

constexpr wchar_t RestartMark[] = L"ZIB_SETUP_RESTARTED";

// The views name constants built from literals, so each ends in a terminator.
const wchar_t* Literal(std::u16string_view text) { return AsWide(text.data()); }

// The expanded form of one of the installation's paths.
std::wstring Expanded(std::u16string_view path) { return ExpandedPath(Literal(path)); }

HKEY RootKey(TRegistryRoot root) { return root == TRegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE; }

void WriteRegistryEntries(const wchar_t* program, const wchar_t* date) {
  for (const TRegistryEntry& entry : InstallationEntries(AsUtf16(program), AsUtf16(date))) {
    HKEY root = RootKey(entry.Root);
    const wchar_t* key = Literal(entry.Key);
    const wchar_t* name = Literal(entry.ValueName);
    switch (entry.Type) {
      case TRegistryType::KeyOnly:
        if (HKEY created = RegCreateKeyFor(root, key)) RegCloseKey(created);
        break;
      case TRegistryType::String:
        RegWriteString(root, key, name, AsWide(entry.Text.c_str()));
        break;
      case TRegistryType::Dword:
        RegWriteDword(root, key, name, entry.Number);
        break;
    }
  }
}

// Asks a running editor to close (CloseRunningInstance) and then gives it up
// to three seconds more to end, so that its program file is free for the copy
// or the removal. An editor that keeps running (its save prompt is open) is
// left running.
void CloseRunningEditor() {
  HANDLE process = nullptr;
  if (HWND other = FindWindowW(MainWindowClass, nullptr)) {
    DWORD id = 0;
    GetWindowThreadProcessId(other, &id);
    if (id != GetCurrentProcessId()) process = OpenProcess(SYNCHRONIZE, FALSE, id);
  }
  CloseRunningInstance();
  if (process) {
    WaitForSingleObject(process, 3000);
    CloseHandle(process);
  }
}

// True when the process already has administrator rights in full, so that a
// restart with "runas" could not cure a failed copy and would only repeat it.
bool RunsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                  elevation.TokenIsElevated;
  CloseHandle(token);
  return elevated;
}

void CreateStartMenuShortcut(const wchar_t* program) {
  CreateDirectoryW(Expanded(StartMenuMakerPath).c_str(), nullptr);
  CreateDirectoryW(Expanded(StartMenuFolderPath).c_str(), nullptr);
  CreateShellLink(program, L"", L"", 0, 0, L"", Literal(ProductName), Expanded(ShortcutPath).c_str());
}

// True when the file is gone, or can be deleted by this process (the
// program file itself may be in use by this very run: only a lack of rights
// counts against it).
bool CanDelete(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return true;
  }
  return GetLastError() != ERROR_ACCESS_DENIED;
}

bool DeleteIfThere(const std::wstring& path) {
  return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
}

// Starts the same run again with "runas", with the same argument; true when
// it did. An elevated run that fails does not restart: it would fail the
// same way, again and again. Nor does a restarted run that did not get full
// rights (where "runas" cannot elevate): it carries a mark in its
// environment, which an elevated start does not inherit, but such a run does.
bool RestartElevated() {
  std::wstring self = ProgramFilePath();
  if (RunsElevated() || self.empty() || GetEnvironmentVariableW(RestartMark, nullptr, 0) != 0) return false;
  std::wstring argument = CommandLineArg(1);
  SetEnvironmentVariableW(RestartMark, L"1");
  return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"runas", self.c_str(), argument.c_str(), nullptr,
                                                 SW_SHOWNORMAL)) > 32;
}

}  // namespace

bool CreateShellLink(const wchar_t* target, const wchar_t* arguments, const wchar_t* workingFolder,
                     int showCommand, int iconIndex, const wchar_t* iconPath, const wchar_t* description,
                     const wchar_t* linkPath) {
  std::wstring folder = ToWide(ShellLinkWorkingFolder(workingFolder ? AsUtf16(workingFolder) : u"", AsUtf16(target)));
  CoInitialize(nullptr);
  IUnknown* object = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&object)))) {
    CoUninitialize();
    return false;
  }
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(object->QueryInterface(IID_IShellLinkW, reinterpret_cast<void**>(&link)))) {
    link->SetPath(target);
    link->SetArguments(arguments);
    link->SetWorkingDirectory(folder.c_str());
    link->SetDescription(description);
    link->SetIconLocation(iconPath, iconIndex);
    link->SetShowCmd(showCommand);
    link->Release();
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(object->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    file->Save(linkPath, FALSE);
    file->Release();
  }
  object->Release();
  CoUninitialize();
  return true;
}

int InstallProgram(bool silent) {
  if (!silent && ShowIconMessage(nullptr, AsWide(InstallPrompt), AsWide(InstallCaption),
                                 MB_YESNOCANCEL | MB_USERICON, L"i") != IDYES)
    return 0;
  CreateDirectoryW(Expanded(MakerFolderPath).c_str(), nullptr);
  CreateDirectoryW(Expanded(ProgramFolderPath).c_str(), nullptr);
  CloseRunningEditor();

  // The copy comes from the running file itself, whatever name it was
  // started by, and overwrites the old one in place: a failed copy leaves an
  // existing installation whole.
  const std::wstring program = Expanded(InstalledProgramPath);
  std::wstring self = ProgramFilePath();
  if (self.empty() || !CopyFileW(self.c_str(), program.c_str(), FALSE)) {
    // As a rule for lack of administrator rights: the same run again, elevated.
    RestartElevated();
    return 1;
  }

  wchar_t date[64];
  FormatShortDate(date, 64);
  WriteRegistryEntries(program.c_str(), date);
  CreateStartMenuShortcut(program.c_str());
  return 0;
}

int RemoveProgram() {
  if (ShowIconMessage(nullptr, AsWide(RemovalPrompt), AsWide(RemovalCaption),
                      MB_YESNOCANCEL | MB_USERICON | MB_DEFBUTTON2, L"i") != IDYES)
    return 2;
  bool complete = DeleteIfThere(Expanded(ShortcutPath));
  for (const TRegistryRemoval& removal : RemovalKeys())
    complete = RegDeleteKeyFor(RootKey(removal.Root), Literal(removal.Key), removal.WithSubkeys) && complete;
  complete = CanDelete(Expanded(InstalledProgramPath)) && CanDelete(Expanded(ProgramFolderPath)) &&
             CanDelete(Expanded(StartMenuFolderPath)) && complete;
  // As a rule for lack of administrator rights: the same run again, elevated,
  // as the installation does.
  if (!complete && RestartElevated()) return 1;
  CloseRunningEditor();
  if (!complete)
    MessageBoxW(nullptr, AsWide(RemovalIncompleteText), AsWide(RemovalCaption), MB_OK | MB_ICONWARNING);

  // The interpreter deletes the folders after this process has ended, the
  // program file in the program folder included.
  std::u16string script = RemovalScript(AsUtf16(Expanded(StartMenuFolderPath).c_str()),
                                        AsUtf16(Expanded(ProgramFolderPath).c_str()));
  std::wstring interpreter = SystemProgramPath(L"cmd.exe");
  if (!interpreter.empty()) ShellExecuteW(nullptr, L"open", interpreter.c_str(), AsWide(script.c_str()), nullptr, SW_HIDE);
  return complete ? 3 : 4;
}
