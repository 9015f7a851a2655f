// End-to-end tests of the calendars: Ctrl+K for today, Ctrl+Shift+K with a
// year from the prompt, and cancelling the prompt.
#include <doctest/doctest.h>

#include <string>

#include "dialogs/calendar.h"
#include "driver_win.h"

namespace {

std::wstring ThreeMonthsOf(const SYSTEMTIME& day) { return ToWide(ThreeMonthsAround(day.wYear, day.wMonth)); }

}  // namespace

TEST_CASE("Ctrl+K replaces the selection with the three months around today; one undo restores") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"vor|nach"));
  SelectInEditor(zib, 3, 4);
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  REQUIRE(Keys(zib, L"Ctrl+K"));
  REQUIRE(WaitUntil([&] { return EditorLength(zib) == 3 + 584 + 4; }));
  GetLocalTime(&after);
  std::wstring text = EditorText(zib);
  // A month may turn between the two readings of the clock.
  std::wstring atStart = L"vor" + ThreeMonthsOf(before) + L"nach";
  std::wstring atEnd = L"vor" + ThreeMonthsOf(after) + L"nach";
  CHECK((text == atStart || text == atEnd));
  CHECK(SelectionBecomes(zib, 3 + 584, 3 + 584));
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"vor|nach"; }, 5000));
}

TEST_CASE("Ctrl+Shift+K inserts the year typed into the prompt; cancelling inserts nothing") {
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(SetEditorText(zib, L"x"));
  SelectInEditor(zib, 1, 1);
  SYSTEMTIME today{};
  GetLocalTime(&today);
  REQUIRE(Keys(zib, L"Ctrl+Shift+K"));
  HWND prompt = WaitForDialog(zib, DefaultWaitMs, ToWide(YearCaption));
  REQUIRE(prompt != nullptr);
  CHECK(DialogItemText(prompt, 100) == std::to_wstring(today.wYear));
  REQUIRE(SetDialogItemText(prompt, 100, L"2024"));
  REQUIRE(PressButton(prompt, IDOK));
  std::wstring year = L"x" + ToWide(YearCalendar(2024));
  CHECK(WaitUntil([&] { return EditorText(zib) == year; }));
  CHECK(SelectionBecomes(zib, 1 + 2388, 1 + 2388));

  REQUIRE(Keys(zib, L"Ctrl+Shift+K"));
  prompt = WaitForDialog(zib, DefaultWaitMs, ToWide(YearCaption));
  REQUIRE(prompt != nullptr);
  REQUIRE(PressButton(prompt, IDCANCEL));
  REQUIRE(WaitForWindowGone(prompt));
  REQUIRE(WaitForInputHandled(zib));
  CHECK(EditorText(zib) == year);
  // The year went in as one step: one undo takes all of it away.
  REQUIRE(Keys(zib, L"Ctrl+Z"));
  CHECK(WaitUntil([&] { return EditorText(zib) == L"x"; }, 5000));
}
