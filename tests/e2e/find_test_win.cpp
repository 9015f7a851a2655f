// End-to-end tests of find and replace: the modeless dialogs, F3, Replace,
// Replace All with its one undo and its overflow check, the messages and
// where the focus goes. Each test case runs its own Zib process.
#include <doctest/doctest.h>

#include <string>

#include "driver_win.h"

namespace {

// The controls of the system's find and replace dialogs (dlgs.h).
constexpr int ReplaceField = edt2;
constexpr int WholeWordBox = chx1;
constexpr int MatchCaseBox = chx2;
constexpr int DownButton = rad2;
constexpr int ReplaceButton = psh1;
constexpr int ReplaceAllButton = psh2;

const std::wstring NotFound = ToWide(NotFoundText);

// Opens a dialog with the keys and fills its search (and replacement) text.
HWND OpenDialog(TZib& zib, std::wstring_view keys, std::wstring_view search,
                std::wstring_view replacement = L"") {
  REQUIRE(Keys(zib, keys));
  HWND dialog = WaitForFindDialog(zib);
  REQUIRE(dialog != nullptr);
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, search));
  if (GetDlgItem(dialog, ReplaceField)) REQUIRE(SetDialogItemText(dialog, ReplaceField, replacement));
  return dialog;
}

// Checks or clears a box and tells the dialog, as a click would.
void SetCheck(HWND dialog, int id, bool on) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

// Answers the "not found" box of the caption and waits until the focus is
// back in the dialog.
void ExpectNotFound(TZib& zib, std::wstring_view caption, HWND dialog) {
  HWND box = WaitForMessageBox(zib, caption);
  REQUIRE(box != nullptr);
  CHECK(MessageText(box) == NotFound);
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
  if (dialog) CHECK(WaitUntil([&] { return FocusIsIn(zib, dialog); }, 3000));
}

}  // namespace

TEST_CASE("find: matches are selected left to right, the search never wraps, F3 goes on after the dialog") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"aaa"));
  SelectInEditor(zib, 0, 0);
  HWND dialog = OpenDialog(zib, L"Ctrl+F", L"aa");
  // The direction buttons are hidden; Replace is not there.
  HWND down = GetDlgItem(dialog, DownButton);
  CHECK((down == nullptr || !IsWindowVisible(down)));
  CHECK(GetDlgItem(dialog, ReplaceAllButton) == nullptr);

  REQUIRE(PressButton(dialog, IDOK));
  CHECK(SelectionBecomes(zib, 0, 2));
  // The next search starts at 2: nothing more, and the selection stays.
  REQUIRE(PressButton(dialog, IDOK));
  ExpectNotFound(zib, ToWide(FindCaption), dialog);
  CHECK(SelectionBecomes(zib, 0, 2));

  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));
  SelectInEditor(zib, 1, 1);
  REQUIRE(Keys(zib, L"F3"));
  CHECK(SelectionBecomes(zib, 1, 3));
  // After the last match F3 reports and does not wrap to the start.
  REQUIRE(Keys(zib, L"F3"));
  ExpectNotFound(zib, ToWide(FindCaption), nullptr);
  CHECK(SelectionBecomes(zib, 1, 3));
  CHECK(EditorText(zib) == L"aaa");
}

TEST_CASE("find: whole word and match case; the options and the text stay for F3 and the next dialog") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"abc_x xabc \u00C4BC abc-x \u00E4bc"));
  SelectInEditor(zib, 0, 0);
  HWND dialog = OpenDialog(zib, L"Ctrl+F", L"\u00E4bc");
  SetCheck(dialog, WholeWordBox, true);
  REQUIRE(PressButton(dialog, IDOK));
  CHECK(SelectionBecomes(zib, 11, 14));  // upper-case umlaut found without the case option
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));

  SelectInEditor(zib, 0, 0);
  REQUIRE(Keys(zib, L"F3"));
  CHECK(SelectionBecomes(zib, 11, 14));

  // A reopened dialog shows the last text and options.
  REQUIRE(Keys(zib, L"Ctrl+F"));
  dialog = WaitForFindDialog(zib);
  REQUIRE(dialog != nullptr);
  CHECK(DialogItemText(dialog, FindWhatFieldId) == L"\u00E4bc");
  CHECK(SendMessageW(GetDlgItem(dialog, WholeWordBox), BM_GETCHECK, 0, 0) == BST_CHECKED);
  SetCheck(dialog, MatchCaseBox, true);
  SelectInEditor(zib, 0, 0);
  REQUIRE(PressButton(dialog, IDOK));
  CHECK(SelectionBecomes(zib, 21, 24));
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));

  // Whole word: "abc" is not found inside "abc_x" nor "xabc", but in "abc-x".
  REQUIRE(Keys(zib, L"Ctrl+F"));
  dialog = WaitForFindDialog(zib);
  REQUIRE(dialog != nullptr);
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"abc"));
  SelectInEditor(zib, 0, 0);
  REQUIRE(PressButton(dialog, IDOK));
  CHECK(SelectionBecomes(zib, 15, 18));
}

TEST_CASE("replace: the selection is replaced whatever it holds, then the search goes on") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"one two one"));
  SelectInEditor(zib, 0, 0);
  HWND dialog = OpenDialog(zib, L"Ctrl+H", L"one", L"1");
  // Nothing selected: Replace only searches.
  REQUIRE(PressButton(dialog, ReplaceButton));
  CHECK(SelectionBecomes(zib, 0, 3));
  CHECK(EditorText(zib) == L"one two one");
  REQUIRE(PressButton(dialog, ReplaceButton));
  CHECK(SelectionBecomes(zib, 6, 9));
  CHECK(EditorText(zib) == L"1 two one");
  // A selection that is no match is replaced all the same.
  SelectInEditor(zib, 2, 5);
  REQUIRE(PressButton(dialog, ReplaceButton));
  CHECK(SelectionBecomes(zib, 4, 7));
  CHECK(EditorText(zib) == L"1 1 one");
  // The last match replaced, the search reports the end.
  REQUIRE(PressButton(dialog, ReplaceButton));
  ExpectNotFound(zib, ToWide(FindCaption), dialog);
  CHECK(EditorText(zib) == L"1 1 1");
}

TEST_CASE("replace all: every match in one step that one undo reverses") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"aaa"));
  HWND dialog = OpenDialog(zib, L"Ctrl+H", L"a", L"aa");
  REQUIRE(PressButton(dialog, ReplaceAllButton));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"aaaaaa"; }));
  CHECK(SelectionBecomes(zib, 6, 6));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"aaa"; }));

  // An empty replacement deletes every match.
  REQUIRE(SetEditorText(zib, L"a-b-c-"));
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"-"));
  REQUIRE(SetDialogItemText(dialog, ReplaceField, L""));
  REQUIRE(PressButton(dialog, ReplaceAllButton));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"abc"; }));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"a-b-c-"; }));

  // No match: the message, and the text stays.
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"x"));
  REQUIRE(PressButton(dialog, ReplaceAllButton));
  ExpectNotFound(zib, ToWide(ReplaceCaption), dialog);
  CHECK(EditorText(zib) == L"a-b-c-");
}

TEST_CASE("replace all: a result over 2147483647 units is refused and the text stays") {
  TZib zib;
  REQUIRE(StartZib(zib));
  // 8.5 million letters, each to become 255 units: 2,167,500,000 units.
  const std::size_t count = 8500000;
  REQUIRE(PasteIntoEditor(zib, std::wstring(count, L'a')));
  HWND dialog = OpenDialog(zib, L"Ctrl+H", L"a", std::wstring(255, L'b'));
  REQUIRE(PressButton(dialog, ReplaceAllButton));
  HWND box = WaitForMessageBox(zib, ToWide(ReplaceCaption), 120000);
  REQUIRE(box != nullptr);
  CHECK(MessageText(box) == ToWide(ReplaceTooLargeText));
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
  CHECK(EditorLength(zib) == static_cast<long>(count));
}

TEST_CASE("opening a dialog while one is open keeps one dialog") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"x"));
  HWND find = OpenDialog(zib, L"Ctrl+F", L"x");
  REQUIRE(PressButton(find, IDOK));
  CHECK(SelectionBecomes(zib, 0, 1));
  REQUIRE(Keys(zib, L"Ctrl+F"));
  CHECK(FindDialogCount(zib) == 1);
  REQUIRE(Keys(zib, L"Ctrl+H"));
  CHECK(WaitForWindowGone(find));
  HWND replace = WaitForFindDialog(zib);
  REQUIRE(replace != nullptr);
  CHECK(GetDlgItem(replace, ReplaceAllButton) != nullptr);
  CHECK(FindDialogCount(zib) == 1);
  // The kept search text shows in the new dialog.
  CHECK(DialogItemText(replace, FindWhatFieldId) == L"x");
}

// Prints the time of replace all on 5 million units beside the time the bare
// EDIT control of this process takes to replace its whole text with the same
// result (EM_REPLACESEL), which is the most of what the command waits for.
TEST_CASE("replace all on a 5 MB document, timed beside the bare EDIT control") {
  const wchar_t* words[] = {L"Der", L"Hund", L"l\u00E4uft", L"\u00FCber", L"die", L"Stra\u00DFe",
                            L"und", L"sieht", L"einen", L"Apfel", L"im", L"Gras"};
  std::wstring text;
  std::wstring expected;
  unsigned seed = 7;
  for (std::size_t k = 0; text.size() < 5000000; ++k) {
    seed = seed * 1103515245u + 12345u;
    std::wstring word = words[(seed >> 16) % 12];
    std::wstring gap = k % 12 == 11 ? L".\r\n" : L" ";
    text += word + gap;
    expected += (word == L"Hund" ? std::wstring(L"Katze") : word) + gap;
  }
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(PasteIntoEditor(zib, text));
  HWND dialog = OpenDialog(zib, L"Ctrl+H", L"Hund", L"Katze");
  SetCheck(dialog, MatchCaseBox, true);
  DWORD start = GetTickCount();
  REQUIRE(PressButton(dialog, ReplaceAllButton));
  REQUIRE(WaitUntil([&] { return EditorLength(zib, 60000) == static_cast<long>(expected.size()); }, 120000));
  DWORD zibMs = GetTickCount() - start;
  CHECK(EditorText(zib) == expected);

  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL |
                                                   ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                              0, 0, 800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  REQUIRE(edit != nullptr);
  HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, L"Courier New");
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(edit, text.c_str());
  start = GetTickCount();
  SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(expected.c_str()));
  SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
  DWORD editMs = GetTickCount() - start;
  CHECK(GetWindowTextLengthW(edit) == static_cast<int>(expected.size()));
  DestroyWindow(edit);
  DeleteObject(font);
  MESSAGE("replace all, " << text.size() << " units: Zib " << zibMs << " ms; bare EDIT EM_REPLACESEL "
                          << editMs << " ms");
}
