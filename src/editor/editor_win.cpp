// The edit control that holds the document: made at start-up, made again
// when word wrap is switched, and its caret.
#include "editor/editor_win.h"

#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "editor/editor_internal_win.h"
#include "platform/wide_win.h"

bool InsertMode = true;
bool WordWrap = false;
HWND Editor = nullptr;

namespace {

unsigned ErrSpaces = 0;

void SetTabStops(HWND editor) {
  UINT stop = 16;  // dialog units: four average characters
  SendMessageW(editor, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
}

HWND CreateEditorControl(DWORD style, int width, int height) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, width, height, MainWindow,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorId)), GetModuleHandleW(nullptr),
                         nullptr);
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
  SubclassEditor(Editor);
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
  SubclassEditor(Editor);
  SetTabStops(Editor);
  ShowWindow(Editor, SW_SHOW);
  WordWrap = wrap;
  SetFocus(Editor);
  return true;
}

unsigned ErrSpaceCount() { return ErrSpaces; }
void CountErrSpace() { ++ErrSpaces; }

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
