// End-to-end tests of Alt+C / Alt+X, the date and time stamp (F5 and the
// ".LOG" request) and Ctrl+D. Each test case runs its own Zib process.
#include <doctest/doctest.h>

#include <cwctype>
#include <string>

#include "command_steps_win.h"

namespace {

// "yyyy-MM-dd\tHH:mm:ss" of a local time.
std::wstring Stamp(const SYSTEMTIME& t) {
  wchar_t text[32];
  swprintf(text, 32, L"%04u-%02u-%02u\t%02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  return text;
}

// True when s has the stamp's shape and lies between the two clock readings.
bool IsStampBetween(const std::wstring& s, const SYSTEMTIME& before, const SYSTEMTIME& after) {
  if (s.size() != 19 || s[10] != L'\t') return false;
  return Stamp(before) <= s && s <= Stamp(after);
}

}  // namespace

TEST_CASE("Alt+C and Alt+X turn hex digits into the character and back; one undo restores") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(Type(zib, L"x e9"));
  REQUIRE(Keys(zib, L"Alt+C"));
  CHECK(TextBecomes(zib, L"x \u00E9"));
  CHECK(SelectionBecomes(zib, 3, 3));
  REQUIRE(Keys(zib, L"Alt+X"));
  CHECK(TextBecomes(zib, L"x U+00E9"));
  CHECK(SelectionBecomes(zib, 8, 8));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, L"x \u00E9"));

  // Above U+FFFF: a surrogate pair, and back to the code point as a whole.
  REQUIRE(SetEditorText(zib, L"u+1f600"));
  SelectInEditor(zib, 7, 7);
  REQUIRE(Keys(zib, L"Alt+C"));
  CHECK(TextBecomes(zib, L"\U0001F600"));
  REQUIRE(Keys(zib, L"Alt+C"));
  CHECK(TextBecomes(zib, L"U+1F600"));

  // A selection: nothing happens.
  REQUIRE(SetEditorText(zib, L"e9"));
  SelectInEditor(zib, 0, 2);
  REQUIRE(Keys(zib, L"Alt+C"));
  CHECK(EditorText(zib) == L"e9");
  CHECK(SelectionBecomes(zib, 0, 2));
}

TEST_CASE("F5 puts the stamp at the caret or over the selection; one undo restores") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"ab"));
  SelectInEditor(zib, 0, 1);
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  REQUIRE(Keys(zib, L"F5"));
  REQUIRE(WaitUntil([&] { return EditorText(zib).size() == 20; }));
  GetLocalTime(&after);
  std::wstring text = EditorText(zib);
  CHECK(IsStampBetween(text.substr(0, 19), before, after));
  CHECK(text.substr(19) == L"b");
  CHECK(SelectionBecomes(zib, 19, 19));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(TextBecomes(zib, L"ab"));

  // The menu's command with an empty selection inserts at the caret.
  SelectInEditor(zib, 2, 2);
  REQUIRE(PostCommand(zib, CmdDateTime));
  REQUIRE(WaitUntil([&] { return EditorText(zib).size() == 21; }));
  CHECK(EditorText(zib).substr(0, 2) == L"ab");
}

TEST_CASE("the .LOG request appends the stamp on a line of its own and leaves the caret at the end") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L".LOG\r\nerster Eintrag"));
  SelectInEditor(zib, 0, 2);
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  REQUIRE(PostMessageW(zib.Main, WM_COMMAND, CmdDateTime, 1));
  const std::wstring start = L".LOG\r\nerster Eintrag\r\n";
  REQUIRE(WaitUntil([&] { return EditorText(zib).size() == start.size() + 21; }));
  GetLocalTime(&after);
  std::wstring text = EditorText(zib);
  CHECK(text.substr(0, start.size()) == start);
  CHECK(IsStampBetween(text.substr(start.size(), 19), before, after));
  CHECK(text.substr(text.size() - 2) == L"\r\n");
  CHECK(SelectionBecomes(zib, static_cast<DWORD>(text.size()), static_cast<DWORD>(text.size())));
}

TEST_CASE("opening a file that starts with .LOG appends the stamp on a new line, caret at the end") {
  std::wstring path = ScratchFolder(L"stamp") + L"\\journal.txt";
  REQUIRE(WriteFileBytes(path, ".LOG\r\nerster Eintrag"));
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  const std::wstring start = L".LOG\r\nerster Eintrag\r\n";
  REQUIRE(WaitUntil([&] { return EditorText(zib).size() == start.size() + 21; }));
  GetLocalTime(&after);
  std::wstring text = EditorText(zib);
  CHECK(text.substr(0, start.size()) == start);
  CHECK(IsStampBetween(text.substr(start.size(), 19), before, after));
  CHECK(text.substr(text.size() - 2) == L"\r\n");
  CHECK(SelectionBecomes(zib, static_cast<DWORD>(text.size()), static_cast<DWORD>(text.size())));
}

TEST_CASE("Ctrl+D puts a copy of the caret's line below it; blank lines stay; one undo restores") {
  TZib zib;
  REQUIRE(StartZib(zib));
  RunSteps(zib, {
      // The caret at the former selection's start.
      {L"a\r\nx", 3, 4, CmdDuplicateLine, L"a\r\nx\r\nx\r\n", 3, 3, true},
      {KeptText, 1, 1, CmdDuplicateLine, L"a\r\na\r\nx", 1, 1},
      {L"a\r\n \t \r\nb", 4, 4, CmdDuplicateLine, L"a\r\n \t \r\nb"},
  });
}

TEST_CASE("Ctrl+D with word wrap duplicates the display line the caret is in") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(Keys(zib, L"Ctrl+W"));
  std::wstring word = L"Wort ";
  std::wstring line;
  while (line.size() < 400) line += word;
  REQUIRE(SetEditorText(zib, line));
  SelectInEditor(zib, 0, 0);
  REQUIRE(Keys(zib, L"Ctrl+D"));
  REQUIRE(WaitUntil([&] { return EditorText(zib).size() > line.size(); }));
  std::wstring text = EditorText(zib);
  // The first display line and a break went in at the start of the second.
  std::size_t added = text.size() - line.size();
  REQUIRE(added > 2);
  std::size_t shown = added - 2;
  CHECK(shown < line.size());
  CHECK(text.substr(shown, added) == line.substr(0, shown) + L"\r\n");
  CHECK(text.substr(0, shown) == line.substr(0, shown));
  CHECK(text.substr(shown + added) == line.substr(shown));
}
