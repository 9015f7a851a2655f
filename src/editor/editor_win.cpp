#include "editor/editor_win.h"

#include "app/appearance_win.h"
#include "app/main_window_win.h"
#include "app/report_win.h"
#include "app/shared_win.h"
#include "app/title_win.h"
#include "editor/control_chars_win.h"
#include "editor/word_delete.h"
#include "platform/memory.h"
#include "platform/wide_win.h"

bool InsertMode = true;
bool WordWrap = false;

namespace {

HWND Editor = nullptr;
WNDPROC PreviousEditorProc = nullptr;
unsigned ErrSpaces = 0;

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT Previous(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(PreviousEditorProc, window, message, wParam, lParam);
}

void Subclass(HWND editor) {
  PreviousEditorProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorProc)));
}

void SetTabStops(HWND editor) {
  UINT stop = 16;  // dialog units: four average characters
  SendMessageW(editor, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
}

HWND CreateEditorControl(DWORD style, int width, int height) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, width, height, MainWindow,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorId)), GetModuleHandleW(nullptr),
                         nullptr);
}

// Deletes start..end of the text as one undoable step.
void DeleteRange(DWORD start, DWORD end) { ReplaceRange(start, end, std::u16string()); }

// Ctrl+Backspace and Ctrl+Delete: a selection goes as a whole; otherwise the
// word rules say how far the deletion reaches from the caret.
void DeleteWord(bool left) {
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  if (start != end) {
    ReplaceSelectionText(std::u16string());
    return;
  }
  std::u16string text;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  if (left) {
    std::size_t k = WordLeftStart(text, start);
    if (k < start) DeleteRange(static_cast<DWORD>(k), start);
  } else {
    std::size_t k = WordRightEnd(text, start);
    if (k > start) DeleteRange(start, static_cast<DWORD>(k));
  }
}

// Overwrite mode: the typed unit replaces the one after the caret, except at
// the end of a line, where it is inserted; a selection is replaced as a whole.
void OverwriteChar(wchar_t character) {
  HWND editor = Editor;
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  std::u16string unit(1, static_cast<char16_t>(character));
  std::size_t lineEnd = start;
  if (start == end) {
    LRESULT line = SendMessageW(editor, EM_LINEFROMCHAR, start, 0);
    LRESULT lineStart = SendMessageW(editor, EM_LINEINDEX, line, 0);
    LRESULT length = SendMessageW(editor, EM_LINELENGTH, lineStart, 0);
    if (lineStart >= 0 && length >= 0) lineEnd = static_cast<std::size_t>(lineStart + length);
  }
  TTypedRange range = OverwrittenRange(start, end, lineEnd);
  if (range.From == start && range.To == end) ReplaceSelectionText(unit);
  else ReplaceRange(static_cast<DWORD>(range.From), static_cast<DWORD>(range.To), unit);
}

bool IsNavigationKey(WPARAM key) {
  switch (key) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
      return true;
    default:
      return false;
  }
}

LRESULT OnKeyDown(HWND window, WPARAM key, LPARAM lParam) {
  bool ctrl = KeyDown(VK_CONTROL);
  bool shift = KeyDown(VK_SHIFT);
  switch (key) {
    case VK_BACK:
      if (!ctrl) break;
      DeleteWord(true);
      ScheduleMarkRepaint(window);
      return 0;
    case VK_DELETE:
      if (!ctrl) break;
      DeleteWord(false);
      ScheduleMarkRepaint(window);
      return 0;
    case VK_INSERT:
      if (shift || ctrl) break;
      InsertMode = !InsertMode;
      UpdateCaretShape();
      RequestStatusLine();
      ScheduleMarkRepaint(window);
      return 0;
    case VK_F11:
      SendMessageW(GetParent(window), WM_SYSCOMMAND, SC_RESTORE, 0);
      return 0;
    case VK_F12:
      SendMessageW(GetParent(window), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      return 0;
    default:
      if (IsNavigationKey(key)) {
        LRESULT result = Previous(window, WM_KEYDOWN, key, lParam);
        ScheduleMarkRepaint(window);
        return result;
      }
      break;
  }
  return Previous(window, WM_KEYDOWN, key, lParam);
}

LRESULT OnChar(HWND window, WPARAM code, LPARAM lParam) {
  if (KeyDown(VK_CONTROL) && !KeyDown(VK_MENU) && (code == 8 || code == 127)) return 0;
  if (!InsertMode && code >= 32) {
    OverwriteChar(static_cast<wchar_t>(code));
    ScheduleMarkRepaint(window);
    return 0;
  }
  LRESULT result = Previous(window, WM_CHAR, code, lParam);
  ScheduleMarkRepaint(window);
  return result;
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      LRESULT result = Previous(window, message, wParam, lParam);
      RepaintMarksNow(window);
      return result;
    }
    case WM_ERASEBKGND:
      // While the marks are shown the buffered paint covers every pixel; an
      // erase on the screen first would only flash the background. (The
      // erase into the paint's own bitmap goes through.)
      if (ShowControlChars && GetObjectType(reinterpret_cast<HGDIOBJ>(wParam)) != OBJ_MEMDC) return 1;
      return Previous(window, message, wParam, lParam);
    case WM_PAINT:
      if (ShowControlChars) {
        PaintEditorBuffered(window);
        return 0;
      }
      return Previous(window, message, wParam, lParam);
    case WM_TIMER:
      if (wParam == MarkTimerId) {
        OnMarkTimer(window);
        return 0;
      }
      return Previous(window, message, wParam, lParam);
    case WM_SETFOCUS: {
      // The control makes its own thin caret on focus; overwrite mode keeps its block.
      LRESULT result = Previous(window, message, wParam, lParam);
      if (!InsertMode) UpdateCaretShape();
      return result;
    }
    case WM_NCDESTROY:
      CancelMarkRepaint(window);
      return Previous(window, message, wParam, lParam);
    case WM_SETTEXT: case WM_SETFONT: case EM_SETSEL: case EM_REPLACESEL:
    case WM_HSCROLL: case WM_VSCROLL: case WM_MOUSEWHEEL:
    case WM_CUT: case WM_PASTE: case WM_CLEAR: case WM_UNDO: case EM_UNDO: {
      LRESULT result = Previous(window, message, wParam, lParam);
      ScheduleMarkRepaint(window);
      RequestStatusLine();
      return result;
    }
    case WM_KEYDOWN:
      RequestStatusLine();
      return OnKeyDown(window, wParam, lParam);
    case WM_KEYUP:
      RequestStatusLine();
      ScheduleMarkRepaint(window);
      return Previous(window, message, wParam, lParam);
    case WM_CHAR:
      RequestStatusLine();
      return OnChar(window, wParam, lParam);
    case WM_LBUTTONDOWN:
      RequestStatusLine();
      return Previous(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON) {
        RequestStatusLine();
        ScheduleMarkRepaint(window);
      }
      return Previous(window, message, wParam, lParam);
    case WM_LBUTTONUP:
      RequestStatusLine();
      ScheduleMarkRepaint(window);
      return Previous(window, message, wParam, lParam);
    default:
      return Previous(window, message, wParam, lParam);
  }
}

}  // namespace

HWND EditorWindow() { return Editor; }

void CreateEditor(HWND mainWindow) {
  (void)mainWindow;
  Editor = CreateEditorControl(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_AUTOHSCROLL | ES_NOHIDESEL,
                               0, 0);
  SendMessageW(Editor, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(Editor, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont), TRUE);
  SetTabStops(Editor);
  Subclass(Editor);
}

// The new control is made and filled, hidden, while the old one still holds
// the text; only when it has taken the whole text does it replace the old one.
bool RecreateEditor(bool wrap) {
  BeginWork();
  std::u16string text;
  if (!GetEditorText(text)) {
    ReportOutOfMemory();
    return false;
  }
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  DWORD style = WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_NOHIDESEL;
  if (!wrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  unsigned errSpaces = ErrSpaceCount();
  HWND editor = CreateEditorControl(style, ClientWidth, ClientHeight - StatusBandHeight);
  bool filled = false;
  if (editor) {
    // The old limit must hold before the text goes in, or a long text is cut.
    SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(editor, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont), TRUE);
    filled = SetWindowTextW(editor, AsWide(text.c_str())) &&
             static_cast<std::size_t>(GetWindowTextLengthW(editor)) == text.size();
  }
  std::u16string().swap(text);
  if (!filled) {
    if (editor) DestroyWindow(editor);
    if (ErrSpaceCount() == errSpaces) ReportOutOfMemory();
    return false;
  }
  DestroyWindow(Editor);
  Editor = editor;
  SendMessageW(Editor, EM_SETSEL, start, end);
  Subclass(Editor);
  SetTabStops(Editor);
  ShowWindow(Editor, SW_SHOW);
  WordWrap = wrap;
  SetFocus(Editor);
  return true;
}

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

unsigned ErrSpaceCount() { return ErrSpaces; }
void CountErrSpace() { ++ErrSpaces; }

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

void UpdateCaretShape() {
  HWND editor = Editor;
  HideCaret(editor);
  DestroyCaret();
  HDC dc = GetDC(editor);
  HGDIOBJ old = SelectObject(dc, EditorFont);
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(editor, dc);
  CreateCaret(editor, nullptr, InsertMode ? 2 : tm.tmAveCharWidth, tm.tmHeight);
  ShowCaret(editor);
}
