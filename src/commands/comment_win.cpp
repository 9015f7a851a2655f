// Ctrl+Q toggles comment markers on the selected lines, Ctrl+B cleans up the
// whole document.
#include <algorithm>

#include "commands/cleanup.h"
#include "commands/comment.h"
#include "commands/text_commands_win.h"
#include "document/document_state.h"
#include "document/encoding.h"
#include "editor/editor_win.h"

namespace {

LRESULT Send(HWND editor, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(editor, message, wParam, lParam);
}

// Toggles the markers on every line of the selected block: the lines from
// the selection's start to its end, leaving out a last line that the
// selection only touches at its first index, with the last line's break.
void ToggleComment(HWND editor, std::u16string_view opener, std::u16string_view closer) {
  if (editor == nullptr || opener.empty()) return;
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  LRESULT first = Send(editor, EM_LINEFROMCHAR, a);
  LRESULT last = first;
  if (a != b) {
    last = Send(editor, EM_LINEFROMCHAR, b);
    if (static_cast<LRESULT>(b) == Send(editor, EM_LINEINDEX, last)) --last;
    last = std::max(last, first);
  }
  LRESULT blockStart = Send(editor, EM_LINEINDEX, first);
  if (blockStart < 0) return;

  std::u16string text = GetEditorText();
  LRESULT blockEnd = static_cast<LRESULT>(text.size());
  if (last + 1 < Send(editor, EM_GETLINECOUNT)) {
    LRESULT next = Send(editor, EM_LINEINDEX, last + 1);
    if (next >= 0) blockEnd = std::min(next, blockEnd);
  }
  if (blockEnd <= blockStart) return;
  std::u16string_view block = std::u16string_view(text).substr(blockStart, blockEnd - blockStart);
  auto toBlock = [&](DWORD x) {
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(x) - blockStart, 0, static_cast<std::int64_t>(block.size()));
  };

  TEditPlan plan;
  PlanCommentToggle(block, opener, closer, plan);
  if (plan.empty()) {
    Send(editor, EM_SETSEL, a, b);
    return;
  }
  std::u16string toggled = BuildCommentToggle(block, opener, closer);
  ReplaceRangeAndSelect(static_cast<DWORD>(blockStart), static_cast<DWORD>(blockEnd), toggled,
                        static_cast<DWORD>(blockStart + MapOffset(plan, toBlock(a))),
                        static_cast<DWORD>(blockStart + MapOffset(plan, toBlock(b))), false);
}

}  // namespace

void ToggleCommentForDocument() {
  TCommentSyntax syntax = CommentSyntaxFor(ExtensionOf(DocumentState.FileName));
  ToggleComment(EditorWindow(), syntax.Opener, syntax.Closer);
}

void CleanUpDocument() {
  HWND editor = EditorWindow();
  if (editor == nullptr || GetWindowTextLengthW(editor) == 0) return;
  DWORD a = 0;
  DWORD b = 0;
  GetEditorSelection(a, b);
  LRESULT line = Send(editor, EM_LINEFROMCHAR, a);

  std::u16string cleaned = CleanUpText(GetEditorText());
  ReplaceRange(0, static_cast<DWORD>(-1), cleaned);

  if (line < Send(editor, EM_GETLINECOUNT)) {
    LRESULT index = Send(editor, EM_LINEINDEX, line);
    if (index >= 0) {
      LRESULT caret = index + Send(editor, EM_LINELENGTH, index);
      Send(editor, EM_SETSEL, caret, caret);
      Send(editor, EM_SCROLLCARET);
    }
  }
}
