// The program's main body: installation and removal runs, or the editor.
#include <windows.h>

#include "app/appearance_win.h"
#include "app/install_win.h"
#include "app/main_window_win.h"
#include "app/menu_win.h"
#include "base/shared.h"
#include "base/shared_win.h"
#include "commands/find_win.h"
#include "dialogs/dialogs_win.h"
#include "document/document_win.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

namespace {

bool ArgContains(int index, std::u16string_view part) {
  std::wstring arg = CommandLineArg(index);
  return ContainsNoCase(FromWide(arg), part).has_value();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  RestrictDllSearch();
  if (ArgContains(1, u"Uninstall")) return RemoveProgram();
  if (ArgContains(0, u"Setup.exe")) return InstallProgram(ArgContains(1, u"-S") || ArgContains(1, u"/S"));

  FindReplaceMessage = RegisterWindowMessageW(L"commdlg_FindReplace");
  if (!RegisterMainWindowClass(instance)) return 255;
  CreateEditorFont();
  SetLayoutUnit(5);
  CreateMainWindow(instance);
  SetMenu(MainWindow, BuildMenuBar());
  ShowWindow(MainWindow, SW_SHOW);
  UpdateWindow(MainWindow);
  ShortcutTable = BuildShortcutTable();
  PrepareFindRecord();

  std::wstring file = CommandLineArg(1);
  if (!file.empty() && FileExists(file.c_str())) OpenDocumentByName(file.c_str(), EditorWindow());
  EndWork();

  RunMessageLoop();
  DeleteObject(EditorFont);
  return 0;
}
