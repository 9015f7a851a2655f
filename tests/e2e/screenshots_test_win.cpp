// The README's pictures, taken from the real program (`make screenshots`).
// Each case sets a scene and asks scripts/screenshots.sh, which runs a window
// manager on the display, to take the picture with its frame; they meet
// through a request file in ZIB_SHOT_DIR. Without it the cases do nothing.
#include <doctest/doctest.h>

#include <cstdlib>
#include <string>

#include "base/commands.h"
#include "driver_win.h"

namespace {

std::wstring ShotFolder() { return UnixFolderFrom("ZIB_SHOT_DIR"); }

// Asks for a picture of the window (with its frame and what lies on it,
// found on the display by its title) and waits until it is taken.
void Shoot(const std::wstring& folder, HWND window, const char* name) {
  std::wstring title = WindowText(window);
  char utf8[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, title.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  std::string request = std::string(name) + "\n" + utf8 + "\n";
  std::wstring file = folder + L"\\request";
  std::wstring part = file + L".part";
  REQUIRE(WriteFileBytes(part, request));
  REQUIRE(MoveFileW(part.c_str(), file.c_str()));
  CHECK_MESSAGE(WaitUntil([&] { return GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES; }, 30000),
                "no picture taken of " << name);
}

const char Note[] =
    "Einkaufsliste f\xC3\xBCr Samstag\r\n"
    "\r\n"
    "\tBrot\t\t2 St\xC3\xBC" "ck\r\n"
    "\tK\xC3\xA4se\t\t250 g\r\n"
    "\tApfelsaft\t1 Kasten\r\n"
    "\r\n"
    "Termine\r\n"
    "  Mo 10:00  Zahnarzt\r\n"
    "  Mi 18:30  Chorprobe \xE2\x80\x93 Noten mitbringen!\r\n"
    "\r\n"
    "Z\xC2\xB7i\xC2\xB7" "b speichert die Datei so, wie sie war: UTF-8, ANSI oder MS-DOS.\r\n";

// Zib on the note, in the given theme, at the screen's top left.
void StartOnNote(TZib& zib, const std::wstring& folder, bool light) {
  TThemeValue theme;
  theme.Present = true;
  theme.Value = light ? 1 : 0;
  WriteLightThemeValue(theme);
  std::wstring path = L"C:\\users\\Public\\Documents\\notizen.txt";
  REQUIRE(WriteFileBytes(path, std::string("\xEF\xBB\xBF") + Note));
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  SetWindowPos(zib.Main, nullptr, 30, 40, 920, 600, SWP_NOZORDER);
  REQUIRE(WaitForInputHandled(zib));
  SelectInEditor(zib, 0, 0);
  Sleep(300);
  (void)folder;
}

HWND OpenAndWait(TZib& zib, unsigned short id, const wchar_t* caption) {
  REQUIRE(PostCommand(zib, id));
  HWND dialog = WaitForDialog(zib, DefaultWaitMs, caption);
  REQUIRE(dialog != nullptr);
  Sleep(300);
  return dialog;
}

}  // namespace

TEST_CASE("screenshots: the main window light and dark, the control marks") {
  std::wstring folder = ShotFolder();
  if (folder.empty()) return;
  TThemeValue saved = ReadLightThemeValue();
  {
    TZib zib;
    StartOnNote(zib, folder, true);
    Shoot(folder, zib.Main, "zib-light");
    REQUIRE(PostCommand(zib, CmdShowControlChars));
    REQUIRE(WaitForInputHandled(zib));
    Sleep(300);
    Shoot(folder, zib.Main, "zib-marks");
  }
  {
    TZib zib;
    StartOnNote(zib, folder, false);
    Shoot(folder, zib.Main, "zib-dark");
  }
  WriteLightThemeValue(saved);
}

TEST_CASE("screenshots: find and replace, the character table, go to line, a calendar, the About box") {
  std::wstring folder = ShotFolder();
  if (folder.empty()) return;
  TThemeValue saved = ReadLightThemeValue();
  TZib zib;
  StartOnNote(zib, folder, true);

  REQUIRE(Keys(zib, L"Ctrl+H"));
  HWND replace = WaitForFindDialog(zib);
  REQUIRE(replace != nullptr);
  SetDialogItemText(replace, FindWhatFieldId, L"Samstag");
  SetDialogItemText(replace, 0x481, L"Freitag");
  SetWindowPos(replace, nullptr, 360, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Sleep(300);
  Shoot(folder, zib.Main, "zib-replace");
  REQUIRE(PressButton(replace, IDCANCEL));
  REQUIRE(WaitForWindowGone(replace));

  HWND table = OpenAndWait(zib, CmdCharTableAnsi, AsWide(AnsiTableCaption));
  Shoot(folder, zib.Main, "zib-char-table");
  REQUIRE(PressButton(table, IDCANCEL));
  REQUIRE(WaitForWindowGone(table));

  HWND go = OpenAndWait(zib, CmdGoToLine, AsWide(GoToLineCaption));
  SetDialogItemText(go, 100, L"8");
  Shoot(folder, zib.Main, "zib-go-to-line");
  REQUIRE(PressButton(go, IDCANCEL));
  REQUIRE(WaitForWindowGone(go));

  REQUIRE(Keys(zib, L"Ctrl+End"));
  REQUIRE(Keys(zib, L"Enter"));
  REQUIRE(PostCommand(zib, CmdCalendarThreeMonths));
  REQUIRE(WaitForInputHandled(zib));
  Sleep(300);
  Shoot(folder, zib.Main, "zib-calendar");

  HWND about = OpenAndWait(zib, CmdAbout, L"\u00DCber Z\u00B7i\u00B7b");
  Shoot(folder, zib.Main, "zib-about");
  REQUIRE(PressButton(about, IDOK));
  REQUIRE(WaitForWindowGone(about));
  WriteLightThemeValue(saved);
}
