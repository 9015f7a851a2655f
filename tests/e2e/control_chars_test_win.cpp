// End-to-end tests of the control-character display: the marks appear in
// their colour over the editor's own text, follow typing, and go again.
#include <doctest/doctest.h>

#include <vector>

#include "app/commands.h"
#include "driver_win.h"
#include "editor/control_chars_win.h"
#include "text_helpers_win.h"

namespace {

bool Checked(TZib& zib, unsigned short id) {
  TMenus menus;
  if (!ReadMenus(zib, menus)) return false;
  const TMenuEntry* item = FindMenuItem(menus, id);
  return item && item->Checked();
}

// The band of the editor's text line with that index (0-based), from where
// the control places the lines' first characters (the text has two lines
// at least).
RECT LineBand(TZib& zib, int line) {
  auto top = [&](int l) {
    LRESULT index = SendMessageW(Editor(zib), EM_LINEINDEX, l, 0);
    return static_cast<int>(static_cast<short>(HIWORD(SendMessageW(Editor(zib), EM_POSFROMCHAR, index, 0))));
  };
  int height = top(1) - top(0);
  int y = top(0) + line * height;
  return RECT{0, y, 300, y + height};
}

// Marks are drawn in the mark colour; thin strokes may be smoothed into the
// background, so a pixel counts when it has the colour's hue: green and blue
// equal and red below them (the text, yellow or black, never has that).
bool ShowsMarks(TZib& zib, const RECT& area) {
  std::vector<COLORREF> pixels;
  if (!ScreenPixels(Editor(zib), area, pixels)) return false;
  for (COLORREF c : pixels) {
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (b >= 60 && g - b <= 8 && b - g <= 8 && r < g - 10) return true;
  }
  return false;
}

}  // namespace

TEST_CASE("control characters: Ctrl+F10 shows the marks, Ctrl+Shift+8 hides them again") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"a\tb c\u00A0d\u202Fe\r\n\r\nx"));
  RECT text{0, 0, 300, 60};
  REQUIRE(WaitUntil([&] { return !ShowsMarks(zib, text); }, 2000));
  CHECK_FALSE(Checked(zib, CmdShowControlChars));

  REQUIRE(Keys(zib, L"Ctrl+F10"));
  CHECK(Checked(zib, CmdShowControlChars));
  CHECK(WaitUntil([&] { return ShowsMarks(zib, LineBand(zib, 0)); }, 3000));
  // The empty second line ends in a break: its pilcrow is drawn too.
  CHECK(WaitUntil([&] { return ShowsMarks(zib, LineBand(zib, 1)); }, 3000));
  // The last line of the text ends without a break: no mark at all.
  CHECK_FALSE(ShowsMarks(zib, LineBand(zib, 2)));
  SaveScreenshot(zib.Main, L"control-chars-on");
  // The text itself is unchanged by the display.
  CHECK(EditorText(zib) == L"a\tb c\u00A0d\u202Fe\r\n\r\nx");

  REQUIRE(Keys(zib, L"Ctrl+Shift+8"));
  CHECK_FALSE(Checked(zib, CmdShowControlChars));
  CHECK(WaitUntil([&] { return !ShowsMarks(zib, text); }, 3000));
}

TEST_CASE("control characters: marks follow what is typed") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"eins\r\nzwei\r\ndrei"));
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  RECT third = LineBand(zib, 2);
  REQUIRE(WaitUntil([&] { return ShowsMarks(zib, LineBand(zib, 0)); }, 3000));
  CHECK_FALSE(ShowsMarks(zib, third));

  // A tab typed into the last line gets its arrow once the repaint is due.
  // (The arrow has solid pixels; a space's small dot may be drawn smoothed.)
  SelectInEditor(zib, 14, 14);
  REQUIRE(Type(zib, L"\t"));
  CHECK(EditorText(zib) == L"eins\r\nzwei\r\ndr\tei");
  CHECK(WaitUntil([&] { return ShowsMarks(zib, third); }, 3000));
  SaveScreenshot(zib.Main, L"control-chars-typed");

  // Undo takes the tab, and the mark goes with it.
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(EditorText(zib) == L"eins\r\nzwei\r\ndrei");
  CHECK(WaitUntil([&] { return !ShowsMarks(zib, third); }, 3000));
}
