// The editor's text: read as a copy, and written back as one undoable
// replacement with the redraw suspended.
#include "base/report_win.h"
#include "base/shared_win.h"
#include "editor/editor_internal_win.h"
#include "editor/editor_win.h"
#include "platform/memory.h"

namespace {

// The one redraw bracket every write goes through: optionally select
// start..end first, replace the selection as one undoable step, then
// optionally select again and scroll the caret into view. The editor is
// invalidated without erasing, so the buffered paint of the marks does not
// flicker.
void WriteEditor(const DWORD* range, const char16_t* text, const DWORD* after, bool scroll) {
  HWND editor = Editor;
  SendMessageW(editor, WM_SETREDRAW, FALSE, 0);
  if (range) SendMessageW(editor, EM_SETSEL, range[0], range[1]);
  SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  if (after) SendMessageW(editor, EM_SETSEL, after[0], after[1]);
  if (scroll) SendMessageW(editor, EM_SCROLLCARET, 0, 0);
  SendMessageW(editor, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(editor, nullptr, FALSE);
}

}  // namespace

void ReplaceSelectionText(const std::u16string& text) { WriteEditor(nullptr, text.c_str(), nullptr, false); }

void ReplaceRange(DWORD start, DWORD end, const std::u16string& text) {
  DWORD range[2] = {start, end};
  WriteEditor(range, text.c_str(), nullptr, false);
}

void ReplaceRangeAndSelect(DWORD start, DWORD end, const std::u16string& text, DWORD selStart, DWORD selEnd,
                           bool scroll) {
  DWORD range[2] = {start, end};
  DWORD after[2] = {selStart, selEnd};
  WriteEditor(range, text.c_str(), after, scroll);
}

void ReplaceWholeText(const char16_t* text) {
  DWORD range[2] = {0, static_cast<DWORD>(-1)};
  WriteEditor(range, text, nullptr, false);
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
