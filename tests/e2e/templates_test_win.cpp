// End-to-end tests of the templates, the symbols and the character-set
// listings: each command by its shortcut from the program's own table, the
// text the editor shows afterwards against the program's own texts, the caret
// after the insertion, and one undo taking it out again.
#include <doctest/doctest.h>

#include "app/commands.h"
#include "app/menu_table.h"
#include "app/templates.h"
#include "dialogs/listing.h"
#include "driver_win.h"
#include "text_helpers_win.h"

namespace {

std::wstring W(std::u16string_view s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

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

bool TextBecomes(TZib& zib, const std::wstring& text) {
  return WaitUntil([&] { return EditorText(zib) == text; }, 5000);
}

// Puts the text into the editor and selects start..end.
void Put(TZib& zib, const std::wstring& text, DWORD start, DWORD end) {
  REQUIRE(SetEditorText(zib, text));
  SelectInEditor(zib, start, end);
  REQUIRE(SelectionBecomes(zib, start, end));
}

}  // namespace

TEST_CASE("each template and symbol key inserts its text at the caret") {
  TZib zib;
  REQUIRE(StartZib(zib));
  for (unsigned short id = CmdTemplateHtml; id <= CmdSymbolNarrowSpace; ++id) {
    std::u16string text = TemplateText(id);
    if (text.empty() && SymbolCharacter(id) != 0) text = std::u16string(1, SymbolCharacter(id));
    if (text.empty()) continue;
    CAPTURE(id);
    CAPTURE(ChordOf(id));
    Put(zib, L"<>", 1, 1);
    REQUIRE(Press(zib, id));
    CHECK(TextBecomes(zib, L"<" + W(text) + L">"));
    CHECK(SelectionBecomes(zib, static_cast<DWORD>(1 + text.size()), static_cast<DWORD>(1 + text.size())));
  }
  CHECK(Title(zib).starts_with(L"Unbenannt *"));
}

TEST_CASE("F8 over a selection replaces it; one undo brings the selection's text back") {
  TZib zib;
  REQUIRE(StartZib(zib));
  Put(zib, L"eins zwei drei", 5, 9);
  REQUIRE(Press(zib, CmdTemplateForDo));
  const std::wstring script = W(TemplateText(CmdTemplateForDo));
  REQUIRE(TextBecomes(zib, L"eins " + script + L" drei"));
  REQUIRE(Press(zib, CmdUndo));
  CHECK(TextBecomes(zib, L"eins zwei drei"));
}

TEST_CASE("Ctrl+L in an empty document leaves the caret after \"URL = \"; F6 splits no line") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(Press(zib, CmdTemplateUrl));
  REQUIRE(TextBecomes(zib, L"[InternetShortcut]\r\nURL = "));
  CHECK(SelectionBecomes(zib, 26, 26));
  Type(zib, L"x");
  CHECK(TextBecomes(zib, L"[InternetShortcut]\r\nURL = x"));

  // The frame starts at the caret and ends with a line break before the rest.
  Put(zib, L"abcdef", 3, 3);
  REQUIRE(Press(zib, CmdTemplateBoxHeader));
  const std::wstring frame = W(TemplateText(CmdTemplateBoxHeader));
  REQUIRE(TextBecomes(zib, L"abc" + frame + L"def"));
  CHECK(SelectionBecomes(zib, 3 + 246, 3 + 246));
  REQUIRE(Press(zib, CmdUndo));
  CHECK(TextBecomes(zib, L"abcdef"));
}

TEST_CASE("Ctrl+3 and Ctrl+0 insert the listings in place of the selection; one undo removes them") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring ansi = W(CharacterListing(true));
  const std::wstring dos = W(CharacterListing(false));
  REQUIRE(ansi.size() == 970);
  REQUIRE(dos.size() == 541);

  // The ANSI listing ends without a break: the text after the caret goes on.
  Put(zib, L"vorher|weg|danach", 6, 11);
  REQUIRE(Press(zib, CmdListingAnsi));
  REQUIRE(TextBecomes(zib, L"vorher" + ansi + L"danach"));
  CHECK(SelectionBecomes(zib, 6 + 970, 6 + 970));
  CHECK(ansi.ends_with(L"\u0457"));
  REQUIRE(Press(zib, CmdUndo));
  REQUIRE(TextBecomes(zib, L"vorher|weg|danach"));

  Put(zib, L"vorher|weg|danach", 6, 11);
  REQUIRE(Press(zib, CmdListingDos));
  REQUIRE(TextBecomes(zib, L"vorher" + dos + L"danach"));
  CHECK(SelectionBecomes(zib, 6 + 541, 6 + 541));
  CHECK(dos.find(L"\u263A \u263B") == 23);  // the codes 1 and 2 as a screen shows them
  CHECK(dos.ends_with(L"\u25A0 \u00A0\r\n"));
  REQUIRE(Press(zib, CmdUndo));
  CHECK(TextBecomes(zib, L"vorher|weg|danach"));
}
