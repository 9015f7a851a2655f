// End-to-end tests of the templates, the symbols and the character-set
// listings: each command by its shortcut from the program's own table, the
// text the editor shows afterwards against the program's own texts, the caret
// after the insertion, and one undo taking it out again.
#include <doctest/doctest.h>

#include "app/menu_table.h"
#include "app/templates.h"
#include "base/commands.h"
#include "command_steps_win.h"
#include "dialogs/listing.h"

namespace {

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
    REQUIRE(PutText(zib, L"<>", 1, 1));
    REQUIRE(PressCommand(zib, id));
    CHECK(TextBecomes(zib, L"<" + ToWide(text) + L">"));
    CHECK(SelectionBecomes(zib, static_cast<DWORD>(1 + text.size()), static_cast<DWORD>(1 + text.size())));
  }
  CHECK(Title(zib).starts_with(ToWide(UntitledName) + L" *"));
}

TEST_CASE("F8 over a selection replaces it; one undo brings the selection's text back") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring script = ToWide(TemplateText(CmdTemplateForDo));
  RunSteps(zib, {{L"eins zwei drei", 5, 9, CmdTemplateForDo, L"eins " + script + L" drei", AnySelection,
                  AnySelection, true}});
}

TEST_CASE("Ctrl+L in an empty document leaves the caret after \"URL = \"; F6 splits no line") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(PressCommand(zib, CmdTemplateUrl));
  REQUIRE(TextBecomes(zib, L"[InternetShortcut]\r\nURL = "));
  CHECK(SelectionBecomes(zib, 26, 26));
  Type(zib, L"x");
  CHECK(TextBecomes(zib, L"[InternetShortcut]\r\nURL = x"));

  // The frame starts at the caret and ends with a line break before the rest.
  const std::wstring frame = ToWide(TemplateText(CmdTemplateBoxHeader));
  RunSteps(zib, {{L"abcdef", 3, 3, CmdTemplateBoxHeader, L"abc" + frame + L"def", 3 + 246, 3 + 246, true}});
}

TEST_CASE("Ctrl+3 and Ctrl+0 insert the listings in place of the selection; one undo removes them") {
  TZib zib;
  REQUIRE(StartZib(zib));
  const std::wstring ansi = ToWide(CharacterListing(true));
  const std::wstring dos = ToWide(CharacterListing(false));
  REQUIRE(ansi.size() == 970);
  REQUIRE(dos.size() == 541);

  // The ANSI listing ends without a break: the text after the caret goes on.
  RunSteps(zib, {
      {L"vorher|weg|danach", 6, 11, CmdListingAnsi, L"vorher" + ansi + L"danach", 6 + 970, 6 + 970, true},
      {L"vorher|weg|danach", 6, 11, CmdListingDos, L"vorher" + dos + L"danach", 6 + 541, 6 + 541, true},
  });
  CHECK(ansi.ends_with(L"\u0457"));
  CHECK(dos.find(L"\u263A \u263B") == 23);  // the codes 1 and 2 as a screen shows them
  CHECK(dos.ends_with(L"\u25A0 \u00A0\r\n"));
}
