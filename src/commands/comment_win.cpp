// Ctrl+Q toggles comment markers on the selected lines, Ctrl+B cleans up the
// whole document.
#include <algorithm>

#include "base/report_win.h"
#include "base/shared_win.h"
#include "commands/cleanup.h"
#include "commands/comment.h"
#include "commands/text_commands_win.h"
#include "document/document_state.h"
#include "document/encoding.h"
#include "editor/editor_win.h"
#include "editor/lines.h"

namespace {

LRESULT Send(HWND editor, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(editor, message, wParam, lParam);
}

// The selected block: the lines from the selection's start to its end,
// leaving out a last line that the selection only touches at its first
// index, with the last line's break. Without word wrap the lines are found
// in the text; with it they are the control's display lines.
bool SelectedBlock(HWND editor, std::u16string_view text, DWORD a, DWORD b, std::size_t& start, std::size_t& end) {
  if (!WordWrap) {
    CommentBlock(text, a, b, start, end);
    return end > start;
  }
  LRESULT first = Send(editor, EM_LINEFROMCHAR, a);
  LRESULT last = first;
  if (a != b) {
    last = Send(editor, EM_LINEFROMCHAR, b);
    if (static_cast<LRESULT>(b) == Send(editor, EM_LINEINDEX, last)) --last;
    last = std::max(last, first);
  }
  LRESULT blockStart = Send(editor, EM_LINEINDEX, first);
  if (blockStart < 0) return false;
  LRESULT blockEnd = static_cast<LRESULT>(text.size());
  if (last + 1 < Send(editor, EM_GETLINECOUNT)) {
    LRESULT next = Send(editor, EM_LINEINDEX, last + 1);
    if (next >= 0) blockEnd = std::min(next, blockEnd);
  }
  start = static_cast<std::size_t>(blockStart);
  end = static_cast<std::size_t>(blockEnd);
  return blockEnd > blockStart;
}

void ToggleComment(HWND editor, std::u16string_view opener, std::u16string_view closer) {
  if (editor == nullptr || opener.empty()) return;
  DWORD a = 0;
  DWORD b = 0;
  std::u16string text;
  if (!ReadForCommand(a, b, text)) return;
  std::size_t blockStart = 0;
  std::size_t blockEnd = 0;
  if (!SelectedBlock(editor, text, a, b, blockStart, blockEnd)) return;
  std::u16string_view block = std::u16string_view(text).substr(blockStart, blockEnd - blockStart);
  auto toBlock = [&](DWORD x) {
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(x) - static_cast<std::int64_t>(blockStart), 0,
                                    static_cast<std::int64_t>(block.size()));
  };

  TEditPlan plan;
  std::int64_t growth = 0;
  std::u16string toggled;
  if (!PlanCommentToggle(block, opener, closer, plan, growth)) return ReportOutOfMemory();
  if (plan.empty()) {
    Send(editor, EM_SETSEL, a, b);
    return;
  }
  if (!BuildCommentToggle(block, opener, closer, toggled)) return ReportOutOfMemory();
  DWORD selStart = static_cast<DWORD>(blockStart + MapOffset(plan, toBlock(a)));
  DWORD selEnd = static_cast<DWORD>(blockStart + MapOffset(plan, toBlock(b)));
  text = std::u16string();
  ReplaceRangeAndSelect(static_cast<DWORD>(blockStart), static_cast<DWORD>(blockEnd), toggled, selStart, selEnd,
                        false);
}

}  // namespace

void ToggleCommentForDocument() {
  TCommentSyntax syntax = CommentSyntaxFor(ExtensionOf(DocumentState.FileName));
  ToggleComment(EditorWindow(), syntax.Opener, syntax.Closer);
}

// The caret ends at the end of the line it was on (the control's line).
void CleanUpDocument() {
  HWND editor = EditorWindow();
  if (editor == nullptr || GetWindowTextLengthW(editor) == 0) return;
  DWORD a = 0;
  DWORD b = 0;
  std::u16string text;
  std::u16string cleaned;
  if (!ReadForCommand(a, b, text)) return;
  LRESULT line = WordWrap ? Send(editor, EM_LINEFROMCHAR, a) : static_cast<LRESULT>(LineNumberOf(text, a));
  if (!CleanUpText(text, cleaned)) return ReportOutOfMemory();
  text = std::u16string();
  ReplaceRange(0, static_cast<DWORD>(-1), cleaned);

  if (!WordWrap) {
    // The same line of the cleaned text, which has as many lines.
    std::size_t index = LineStartAt(cleaned, static_cast<std::size_t>(line));
    if (index == std::u16string_view::npos) return;
    LRESULT caret = static_cast<LRESULT>(LineEnd(cleaned, index));
    Send(editor, EM_SETSEL, caret, caret);
    Send(editor, EM_SCROLLCARET);
    return;
  }
  if (line < Send(editor, EM_GETLINECOUNT)) {
    LRESULT index = Send(editor, EM_LINEINDEX, line);
    if (index >= 0) {
      LRESULT caret = index + Send(editor, EM_LINELENGTH, index);
      Send(editor, EM_SETSEL, caret, caret);
      Send(editor, EM_SCROLLCARET);
    }
  }
}
