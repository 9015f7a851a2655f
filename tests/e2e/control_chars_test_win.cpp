// End-to-end tests of the control-character display: the marks appear in
// their colour over the editor's own text, follow typing, and go again.
#include <doctest/doctest.h>

#include <vector>

#include "base/commands.h"
#include "driver_win.h"
#include "editor/control_chars_win.h"

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

namespace {

LRESULT Ask(TZib& zib, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Editor(zib), message, wParam, lParam, SMTO_ABORTIFHUNG, 20000, &result);
  return static_cast<LRESULT>(result);
}

// Where the control draws the character at that index (client coordinates).
POINT CharAt(TZib& zib, long index) {
  LRESULT pos = Ask(zib, EM_POSFROMCHAR, static_cast<WPARAM>(index));
  return POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
}

// The cells of `columns` characters from the character at `index` on, one line high.
RECT Cells(TZib& zib, long index, int columns) {
  POINT a = CharAt(zib, index);
  POINT b = CharAt(zib, index + 1);
  int w = b.x - a.x > 0 ? b.x - a.x : 10;
  RECT band = LineBand(zib, static_cast<int>(Ask(zib, EM_LINEFROMCHAR, static_cast<WPARAM>(index))));
  return RECT{a.x, band.top, a.x + columns * w, band.bottom};
}

constexpr COLORREF MarkRgb = RGB(150, 192, 192);

}  // namespace

TEST_CASE("control characters: marks sit on the visible lines after scrolling down and right, in their colour") {
  TZib zib;
  REQUIRE(StartZib(zib));
  // Lines of x; line 60 holds a tab alone, so only it has a mark in the first columns.
  std::wstring text;
  for (int i = 0; i < 100; ++i) text += (i == 60 ? L"\t" : L"xxxxxxxxxx") + std::wstring(L"\r\n");
  REQUIRE(SetEditorText(zib, text));
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  Ask(zib, EM_LINESCROLL, 0, 50);
  REQUIRE(WaitUntil([&] { return Ask(zib, EM_GETFIRSTVISIBLELINE) == 50; }, 3000));
  const long tabLine = static_cast<long>(Ask(zib, EM_LINEINDEX, 60));
  CHECK(WaitUntil([&] { return AreaShows(Editor(zib), Cells(zib, tabLine, 4), MarkRgb); }, 3000));
  for (int line : {55, 59, 61, 65}) {
    CAPTURE(line);
    CHECK_FALSE(ShowsMarks(zib, Cells(zib, static_cast<long>(Ask(zib, EM_LINEINDEX, line)), 4)));
  }
  SaveScreenshot(zib.Main, L"control-chars-scrolled");

  // A line of 300 units with a tab at column 290, scrolled to its end: the
  // mark follows the text to the left edge.
  std::wstring wide(300, L'x');
  wide[290] = L'\t';
  REQUIRE(SetEditorText(zib, wide + L"\r\nx"));
  SelectInEditor(zib, 299, 299);
  Ask(zib, EM_SCROLLCARET);
  REQUIRE(WaitUntil([&] { return CharAt(zib, 0).x < 0; }, 3000));
  CHECK(WaitUntil([&] { return ShowsMarks(zib, Cells(zib, 290, 4)); }, 3000));
  CHECK_FALSE(ShowsMarks(zib, Cells(zib, 280, 8)));

  // Scrolled beyond 32,767 pixels, where the control's positions wrap in 16 bits.
  std::wstring wider(12000, L'x');
  wider[11990] = L'\t';
  REQUIRE(SetEditorText(zib, wider + L"\r\nx"));
  // Scrolled by columns: the control's own scrolling to the caret reads its
  // positions in 16 bits too, under Wine.
  Ask(zib, EM_LINESCROLL, 11980, 0);
  REQUIRE(WaitUntil([&] { return CharAt(zib, 11990).x > 0 && CharAt(zib, 11990).x < 400; }, 3000));
  CHECK(WaitUntil([&] { return ShowsMarks(zib, Cells(zib, 11990, 4)); }, 3000));
  CHECK_FALSE(ShowsMarks(zib, Cells(zib, 11980, 8)));
}

TEST_CASE("control characters: a soft-wrapped line has no line-end mark, its hard end has one") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, std::wstring(200, L'x') + L"\r\nz"));
  REQUIRE(Keys(zib, L"Ctrl+W"));
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  REQUIRE(WaitUntil([&] { return Ask(zib, EM_GETLINECOUNT) >= 3; }, 3000));
  // The first display line ends where the second starts; its last cell and
  // the room after it stay free of marks.
  long second = static_cast<long>(Ask(zib, EM_LINEINDEX, 1));
  RECT end = Cells(zib, second - 1, 1);
  RECT client{};
  GetClientRect(Editor(zib), &client);
  RECT after{end.left, end.top, client.right, end.bottom};
  RECT lastX = Cells(zib, 199, 1);  // the pilcrow stands in the cell after it
  RECT hardEnd{lastX.right, lastX.top, lastX.right + (lastX.right - lastX.left), lastX.bottom};
  CHECK(WaitUntil([&] { return ShowsMarks(zib, hardEnd); }, 3000));
  CHECK_FALSE(ShowsMarks(zib, after));
  SaveScreenshot(zib.Main, L"control-chars-wrapped");
}

TEST_CASE("control characters: no erased background while marks show; the repaint timer only runs while due") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"eins \t\r\nzwei\r\ndrei"));
  // Word wrap on and off makes a new control, under which the probe counts.
  REQUIRE(WatchEditorErases(zib));
  REQUIRE(Keys(zib, L"Ctrl+W"));
  REQUIRE(Keys(zib, L"Ctrl+W"));
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  REQUIRE(WaitForInputHandled(zib));
  Sleep(300);
  // Neither commands nor editing erase the background on screen: the
  // buffered paint covers it.
  LONG erases = ScreenErases(zib);
  int step = 0;
  for (const wchar_t* chord : {L"Ctrl+B", L"Ctrl+D", L"F5", L"Ctrl+A", L"Ctrl+Shift+U", L"Ctrl+Z", L"Right",
                               L"Shift+Left", L"Ctrl+Q"}) {
    ++step;
    CAPTURE(step);
    REQUIRE(Keys(zib, chord));
    Sleep(200);
    REQUIRE(WaitForInputHandled(zib));
    CHECK(ScreenErases(zib) == erases);
  }

  // A change schedules one repaint 50 ms later, then the timer stops.
  LONG before = MarkTimersFired(zib);
  REQUIRE(Type(zib, L"x"));
  CHECK(WaitUntil([&] { return MarkTimersFired(zib) > before; }, 3000));
  Sleep(300);
  LONG fired = MarkTimersFired(zib);
  Sleep(500);
  CHECK(MarkTimersFired(zib) == fired);

  CHECK(ScreenErases(zib) == erases);

  // With the display off, typing sets no timer.
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  Sleep(300);
  fired = MarkTimersFired(zib);
  REQUIRE(Type(zib, L"yz"));
  Sleep(500);
  CHECK(MarkTimersFired(zib) == fired);
}

TEST_CASE("control characters: the marks keep their colour in the light theme") {
  TThemeValue before = ReadLightThemeValue();
  WriteLightThemeValue({true, 1});
  TZib zib;
  bool started = StartZib(zib);
  WriteLightThemeValue(before);
  REQUIRE(started);
  REQUIRE(SetEditorText(zib, L"Zwei\tSpalten und\u00A0Leerzeichen\r\n\r\n  eingerückt\u202Fschmal\r\nEnde"));
  REQUIRE(Keys(zib, L"Ctrl+F10"));
  CHECK(WaitUntil([&] { return AreaShows(Editor(zib), Cells(zib, 4, 4), MarkRgb); }, 3000));
  SaveScreenshot(zib.Main, L"control-chars-light");
}
