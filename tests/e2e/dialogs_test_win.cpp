// End-to-end tests of the go-to-line dialog and the character tables: the
// shortcut from the program's own table, the dialog it opens, where the caret
// goes, what is inserted, and what the dialogs remember.
#include <doctest/doctest.h>

#include <string>

#include "app/menu_table.h"
#include "base/commands.h"
#include "dialogs/calendar.h"
#include "dialogs/char_table.h"
#include "dialogs/dialog_template.h"
#include "driver_win.h"

namespace {

// Presses the command's shortcut and waits for its dialog.
HWND OpenDialog(TZib& zib, unsigned short id, const char16_t* caption) {
  std::wstring chord = ChordOf(id);
  REQUIRE(!chord.empty());
  REQUIRE(Keys(zib, chord));
  HWND dialog = WaitForDialog(zib, DefaultWaitMs, ToWide(caption));
  REQUIRE(dialog != nullptr);
  return dialog;
}

// Confirms the number prompt with the text in its field. The dialog is
// expected to close.
void GoTo(TZib& zib, const std::wstring& entry) {
  HWND dialog = OpenDialog(zib, CmdGoToLine, GoToLineCaption);
  REQUIRE(SetDialogItemText(dialog, NumberFieldId, entry));
  REQUIRE(PressButton(dialog, IDOK));
  REQUIRE(WaitForWindowGone(dialog));
}

// The number the next go-to-line dialog starts with; closes it with Escape.
std::wstring NextPrefill(TZib& zib) {
  HWND dialog = OpenDialog(zib, CmdGoToLine, GoToLineCaption);
  std::wstring shown = DialogItemText(dialog, NumberFieldId);
  REQUIRE(Keys(zib, L"Escape"));
  REQUIRE(WaitForWindowGone(dialog));
  return shown;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

int SelectedRow(HWND dialog) { return static_cast<int>(Ask(GetDlgItem(dialog, CharTableList), LB_GETCURSEL)); }

const std::wstring FiveLines = L"eins\r\nzwei\r\ndrei\r\nvier\r\nf\u00FCnf";  // lines start at 0, 6, 12, 18, 24

}  // namespace

TEST_CASE("Ctrl+G: first shows 0, moves to the line's start, remembers the entry") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, FiveLines));
  SelectInEditor(zib, 14, 16);

  HWND dialog = OpenDialog(zib, CmdGoToLine, GoToLineCaption);
  CHECK(DialogItemText(dialog, NumberFieldId) == L"0");
  CHECK(DialogItemText(dialog, IDOK) == L"&Ok");
  CHECK(DialogItemText(dialog, IDCANCEL) == ToWide(CancelButton));
  CHECK(!IsWindowEnabled(zib.Main));
  SaveScreenshot(dialog, L"goto-line");
  // The field has the focus with its text selected: typing replaces it, Enter confirms.
  REQUIRE(Type(zib, L"3\n"));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(SelectionBecomes(zib, 12, 12));
  CHECK(EditorText(zib) == FiveLines);
  CHECK(NextPrefill(zib) == L"3");

  // Zero and below go to the first line and are remembered as entered.
  GoTo(zib, L"0");
  CHECK(SelectionBecomes(zib, 0, 0));
  GoTo(zib, L"-7");
  CHECK(SelectionBecomes(zib, 0, 0));
  CHECK(NextPrefill(zib) == L"-7");

  // Past the end: the last line's start, remembered as the line count.
  GoTo(zib, L"99");
  CHECK(SelectionBecomes(zib, 24, 24));
  CHECK(NextPrefill(zib) == L"5");
  GoTo(zib, L" +2");
  CHECK(SelectionBecomes(zib, 6, 6));
}

TEST_CASE("Ctrl+G: an entry that is no 32-bit number keeps the dialog open; cancel changes nothing") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, FiveLines));
  SelectInEditor(zib, 7, 9);
  HWND dialog = OpenDialog(zib, CmdGoToLine, GoToLineCaption);
  for (const wchar_t* entry : {L"", L"3000000000", L"2x"}) {
    CAPTURE(std::wstring(entry));
    REQUIRE(SetDialogItemText(dialog, NumberFieldId, entry));
    REQUIRE(PressButton(dialog, IDOK));
    REQUIRE(WaitForInputHandled(zib));
    CHECK(IsWindowVisible(dialog));
    CHECK(DialogItemText(dialog, NumberFieldId) == entry);
  }
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));
  DWORD s = 0, e = 0;
  REQUIRE(EditorSelection(zib, s, e));
  CHECK((s == 7 && e == 9));
  CHECK(NextPrefill(zib) == L"0");  // neither the failed entries nor the cancel were kept
  // The close box cancels too.
  dialog = OpenDialog(zib, CmdGoToLine, GoToLineCaption);
  REQUIRE(SetDialogItemText(dialog, NumberFieldId, L"2"));
  PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  REQUIRE(WaitForWindowGone(dialog));
  REQUIRE(EditorSelection(zib, s, e));
  CHECK((s == 7 && e == 9));
}

TEST_CASE("Ctrl+G in an empty document puts the caret at 0 for any number") {
  TZib zib;
  REQUIRE(StartZib(zib));
  GoTo(zib, L"12");
  CHECK(SelectionBecomes(zib, 0, 0));
  CHECK(NextPrefill(zib) == L"1");
  GoTo(zib, L"-2147483648");
  CHECK(SelectionBecomes(zib, 0, 0));
}

TEST_CASE("F4: opens on A, type-to-find, Enter inserts the character alone; one undo removes it") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"ab"));
  SelectInEditor(zib, 1, 1);
  HWND dialog = OpenDialog(zib, CmdCharTableAnsi, AnsiTableCaption);
  HWND list = GetDlgItem(dialog, CharTableList);
  REQUIRE(list != nullptr);
  CHECK(Ask(list, LB_GETCOUNT) == 428);
  CHECK(SelectedRow(dialog) == FirstAnsiTableIndex);
  CHECK(DialogItemText(dialog, IDOK) == ToWide(InsertButton));
  // The list is navy on white whatever the editor's dark mode.
  RECT area{};
  GetClientRect(list, &area);
  CHECK(AreaShows(list, area, RGB(255, 255, 255)));
  CHECK(AreaShows(list, area, RGB(0, 0, 128)));
  SaveScreenshot(dialog, L"char-table-ansi");

  // S from A: S, then 0x8A (Š), then Ś.
  REQUIRE(Type(zib, L"S"));
  CHECK(SelectedRow(dialog) == 'S' - 32);
  REQUIRE(Type(zib, L"S"));
  CHECK(SelectedRow(dialog) == 0x8A - 32);
  REQUIRE(Type(zib, L"S"));
  CHECK(SelectedRow(dialog) == 225 + 0x5A);
  REQUIRE(Keys(zib, L"Enter"));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"a\u015Ab"; }, 5000));
  CHECK(SelectionBecomes(zib, 2, 2));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"ab"; }, 5000));

  // The table opens on the row inserted last; cancelling does not move it.
  dialog = OpenDialog(zib, CmdCharTableAnsi, AnsiTableCaption);
  CHECK(SelectedRow(dialog) == 225 + 0x5A);
  REQUIRE(Keys(zib, L"Down"));
  REQUIRE(Keys(zib, L"Escape"));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(EditorText(zib) == L"ab");
  SelectInEditor(zib, 1, 1);
  dialog = OpenDialog(zib, CmdCharTableAnsi, AnsiTableCaption);
  CHECK(SelectedRow(dialog) == 225 + 0x5A);

  // A section row inserts its hyphen: from the Latin Extended-A rows '-' reaches "--Kyrill.----".
  REQUIRE(Type(zib, L"-"));
  CHECK(SelectedRow(dialog) == 354);
  REQUIRE(PressButton(dialog, IDOK));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"a-b"; }, 5000));
}

TEST_CASE("Shift+F4: the OEM table, its own remembered row, a double-click inserts") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"xy"));
  SelectInEditor(zib, 0, 1);  // the insert replaces a selection
  HWND dialog = OpenDialog(zib, CmdCharTableDos, OemTableCaption);
  HWND list = GetDlgItem(dialog, CharTableList);
  CHECK(Ask(list, LB_GETCOUNT) == 256);
  CHECK(SelectedRow(dialog) == FirstOemTableIndex);
  RECT area{};
  GetClientRect(list, &area);
  CHECK(AreaShows(list, area, RGB(0, 0, 0)));
  CHECK(AreaShows(list, area, RGB(255, 255, 0)));
  SaveScreenshot(dialog, L"char-table-oem");

  // Row 7, the filled circle, double-clicked with the mouse.
  REQUIRE(Keys(zib, L"Home"));
  for (int i = 0; i < 7; ++i) REQUIRE(Keys(zib, L"Down"));
  REQUIRE(SelectedRow(dialog) == 7);
  int top = static_cast<int>(Ask(list, LB_GETTOPINDEX));
  int height = static_cast<int>(Ask(list, LB_GETITEMHEIGHT, 0));
  REQUIRE(height > 0);
  POINT at{10, (7 - top) * height + height / 2};
  ClientToScreen(list, &at);
  SetCursorPos(at.x, at.y);
  INPUT clicks[4]{};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, clicks, sizeof(INPUT));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"\u25CFy"; }, 5000));

  // Each table keeps its own row: ANSI still on A, OEM on 7.
  dialog = OpenDialog(zib, CmdCharTableAnsi, AnsiTableCaption);
  CHECK(SelectedRow(dialog) == FirstAnsiTableIndex);
  REQUIRE(Keys(zib, L"Escape"));
  REQUIRE(WaitForWindowGone(dialog));
  dialog = OpenDialog(zib, CmdCharTableDos, OemTableCaption);
  CHECK(SelectedRow(dialog) == 7);
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));
  CHECK(EditorText(zib) == L"\u25CFy");
}

TEST_CASE("the year prompt: entries outside 1583..9999 reset the field to 1583 and keep it open") {
  TZib zib;
  REQUIRE(StartZib(zib));
  HWND prompt = OpenDialog(zib, CmdCalendarYear, YearCaption);
  for (const wchar_t* entry : {L"1582", L"10000", L"0", L"", L"19a4", L"-2000"}) {
    CAPTURE(std::wstring(entry));
    REQUIRE(SetDialogItemText(prompt, NumberFieldId, entry));
    REQUIRE(PressButton(prompt, IDOK));
    CHECK(WaitUntil([&] { return DialogItemText(prompt, NumberFieldId) == L"1583"; }, 5000));
    CHECK(IsWindowVisible(prompt));
  }
  CHECK(EditorLength(zib) == 0);
  REQUIRE(PressButton(prompt, IDOK));  // now 1583 itself
  REQUIRE(WaitForWindowGone(prompt));
  CHECK(WaitUntil([&] { return EditorText(zib) == ToWide(YearCalendar(1583)); }, 5000));

  SetEditorText(zib, L"");
  prompt = OpenDialog(zib, CmdCalendarYear, YearCaption);
  REQUIRE(SetDialogItemText(prompt, NumberFieldId, L"9999"));
  REQUIRE(Keys(zib, L"Enter"));
  REQUIRE(WaitForWindowGone(prompt));
  CHECK(WaitUntil([&] { return EditorText(zib) == ToWide(YearCalendar(9999)); }, 5000));

  // Escape and the close box insert nothing.
  SetEditorText(zib, L"");
  prompt = OpenDialog(zib, CmdCalendarYear, YearCaption);
  REQUIRE(Keys(zib, L"Escape"));
  REQUIRE(WaitForWindowGone(prompt));
  prompt = OpenDialog(zib, CmdCalendarYear, YearCaption);
  PostMessageW(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
  REQUIRE(WaitForWindowGone(prompt));
  REQUIRE(WaitForInputHandled(zib));
  CHECK(EditorLength(zib) == 0);
}
