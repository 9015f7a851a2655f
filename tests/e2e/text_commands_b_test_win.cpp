// End-to-end tests of commenting, clean-up, case conversion and line sorting:
// the shortcut from the program's own table, the text and selection the
// editor shows afterwards, the sort's question, and one undo restoring the
// text.
#include <doctest/doctest.h>

#include <cwctype>
#include <string>

#include "command_steps_win.h"

namespace {

const std::wstring Caption = ToWide(SortCaption);
const std::wstring SortUpQuestion = ToWide(SortAscendingQuestion);
const std::wstring SortDownQuestion = ToWide(SortDescendingQuestion);

// Opens a file with the text (CR LF breaks) under the name, for its extension.
void StartWithFile(TZib& zib, const wchar_t* name, std::string_view bytes) {
  std::wstring path = ScratchFolder(L"text-commands-b") + L"\\" + name;
  REQUIRE(WriteFileBytes(path, bytes));
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  REQUIRE(WaitUntil([&] { return EditorLength(zib) == static_cast<long>(bytes.size()); }));
}

// The sort's question: owned by the main window, Yes/No/Cancel with No as
// the default button; answers it with the button.
void AnswerSort(TZib& zib, const std::wstring& question, int button) {
  HWND box = WaitForMessageBox(zib, Caption);
  REQUIRE(box != nullptr);
  CHECK(MessageText(box) == question);
  CHECK(GetWindow(box, GW_OWNER) == zib.Main);
  CHECK(GetDlgItem(box, IDYES) != nullptr);
  CHECK(GetDlgItem(box, IDNO) != nullptr);
  CHECK(GetDlgItem(box, IDCANCEL) != nullptr);
  CHECK((GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON);
  CHECK((GetWindowLongW(GetDlgItem(box, IDYES), GWL_STYLE) & 0xF) == BS_PUSHBUTTON);
  REQUIRE(PressButton(box, button));
  REQUIRE(WaitForWindowGone(box));
}

// The sort's question for the step's command, answered with the step's button.
void AnswerSortStep(TZib& zib, const TCommandStep& step) {
  AnswerSort(zib, step.Command == CmdSortAscending ? SortUpQuestion : SortDownQuestion, step.Answer);
}

}  // namespace

TEST_CASE("Ctrl+Q in a .bat file toggles REM markers line by line; one undo restores") {
  TZib zib;
  StartWithFile(zib, L"script.bat", "  echo x\r\nrem ~ y\r\nz");
  RunSteps(zib, {
      // The caret stays beside the same character.
      {KeptText, 3, 3, CmdComment, L"  REM ~ echo x\r\nrem ~ y\r\nz", 9, 9},
      // All three lines: the first two lose their markers, the last gets one.
      {KeptText, 0, 26, CmdComment, L"  echo x\r\ny\r\nREM ~ z", 0, 20, true},
  });
}

TEST_CASE("Ctrl+Q selects from behind the first new opener to the block's end") {
  TZib zib;
  StartWithFile(zib, L"two.CMD", "x\r\ny\r\nrest");
  // Up to the first index of the third line: that line is not included.
  RunSteps(zib, {{KeptText, 0, 6, CmdComment, L"REM ~ x\r\nREM ~ y\r\nrest", 6, 18}});
}

TEST_CASE("Ctrl+Q in a .css file: closer before trailing blanks, caret kept, overlapping markers") {
  TZib zib;
  StartWithFile(zib, L"style.css", "abc\r\na { }  \r\n/* */");
  RunSteps(zib, {
      {KeptText, 1, 1, CmdComment, L"/* abc */\r\na { }  \r\n/* */", 4, 4},
      {KeptText, 11, 11, CmdComment, L"/* abc */\r\n/* a { } */  \r\n/* */"},
      // '/* */' is no comment: the markers would share its space.
      {KeptText, 28, 28, CmdComment, L"/* abc */\r\n/* a { } */  \r\n/* /* */ */"},
      {KeptText, 28, 28, CmdComment, L"/* abc */\r\n/* a { } */  \r\n/* */"},
  });
}

TEST_CASE("Ctrl+Q in an untitled document uses '# '; blank lines keep their blanks") {
  TZib zib;
  REQUIRE(StartZib(zib));
  RunSteps(zib, {
      {L"one\r\n  \t\r\ntwo", 0, 13, CmdComment, L"# one\r\n  \t\r\n# two"},
      // Only blank lines: nothing changes, the selection stays.
      {L"  \r\n\t", 0, 5, CmdComment, L"  \r\n\t", 0, 5},
  });
}

TEST_CASE("Ctrl+B cleans the document and leaves the caret at the end of its line") {
  TZib zib;
  REQUIRE(StartZib(zib));
  RunSteps(zib, {
      {L"a\t \r\n\tb \r\nc", 1, 1, CmdCleanUp, L"a\r\n  b\r\nc", 1, 1, true},
      {KeptText, 5, 5, CmdCleanUp, L"a\r\n  b\r\nc", 6, 6},
      // Empty document: nothing happens.
      {L"", 0, 0, CmdCleanUp, L""},
  });
}

TEST_CASE("Ctrl+Shift+U and Ctrl+U convert the selection; the length stays") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring mixed = L"Stra\u00DFe \u00E4bc xyz";
  const std::wstring upper = L"STRA\u00DFE \u00C4BC xyz";
  RunSteps(zib, {
      // The caret after the converted text.
      {mixed, 0, 10, CmdUpperCase, upper, 10, 10, true},
      {KeptText, 0, 10, CmdUpperCase, upper},
      {KeptText, 7, 14, CmdLowerCase, L"STRA\u00DFE \u00E4bc xyz", AnySelection, AnySelection, true},
      // Without a selection nothing happens.
      {KeptText, 3, 3, CmdLowerCase, upper},
  });
}

TEST_CASE("Ctrl+T asks, then sorts the touched lines A to Z as the exchange sort leaves them") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring text = L"top\r\nb\r\nB\r\na\r\nlast";
  // Lines 2 to 4: the selection ends at the first index of line 5.
  REQUIRE(PutText(zib, text, 5, 14));

  // Enter takes the default button, No: nothing changes.
  REQUIRE(PressCommand(zib, CmdSortAscending));
  HWND box = WaitForMessageBox(zib, Caption);
  REQUIRE(box != nullptr);
  REQUIRE(BringToFront(zib, box));
  PressKey(VK_RETURN);
  REQUIRE(WaitForWindowGone(box));
  CHECK(EditorText(zib) == text);

  RunSteps(zib,
           {
               {KeptText, 5, 14, CmdSortAscending, text, AnySelection, AnySelection, false, IDCANCEL},
               {KeptText, 5, 14, CmdSortAscending, L"top\r\na\r\nB\r\nb\r\nlast", 12, 12, true, IDYES},
           },
           AnswerSortStep);
}

TEST_CASE("Ctrl+Shift+T sorts Z to A; the last line keeps having no break") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring sorted = L"pear\r\nfig\r\napple";
  RunSteps(zib,
           {
               // The middle of line 1 to the middle of line 3.
               {L"pear\r\napple\r\nfig", 2, 14, CmdSortDescending, sorted, 16, 16, true, IDYES},
               {KeptText, 0, 15, CmdSortDescending, sorted, AnySelection, AnySelection, false, IDYES},
               // An empty selection asks nothing and sorts nothing.
               {KeptText, 3, 3, CmdSortAscending, sorted},
           },
           AnswerSortStep);
  CHECK(WaitForMessageBox(zib, Caption, 1000) == nullptr);
}

TEST_CASE("sorting keeps lines longer than EM_GETLINE can hand over whole") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring longLine(70000, L'z');
  const std::wstring middle(65535, L'm');
  const std::wstring text = longLine + L"\r\n" + middle + L"\r\na";
  RunSteps(zib,
           {{text, 0, static_cast<DWORD>(text.size()), CmdSortAscending, L"a\r\n" + middle + L"\r\n" + longLine,
             AnySelection, AnySelection, false, IDYES}},
           AnswerSortStep);
}

TEST_CASE("a large document: a whole-text command is one undo step, and a second undo brings it back") {
  TZib zib;
  REQUIRE(StartZib(zib));
  // Past the size from which the replacement deletes first, then inserts.
  std::wstring text, commented, upper;
  for (int i = 0; i < 4000; ++i) {
    std::wstring line = L"Zeile " + std::to_wstring(i) + L" mit Text";
    std::wstring big = line;
    for (wchar_t& c : big) c = static_cast<wchar_t>(std::towupper(c));
    text += line + L"\r\n";
    commented += L"# " + line + L"\r\n";
    upper += big + L"\r\n";
  }
  const DWORD length = static_cast<DWORD>(text.size());
  REQUIRE(length > 65536);
  RunSteps(zib, {
      {text, 0, length, CmdComment, commented, AnySelection, AnySelection, true},
      {text, 0, length, CmdUpperCase, upper, length, length, true},
  });
  REQUIRE(PressCommand(zib, CmdUndo));
  CHECK(TextBecomes(zib, upper));
}
