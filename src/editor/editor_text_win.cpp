// The editor's text: read as a copy, and written back as one undoable
// replacement with the redraw suspended.
#include <string>

#include "base/report_win.h"
#include "base/shared_win.h"
#include "editor/editor_internal_win.h"
#include "editor/editor_win.h"
#include "platform/memory.h"

namespace {

// The control merges an insertion that starts where the last insertion ended
// (or where the last undo put text back) into the same undo record, and a
// deletion beside the last one likewise. Typing relies on that: a typed word
// is one step. Commands must not be merged with what came before or after
// them, so a command's write empties the control's undo record first, and
// leaves this set so that the next edit from the keyboard or the clipboard
// starts a record of its own too. An undo sets it as well: what is typed
// after an undo never joins the text the undo put back.
bool UndoStepClosed = false;

// From this many units removed on, a replacement under Wine first deletes
// the selection and then inserts the text (see ReplaceSelectionInPlace).
constexpr DWORD FreshLinesFrom = 65536;

// How a write joins the control's undo history.
enum TUndoStep : bool { TypedStep, CommandStep };

// Whether the control has the memory to replace `removed` units of its text
// by `inserted`, `kept` units staying. While it replaces, the control holds
// the removed text twice more (a copy of its own and its undo record; Wine's
// control writes through a null pointer when the undo record cannot grow),
// and a text that grows takes a new buffer of the new size beside the old
// one. All of it is asked for at once, in blocks of those sizes.
bool ControlHasRoom(std::size_t removed, std::size_t inserted, std::size_t kept) {
  constexpr std::size_t Slack = 64;  // the control rounds its blocks up
  std::size_t copy = removed == 0 ? 0 : (removed + 1) * sizeof(char16_t) + Slack;
  std::size_t grown = inserted <= removed ? 0 : (kept + inserted + 1) * sizeof(char16_t) + Slack;
  return CanAllocateAll({copy, copy, grown});
}

// EM_REPLACESEL of the selection as one undoable step, or nothing but the
// out-of-memory message when the control has no room for it (then the undo
// record is as it was, too, and the answer is false).
//
// Wine's edit control keeps its lines as a linked list and, replacing many
// lines with lines of other lengths in one pass, inserts the new entries
// among the old ones it frees: the list ends up scattered over the heap, and
// every later walk through it (each paint, key and line request) grows
// slower with each whole-text command. Deleting first frees the old entries
// in order, and the insertion then builds a fresh list. The control merges
// an insertion at the place of the deletion before it into the same undo
// step, so one undo still restores the old text. Should the insertion fail
// all the same, the undo brings the deleted text back at once; it is sent
// only when the deletion is known to have happened. Windows' own control
// keeps its line starts in an array and always gets the single replacement.
bool ReplaceSelectionInPlace(HWND editor, const char16_t* text, TUndoStep step) {
  DWORD start = 0, end = 0;
  GetEditorSelection(start, end);
  const std::size_t removed = end - start;
  const std::size_t inserted = std::char_traits<char16_t>::length(text);
  const std::size_t total = static_cast<std::size_t>(SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0));
  const std::size_t kept = total >= removed ? total - removed : 0;
  if (!ControlHasRoom(removed, inserted, kept)) {
    ReportOutOfMemory();
    return false;
  }
  if (step == CommandStep) SendMessageW(editor, EM_EMPTYUNDOBUFFER, 0, 0);
  else BeginTypedEdit();
  if (removed < FreshLinesFrom || !RunningOnWine()) {
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    return true;
  }
  unsigned errSpaces = ErrSpaceCount();
  SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
  if (static_cast<std::size_t>(SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0)) != kept) {
    // The deletion did not happen: nothing has changed.
    if (ErrSpaceCount() == errSpaces) ReportOutOfMemory();
    return true;
  }
  if (inserted == 0) return true;
  SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  if (static_cast<std::size_t>(SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0)) != kept + inserted) {
    SendMessageW(editor, EM_UNDO, 0, 0);
    // The control has said so already when its buffer could not grow.
    if (ErrSpaceCount() == errSpaces) ReportOutOfMemory();
  }
  return true;
}

// The one redraw bracket every write goes through: optionally select
// start..end first, replace the selection as one undoable step, then
// optionally select again and scroll the caret into view. A command's write
// is an undo step of its own; a typed one (overwrite mode, word deletion)
// keeps the control's grouping. The editor is invalidated without erasing,
// so the buffered paint of the marks does not flicker.
void WriteEditor(const DWORD* range, const char16_t* text, const DWORD* after, bool scroll, TUndoStep step) {
  HWND editor = Editor;
  SendMessageW(editor, WM_SETREDRAW, FALSE, 0);
  if (range) SendMessageW(editor, EM_SETSEL, range[0], range[1]);
  if (ReplaceSelectionInPlace(editor, text, step) && step == CommandStep) UndoStepClosed = true;
  if (after) SendMessageW(editor, EM_SETSEL, after[0], after[1]);
  if (scroll) SendMessageW(editor, EM_SCROLLCARET, 0, 0);
  SendMessageW(editor, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(editor, nullptr, FALSE);
}

}  // namespace

void BeginTypedEdit() {
  if (!UndoStepClosed) return;
  SendMessageW(Editor, EM_EMPTYUNDOBUFFER, 0, 0);
  UndoStepClosed = false;
}

void CloseUndoStep() { UndoStepClosed = true; }

bool UndoStepIsClosed() { return UndoStepClosed; }

void ReplaceTyped(DWORD start, DWORD end, const std::u16string& text) {
  DWORD range[2] = {start, end};
  WriteEditor(range, text.c_str(), nullptr, false, TypedStep);
}

void ReplaceSelectionText(const std::u16string& text) {
  WriteEditor(nullptr, text.c_str(), nullptr, false, CommandStep);
}

void ReplaceRange(DWORD start, DWORD end, const std::u16string& text) {
  DWORD range[2] = {start, end};
  WriteEditor(range, text.c_str(), nullptr, false, CommandStep);
}

void ReplaceRangeAndSelect(DWORD start, DWORD end, const std::u16string& text, DWORD selStart, DWORD selEnd,
                           bool scroll) {
  DWORD range[2] = {start, end};
  DWORD after[2] = {selStart, selEnd};
  WriteEditor(range, text.c_str(), after, scroll, CommandStep);
}

void ReplaceWholeText(const char16_t* text) {
  DWORD range[2] = {0, static_cast<DWORD>(-1)};
  WriteEditor(range, text, nullptr, false, CommandStep);
}

bool GetEditorText(std::u16string& text) {
  HWND editor = Editor;
  int length = GetWindowTextLengthW(editor);
  text.clear();
  if (!TryResize(text, static_cast<std::size_t>(length > 0 ? length : 0))) return false;
  if (length > 0) {
    int got = GetWindowTextW(editor, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  }
  return true;
}

bool ReadForCommand(DWORD& start, DWORD& end, std::u16string& text) {
  GetEditorSelection(start, end);
  BeginWork();
  if (GetEditorText(text)) return true;
  ReportOutOfMemory();
  return false;
}

void GetEditorSelection(DWORD& start, DWORD& end) {
  start = 0;
  end = 0;
  SendMessageW(Editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end < start) {
    DWORD t = start;
    start = end;
    end = t;
  }
}
