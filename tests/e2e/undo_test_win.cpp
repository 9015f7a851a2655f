// End-to-end tests of undo around commands: every command that writes is one
// undo step of its own, whatever came before it, and a second undo brings its
// result back. One table of commands, one loop over the histories.
#include <doctest/doctest.h>

#include <string>

#include "base/commands.h"
#include "driver_win.h"

namespace {

constexpr DWORD KeepCaret = 0xFFFFFFFF;  // the command runs where the history left the caret

const wchar_t* const Document = L"Zwei \r\neins\t\r\nDrei \u00E9";
const wchar_t* const Descending = L"Drei \r\neins\t\r\nZwei \u00E9";
constexpr DWORD All = 19;

struct TUndoRow {
  unsigned short Command;
  DWORD Start = KeepCaret, End = KeepCaret;  // else selected before each run
  const char16_t* Asks = nullptr;            // the caption of the window it asks in
  int Answer = IDOK;                         // the button that answers it
  bool Idempotent = false;                   // run twice, the second run changes nothing
  const wchar_t* Text = Document;            // the caret starts at 5
};

constexpr int ReplaceButton = psh1;
constexpr int ReplaceAllButton = psh2;

// Runs the row's command once and waits until Zib has carried it out. A
// caret command runs at the end of what an undo selected; Replace on the
// match it found, or on the row's when none is selected.
void RunCommand(TZib& zib, const TUndoRow& row) {
  DWORD start = 0, end = 0;
  REQUIRE(EditorSelection(zib, start, end));
  bool onMatch = end == start + 2 && EditorText(zib).substr(start, 2) == L"ei";
  if (row.Start == KeepCaret && start != end) {
    SelectInEditor(zib, end, end);
  } else if (row.Start != KeepCaret && !(row.Answer == ReplaceButton && onMatch)) {
    SelectInEditor(zib, row.Start, row.End);
    REQUIRE(SelectionBecomes(zib, row.Start, row.End));
  }
  REQUIRE(PressCommand(zib, row.Command));
  if (row.Command == CmdReplace) {
    HWND dialog = WaitForFindDialog(zib);
    REQUIRE(dialog != nullptr);
    REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"ei"));
    REQUIRE(SetDialogItemText(dialog, edt2, L"XY"));
    REQUIRE(PressButton(dialog, row.Answer));
    REQUIRE(WaitForInputHandled(zib));
    REQUIRE(PressButton(dialog, IDCANCEL));
    REQUIRE(WaitForWindowGone(dialog));
  } else if (row.Asks) {
    HWND asked = WaitForDialog(zib, DefaultWaitMs, ToWide(row.Asks));
    REQUIRE(asked != nullptr);
    REQUIRE(PressButton(asked, row.Answer));
    REQUIRE(WaitForWindowGone(asked));
  }
  REQUIRE(WaitForInputHandled(zib));
}

bool UndoEnabled(TZib& zib) {
  TMenus menus;
  if (!ReadMenus(zib, menus, true)) return false;
  const TMenuEntry* undo = FindMenuItem(menus, CmdUndo);
  return undo && !undo->Grayed();
}

const TUndoRow Rows[] = {
    {CmdDateTime},
    {CmdDuplicateLine},
    {CmdTemplateHtml}, {CmdTemplateUrl}, {CmdTemplateReg}, {CmdTemplateForDo}, {CmdTemplateForRecursive},
    {CmdTemplateSetup}, {CmdTemplateUninstall}, {CmdTemplateBoxHeader}, {CmdTemplateBoxTable},
    {CmdTemplateChord}, {CmdTemplateChordLarge},
    {CmdSymbolMultiplyDot}, {CmdSymbolBlackCircle}, {CmdSymbolDivision}, {CmdSymbolColon},
    {CmdSymbolQuestion}, {CmdSymbolSlash}, {CmdSymbolBackslash}, {CmdSymbolGuillemetOpen},
    {CmdSymbolGuillemetClose}, {CmdSymbolNoBreakSpace}, {CmdSymbolNarrowSpace},
    {CmdListingAnsi}, {CmdListingDos},
    {CmdCalendarThreeMonths},
    {CmdCalendarYear, KeepCaret, KeepCaret, YearCaption},
    {CmdCharTableAnsi, KeepCaret, KeepCaret, AnsiTableCaption},
    {CmdCharTableDos, KeepCaret, KeepCaret, OemTableCaption},
    {CmdCodePoint},
    {CmdComment},
    {CmdCleanUp, KeepCaret, KeepCaret, nullptr, IDOK, true},
    {CmdUpperCase, 2, All, nullptr, IDOK, true},
    {CmdLowerCase, 0, All, nullptr, IDOK, true},
    {CmdSortAscending, 0, All, SortCaption, IDYES, true},
    {CmdSortDescending, 0, All, SortCaption, IDYES, true, Descending},
    {CmdReplace, 2, 4, nullptr, ReplaceButton},
    {CmdReplace, 0, 0, nullptr, ReplaceAllButton, true},
};

enum THistory { AfterTyping, AfterUndo, AfterSameCommand };

}  // namespace

TEST_CASE("every command that writes is one undo step: after typing, after an undo, after itself") {
  TZib zib;
  REQUIRE(StartZib(zib));
  for (const TUndoRow& row : Rows) {
    for (THistory history : {AfterTyping, AfterUndo, AfterSameCommand}) {
      CAPTURE(row.Command);
      CAPTURE(static_cast<int>(row.Answer));
      CAPTURE(static_cast<int>(history));
      std::wstring text = row.Text;
      REQUIRE(PutText(zib, text, 5, 5));
      if (history == AfterTyping) {
        REQUIRE(Type(zib, L"ab"));
        REQUIRE(TextBecomes(zib, text.insert(5, L"ab")));
      } else {
        RunCommand(zib, row);
        if (history == AfterUndo) REQUIRE(Keys(zib, L"Ctrl+Z"));
      }
      REQUIRE(WaitForInputHandled(zib));
      std::wstring before = EditorText(zib);
      RunCommand(zib, row);
      std::wstring after = EditorText(zib);
      if (history != AfterSameCommand || !row.Idempotent) CHECK(after != before);
      CHECK(UndoEnabled(zib));
      REQUIRE(Keys(zib, L"Ctrl+Z"));
      CHECK(TextBecomes(zib, before));
      REQUIRE(Keys(zib, L"Alt+Backspace"));
      CHECK(TextBecomes(zib, after));
    }
  }
}

TEST_CASE("typing after a command, Ctrl+Backspace and the .LOG stamp are undo steps of their own") {
  TZib zib;
  std::wstring path = ScratchFolder(L"undo") + L"\\journal.txt";
  REQUIRE(WriteFileBytes(path, ".LOG\r\nerster Eintrag"));
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  REQUIRE(WaitUntil([&] { return EditorLength(zib) == 43; }));
  std::wstring stamped = EditorText(zib);
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, L".LOG\r\nerster Eintrag"));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, stamped));

  // Typed at the end of a stamp, the text goes alone; so does a word deleted
  // right after the stamp.
  REQUIRE(PutText(zib, Document, 5, 5));
  REQUIRE(Keys(zib, L"F5"));
  REQUIRE(WaitForInputHandled(zib));
  stamped = EditorText(zib);
  REQUIRE(Type(zib, L"xy"));
  REQUIRE(TextBecomes(zib, stamped.substr(0, 24) + L"xy" + stamped.substr(24)));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, stamped));
  REQUIRE(Keys(zib, L"F5"));
  REQUIRE(WaitForInputHandled(zib));
  std::wstring twice = EditorText(zib);
  REQUIRE(Keys(zib, L"Ctrl+Backspace"));
  REQUIRE(WaitForInputHandled(zib));
  CHECK(EditorText(zib) != twice);
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, twice));

  // A typed word stays one step, and so does a run of word deletions.
  REQUIRE(PutText(zib, L"eins zwei", 9, 9));
  REQUIRE(Type(zib, L" drei"));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, L"eins zwei"));
  REQUIRE(Keys(zib, L"Ctrl+Backspace"));
  REQUIRE(Keys(zib, L"Ctrl+Backspace"));
  REQUIRE(TextBecomes(zib, L""));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, L"eins zwei"));
}

TEST_CASE("a whole-text command on 80,000 lines after typing: one undo gives back the typed text, a second the result") {
  TZib zib;
  REQUIRE(StartZib(zib));
  std::wstring text;
  for (int i = 0; i < 80000; ++i) text += L"Zeile " + std::to_wstring(i) + L" mit Text\t\r\n";
  REQUIRE(PasteIntoEditor(zib, text));
  const DWORD end = static_cast<DWORD>(text.size());
  SelectInEditor(zib, end, end);
  REQUIRE(SelectionBecomes(zib, end, end));
  REQUIRE(Type(zib, L"ab"));
  text += L"ab";
  REQUIRE(TextBecomes(zib, text, 60000));
  REQUIRE(PressCommand(zib, CmdCleanUp));
  REQUIRE(WaitForInputHandled(zib, 120000));
  std::wstring after = EditorText(zib);
  CHECK(after.size() == text.size() - 80000);
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, text, 120000));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, after, 120000));
}
