// End-to-end tests of the calendars: Ctrl+K for today, Ctrl+Shift+K with a
// year from the prompt, and cancelling the prompt.
#include <doctest/doctest.h>

#include <string>

#include "dialogs/calendar.h"
#include "driver_win.h"
#include "text_helpers_win.h"

namespace {

std::wstring W(std::u16string_view s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

std::wstring ThreeMonthsOf(const SYSTEMTIME& day) { return W(ThreeMonthsAround(day.wYear, day.wMonth)); }

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
