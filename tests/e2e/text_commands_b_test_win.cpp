// End-to-end tests of commenting, clean-up, case conversion and line sorting:
// the shortcut from the program's own table, the text and selection the
// editor shows afterwards, the sort's question, and one undo restoring the
// text.
#include <doctest/doctest.h>

#include "app/commands.h"
#include "app/menu_table.h"
#include "driver_win.h"

namespace {

std::wstring W(std::u16string_view s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

const std::wstring SortCaption = L"Sortierung";
const std::wstring SortUpQuestion = L"Ausgew\u00E4hlte Zeilen von A \u2192 Z sortieren?";
const std::wstring SortDownQuestion = L"Ausgew\u00E4hlte Zeilen von Z \u2192 A sortieren?";

// The chord of a command as the shortcut table has it ("Ctrl+Shift+U").
std::wstring ChordOf(unsigned short id) {
  for (const TShortcut& s : ShortcutEntries()) {
    if (s.Id == id) return W(ShortcutText(s));
  }
  return L"";
}

bool Press(TZib& zib, unsigned short id) {
  std::wstring chord = ChordOf(id);
  return !chord.empty() && Keys(zib, chord);
}

long TextLength(TZib& zib) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(Editor(zib), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length)) return -1;
  return static_cast<long>(length);
}

void Select(TZib& zib, DWORD start, DWORD end) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Editor(zib), EM_SETSEL, start, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG, 5000, &result);
}

// Puts the text into the editor as a paste would, and selects start..end.
void Put(TZib& zib, const std::wstring& text, DWORD start, DWORD end) {
  DWORD_PTR result = 0;
  REQUIRE(SendMessageTimeoutW(Editor(zib), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                              10000, &result));
  REQUIRE(TextLength(zib) == static_cast<long>(text.size()));
  Select(zib, start, end);
}

bool TextBecomes(TZib& zib, const std::wstring& text) {
  return WaitUntil([&] { return EditorText(zib) == text; }, 5000);
}

struct TSel {
  DWORD Start;
  DWORD End;
  bool operator==(const TSel&) const = default;
};

TSel Selection(TZib& zib) {
  TSel s{0xFFFFFFFF, 0xFFFFFFFF};
  EditorSelection(zib, s.Start, s.End);
  return s;
}

// Opens a file with the text (CR LF breaks) under the name, for its extension.
void StartWithFile(TZib& zib, const wchar_t* name, std::string_view bytes) {
  std::wstring path = ScratchFolder(L"text-commands-b") + L"\\" + name;
  REQUIRE(WriteFileBytes(path, bytes));
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  REQUIRE(WaitUntil([&] { return TextLength(zib) == static_cast<long>(bytes.size()); }));
}

// The sort's question: owned by the main window, Yes/No/Cancel with No as
// the default button; answers it with the button.
void AnswerSort(TZib& zib, const std::wstring& question, int button) {
  HWND box = WaitForMessageBox(zib, SortCaption);
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

}  // namespace

TEST_CASE("Ctrl+Q in a .bat file toggles REM markers line by line; one undo restores") {
  TZib zib;
  StartWithFile(zib, L"script.bat", "  echo x\r\nrem ~ y\r\nz");
  Select(zib, 3, 3);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"  REM ~ echo x\r\nrem ~ y\r\nz"));
  CHECK(Selection(zib) == TSel{9, 9});  // beside the same character

  // All three lines: the first two lose their markers, the last gets one.
  Select(zib, 0, 26);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"  echo x\r\ny\r\nREM ~ z"));
  CHECK(Selection(zib) == TSel{0, 20});
  REQUIRE(Press(zib, CmdUndo));
  CHECK(TextBecomes(zib, L"  REM ~ echo x\r\nrem ~ y\r\nz"));
}

TEST_CASE("Ctrl+Q selects from behind the first new opener to the block's end") {
  TZib zib;
  StartWithFile(zib, L"two.CMD", "x\r\ny\r\nrest");
  Select(zib, 0, 6);  // up to the first index of the third line: not included
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"REM ~ x\r\nREM ~ y\r\nrest"));
  CHECK(Selection(zib) == TSel{6, 18});
}

TEST_CASE("Ctrl+Q in a .css file: closer before trailing blanks, caret kept, overlapping markers") {
  TZib zib;
  StartWithFile(zib, L"style.css", "abc\r\na { }  \r\n/* */");
  Select(zib, 1, 1);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"/* abc */\r\na { }  \r\n/* */"));
  CHECK(Selection(zib) == TSel{4, 4});
  Select(zib, 11, 11);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"/* abc */\r\n/* a { } */  \r\n/* */"));
  // '/* */' is no comment: the markers would share its space.
  Select(zib, 28, 28);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"/* abc */\r\n/* a { } */  \r\n/* /* */ */"));
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"/* abc */\r\n/* a { } */  \r\n/* */"));
}

TEST_CASE("Ctrl+Q in an untitled document uses '# '; blank lines keep their blanks") {
  TZib zib;
  REQUIRE(StartZib(zib));
  Put(zib, L"one\r\n  \t\r\ntwo", 0, 13);
  REQUIRE(Press(zib, CmdComment));
  REQUIRE(TextBecomes(zib, L"# one\r\n  \t\r\n# two"));
  // Only blank lines: nothing changes, the selection stays.
  Put(zib, L"  \r\n\t", 0, 5);
  REQUIRE(Press(zib, CmdComment));
  CHECK(WaitForInputHandled(zib));
  CHECK(EditorText(zib) == L"  \r\n\t");
  CHECK(Selection(zib) == TSel{0, 5});
}

TEST_CASE("Ctrl+B cleans the document and leaves the caret at the end of its line") {
  TZib zib;
  REQUIRE(StartZib(zib));
  Put(zib, L"a\t \r\n\tb \r\nc", 1, 1);
  REQUIRE(Press(zib, CmdCleanUp));
  REQUIRE(TextBecomes(zib, L"a\r\n  b\r\nc"));
  CHECK(Selection(zib) == TSel{1, 1});
  REQUIRE(Press(zib, CmdUndo));
  REQUIRE(TextBecomes(zib, L"a\t \r\n\tb \r\nc"));
  Select(zib, 5, 5);
  REQUIRE(Press(zib, CmdCleanUp));
  REQUIRE(TextBecomes(zib, L"a\r\n  b\r\nc"));
  CHECK(Selection(zib) == TSel{6, 6});
  // Empty document: nothing happens.
  Put(zib, L"", 0, 0);
  REQUIRE(Press(zib, CmdCleanUp));
  CHECK(WaitForInputHandled(zib));
  CHECK(EditorText(zib).empty());
}

TEST_CASE("Ctrl+Shift+U and Ctrl+U convert the selection; the length stays") {
  TZib zib;
  REQUIRE(StartZib(zib));
  Put(zib, L"Stra\u00DFe \u00E4bc xyz", 0, 10);
  REQUIRE(Press(zib, CmdUpperCase));
  REQUIRE(TextBecomes(zib, L"STRA\u00DFE \u00C4BC xyz"));
  CHECK(Selection(zib) == TSel{10, 10});  // the caret after the converted text
  REQUIRE(Press(zib, CmdUndo));
  REQUIRE(TextBecomes(zib, L"Stra\u00DFe \u00E4bc xyz"));
  Select(zib, 0, 10);
  REQUIRE(Press(zib, CmdUpperCase));
  REQUIRE(TextBecomes(zib, L"STRA\u00DFE \u00C4BC xyz"));
  Select(zib, 7, 14);
  REQUIRE(Press(zib, CmdLowerCase));
  REQUIRE(TextBecomes(zib, L"STRA\u00DFE \u00E4bc xyz"));
  REQUIRE(Press(zib, CmdUndo));
  REQUIRE(TextBecomes(zib, L"STRA\u00DFE \u00C4BC xyz"));
  // Without a selection nothing happens.
  Select(zib, 3, 3);
  REQUIRE(Press(zib, CmdLowerCase));
  CHECK(WaitForInputHandled(zib));
  CHECK(EditorText(zib) == L"STRA\u00DFE \u00C4BC xyz");
}

TEST_CASE("Ctrl+T asks, then sorts the touched lines A to Z as the exchange sort leaves them") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring text = L"top\r\nb\r\nB\r\na\r\nlast";
  // Lines 2 to 4: the selection ends at the first index of line 5.
  Put(zib, text, 5, 14);

  // Enter takes the default button, No: nothing changes.
  REQUIRE(Press(zib, CmdSortAscending));
  HWND box = WaitForMessageBox(zib, SortCaption);
  REQUIRE(box != nullptr);
  REQUIRE(BringToFront(zib, box));
  PressKey(VK_RETURN);
  REQUIRE(WaitForWindowGone(box));
  CHECK(EditorText(zib) == text);
  Select(zib, 5, 14);
  REQUIRE(Press(zib, CmdSortAscending));
  AnswerSort(zib, SortUpQuestion, IDCANCEL);
  CHECK(EditorText(zib) == text);

  Select(zib, 5, 14);
  REQUIRE(Press(zib, CmdSortAscending));
  AnswerSort(zib, SortUpQuestion, IDYES);
  REQUIRE(TextBecomes(zib, L"top\r\na\r\nB\r\nb\r\nlast"));
  CHECK(Selection(zib) == TSel{12, 12});
  REQUIRE(Press(zib, CmdUndo));
  CHECK(TextBecomes(zib, text));
}

TEST_CASE("Ctrl+Shift+T sorts Z to A; the last line keeps having no break") {
  TZib zib;
  REQUIRE(StartZib(zib));
  Put(zib, L"pear\r\napple\r\nfig", 2, 14);  // the middle of line 1 to the middle of line 3
  REQUIRE(Press(zib, CmdSortDescending));
  AnswerSort(zib, SortDownQuestion, IDYES);
  REQUIRE(TextBecomes(zib, L"pear\r\nfig\r\napple"));
  CHECK(Selection(zib) == TSel{16, 16});
  REQUIRE(Press(zib, CmdUndo));
  REQUIRE(TextBecomes(zib, L"pear\r\napple\r\nfig"));
  Select(zib, 0, 15);
  REQUIRE(Press(zib, CmdSortDescending));
  AnswerSort(zib, SortDownQuestion, IDYES);
  REQUIRE(TextBecomes(zib, L"pear\r\nfig\r\napple"));
  // An empty selection asks nothing and sorts nothing.
  Select(zib, 3, 3);
  REQUIRE(Press(zib, CmdSortAscending));
  CHECK(WaitForInputHandled(zib));
  CHECK(WaitForMessageBox(zib, SortCaption, 1000) == nullptr);
  CHECK(EditorText(zib) == L"pear\r\nfig\r\napple");
}

TEST_CASE("sorting keeps lines longer than EM_GETLINE can hand over whole") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring longLine(70000, L'z');
  const std::wstring middle(65535, L'm');
  Put(zib, longLine + L"\r\n" + middle + L"\r\na", 0, 1);
  Select(zib, 0, static_cast<DWORD>(TextLength(zib)));
  REQUIRE(Press(zib, CmdSortAscending));
  AnswerSort(zib, SortUpQuestion, IDYES);
  CHECK(TextBecomes(zib, L"a\r\n" + middle + L"\r\n" + longLine));
}
