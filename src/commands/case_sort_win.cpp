// Upper and lower case of the selection, and the sort of the selected lines.
#include <algorithm>
#include <vector>

#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "commands/case_sort.h"
#include "commands/text_commands_win.h"
#include "editor/editor_win.h"
#include "editor/lines.h"
#include "platform/memory.h"
#include "platform/wide_win.h"

namespace {


LRESULT Send(HWND editor, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(editor, message, wParam, lParam);
}

// With word wrap on, the control's lines are its display lines, which only it
// knows: lines first..last as it reports them, as views into its text.
bool DisplayLines(HWND editor, std::u16string_view text, LRESULT first, LRESULT last,
                  std::vector<std::u16string_view>& lines) {
  if (!TryReserve(lines, static_cast<std::size_t>(last - first + 1))) return false;
  for (LRESULT line = first; line <= last; ++line) {
    LRESULT index = Send(editor, EM_LINEINDEX, line);
    std::size_t start = index < 0 ? text.size() : std::min<std::size_t>(index, text.size());
    std::size_t length = index < 0 ? 0 : static_cast<std::size_t>(Send(editor, EM_LINELENGTH, index));
    lines.push_back(text.substr(start, length));
  }
  return true;
}

}  // namespace

void ConvertCase(bool upper) {
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  if (a >= b) return;
  BeginWork();
  std::u16string text;
  std::u16string converted;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  if (a >= text.size()) return;
  if (!ConvertedCase(std::u16string_view(text).substr(a, b - a), upper, converted)) return ReportOutOfMemory();
  text = std::u16string();
  ReplaceRange(a, b, converted);
}

// The lines from the selection's start to its last unit, from the first
// index of the first to the end of the last one's text; their breaks become
// CR LF, and the caret goes after the sorted block.
void SortSelectedLines(HWND editor, bool ascending) {
  if (editor == nullptr) return;
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  if (a == b) return;
  if (MessageBoxW(MainWindow, AsWide(ascending ? SortAscendingQuestion : SortDescendingQuestion), AsWide(SortCaption),
                  MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    return;
  }

  std::u16string text;
  if (!ReadForCommand(a, b, text)) return;
  std::u16string_view view = text;
  std::size_t start = 0;
  std::size_t end = 0;
  std::u16string sorted;
  bool done = false;
  if (WordWrap) {
    LRESULT first = Send(editor, EM_LINEFROMCHAR, a);
    LRESULT last = Send(editor, EM_LINEFROMCHAR, b - 1);
    LRESULT lastIndex = Send(editor, EM_LINEINDEX, last);
    start = static_cast<std::size_t>(Send(editor, EM_LINEINDEX, first));
    end = static_cast<std::size_t>(lastIndex + Send(editor, EM_LINELENGTH, lastIndex));
    if (first < 0 || last < first || lastIndex < 0 || start > end || end > text.size()) return;
    std::vector<std::u16string_view> lines;
    done = DisplayLines(editor, view, first, last, lines) && SortedLines(lines, ascending, sorted);
  } else {
    TLineBlock block = LinesBetween(view, a, b - 1);
    start = block.Start;
    end = block.End;
    done = SortedBlock(view.substr(start, end - start), ascending, sorted);
  }
  if (!done) return ReportOutOfMemory();
  text = std::u16string();
  DWORD caret = static_cast<DWORD>(start + sorted.size());
  ReplaceRangeAndSelect(static_cast<DWORD>(start), static_cast<DWORD>(end), sorted, caret, caret, true);
}
