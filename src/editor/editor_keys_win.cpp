// The editor's subclass: what Zib adds to the control's keys and mouse
// (word deletion, overwrite mode, the window-size keys), the status line and
// the marks kept current, and the buffered paint while the marks show.
#include "base/frame_win.h"
#include "base/report_win.h"
#include "editor/control_chars_win.h"
#include "editor/editor_internal_win.h"
#include "editor/editor_win.h"
#include "editor/word_delete.h"

namespace {

WNDPROC PreviousEditorProc = nullptr;

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT Previous(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(PreviousEditorProc, window, message, wParam, lParam);
}

// Ctrl+Backspace and Ctrl+Delete: a selection goes as a whole; otherwise the
// word rules say how far the deletion reaches from the caret.
void DeleteWord(bool left) {
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  if (start != end) return ReplaceTyped(start, end, std::u16string());
  std::u16string text;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  if (left) {
    std::size_t k = WordLeftStart(text, start);
    if (k < start) ReplaceTyped(static_cast<DWORD>(k), start, std::u16string());
  } else {
    std::size_t k = WordRightEnd(text, start);
    if (k > start) ReplaceTyped(start, static_cast<DWORD>(k), std::u16string());
  }
}

// Overwrite mode: the typed unit replaces the one after the caret, except at
// the end of a line, where it is inserted; a selection is replaced as a whole.
void OverwriteChar(wchar_t character) {
  HWND editor = EditorWindow();
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
  ReplaceTyped(static_cast<DWORD>(range.From), static_cast<DWORD>(range.To), unit);
}

// Whether a key or clipboard message on its way to the control will change
// the text: then it starts a new undo step when a command or an undo closed
// the last one. Keys that change nothing (Backspace at the start, a paste
// with nothing to paste) leave the command's step for the next undo.
enum TEdit { CharEdit, DeleteKeyEdit, PasteEdit, CutEdit };

bool ChangesText(HWND window, TEdit edit, WPARAM code = 0) {
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  bool selection = start != end;
  switch (edit) {
    case CharEdit:
      if (code == 0x16) return ChangesText(window, PasteEdit);
      if (code == 0x18) return selection;
      if (code == 8) return selection || start > 0;
      return code >= 32 || code == '\t' || code == '\r';
    case DeleteKeyEdit:
      return selection || start < static_cast<DWORD>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    case PasteEdit:
      return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    case CutEdit:
      return selection;
  }
  return false;
}

void BeforeEdit(HWND window, TEdit edit, WPARAM code = 0) {
  if (UndoStepIsClosed() && ChangesText(window, edit, code)) BeginTypedEdit();
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
      if (!ctrl) {
        BeforeEdit(window, shift ? CutEdit : DeleteKeyEdit);
        break;
      }
      DeleteWord(false);
      ScheduleMarkRepaint(window);
      return 0;
    case VK_INSERT:
      if (shift && !ctrl) BeforeEdit(window, PasteEdit);
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
  BeforeEdit(window, CharEdit, code);
  LRESULT result = Previous(window, WM_CHAR, code, lParam);
  if (code == 0x1A) CloseUndoStep();  // Ctrl+Z, should the control see it
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
      if (message == WM_PASTE) BeforeEdit(window, PasteEdit);
      else if (message == WM_CUT || message == WM_CLEAR) BeforeEdit(window, CutEdit);
      LRESULT result = Previous(window, message, wParam, lParam);
      if (message == WM_UNDO || message == EM_UNDO) CloseUndoStep();
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

void SubclassEditor(HWND editor) {
  PreviousEditorProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorProc)));
}
