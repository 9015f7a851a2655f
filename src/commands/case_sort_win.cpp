// Upper and lower case of the selection, and the sort of the selected lines.
#include <algorithm>
#include <vector>

#include "app/main_window_win.h"
#include "commands/case_sort.h"
#include "commands/text_commands_win.h"
#include "editor/editor_win.h"

namespace {

constexpr wchar_t SortCaption[] = L"Sortierung";
constexpr wchar_t SortAscendingQuestion[] = L"Ausgew\u00E4hlte Zeilen von A \u2192 Z sortieren?";
constexpr wchar_t SortDescendingQuestion[] = L"Ausgew\u00E4hlte Zeilen von Z \u2192 A sortieren?";

// EM_GETLINE takes its maximum count (the buffer's length - 1) in the
// buffer's first unit, so it can read lines up to this length.
constexpr LRESULT LongestGetLine = 0xFFFE;

LRESULT Send(HWND editor, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(editor, message, wParam, lParam);
}

// Reads lines first..last of the control one by one. A line too long for
// EM_GETLINE is taken from the whole text instead, so it is never cut short.
std::vector<std::u16string> ReadLines(HWND editor, LRESULT first, LRESULT last) {
  LRESULT longest = 1;
  for (LRESULT line = first; line <= last; ++line) {
    LRESULT index = Send(editor, EM_LINEINDEX, line);
    if (index >= 0) longest = std::max(longest, Send(editor, EM_LINELENGTH, index));
  }
  std::vector<std::u16string> lines;
  lines.reserve(static_cast<std::size_t>(last - first + 1));
  std::vector<wchar_t> buffer(static_cast<std::size_t>(std::min(longest, LongestGetLine) + 2));  // first unit <= 0xFFFF
  std::u16string whole;
  for (LRESULT line = first; line <= last; ++line) {
    LRESULT index = Send(editor, EM_LINEINDEX, line);
    LRESULT length = index >= 0 ? Send(editor, EM_LINELENGTH, index) : 0;
    if (length > LongestGetLine) {
      if (whole.empty()) whole = GetEditorText();
      lines.push_back(whole.substr(std::min<std::size_t>(index, whole.size()), length));
      continue;
    }
    buffer[0] = static_cast<wchar_t>(buffer.size() - 1);
    LRESULT got = Send(editor, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data()));
    if (got < 0) got = 0;
    lines.emplace_back(reinterpret_cast<const char16_t*>(buffer.data()), static_cast<std::size_t>(got));
  }
  return lines;
}

}  // namespace

void ConvertCase(bool upper) {
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  if (a >= b) return;
  std::u16string text = GetEditorText();
  if (a >= text.size()) return;
  std::u16string converted = ConvertedCase(std::u16string_view(text).substr(a, b - a), upper);
  ReplaceRange(a, b, converted);
}

void SortSelectedLines(HWND editor, bool ascending) {
  if (editor == nullptr) return;
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  if (a == b) return;
  LRESULT first = Send(editor, EM_LINEFROMCHAR, a);
  LRESULT last = Send(editor, EM_LINEFROMCHAR, b - 1);
  if (last - first + 1 < 1) return;
  if (MessageBoxW(MainWindow, ascending ? SortAscendingQuestion : SortDescendingQuestion, SortCaption,
                  MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    return;
  }

  std::vector<std::u16string> lines = ReadLines(editor, first, last);
  SortLines(lines, ascending);
  std::u16string joined = JoinLines(lines);

  LRESULT start = Send(editor, EM_LINEINDEX, first);
  LRESULT lastIndex = Send(editor, EM_LINEINDEX, last);
  LRESULT end = lastIndex + Send(editor, EM_LINELENGTH, lastIndex);
  if (start < 0 || lastIndex < 0 || end < start) return;
  DWORD caret = static_cast<DWORD>(start + static_cast<LRESULT>(joined.size()));
  ReplaceRangeAndSelect(static_cast<DWORD>(start), static_cast<DWORD>(end), joined, caret, caret, true);
}
