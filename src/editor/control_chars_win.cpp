#include "editor/control_chars_win.h"

#include <vector>

#include "app/commands.h"
#include "app/menu_win.h"
#include "editor/editor_win.h"
#include "editor/marks.h"

bool ShowControlChars = false;

namespace {

bool MarkRepaintPending = false;

}  // namespace

void ToggleControlChars() {
  ShowControlChars = !ShowControlChars;
  SetViewCheck(CmdShowControlChars, ShowControlChars);
  InvalidateRect(EditorWindow(), nullptr, FALSE);
}

void ScheduleMarkRepaint(HWND editor) {
  if (!ShowControlChars) return;
  MarkRepaintPending = true;
  InvalidateRect(editor, nullptr, FALSE);
  KillTimer(editor, MarkTimerId);
  SetTimer(editor, MarkTimerId, 50, nullptr);
}

void OnMarkTimer(HWND editor) {
  KillTimer(editor, MarkTimerId);
  if (ShowControlChars && MarkRepaintPending) {
    MarkRepaintPending = false;
    RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  }
}

void RepaintMarksNow(HWND editor) {
  if (!ShowControlChars) return;
  MarkRepaintPending = false;
  KillTimer(editor, MarkTimerId);
  RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
}

void CancelMarkRepaint(HWND editor) {
  KillTimer(editor, MarkTimerId);
  MarkRepaintPending = false;
}

void PaintEditorBuffered(HWND editor) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(editor, &ps);
  RECT client;
  GetClientRect(editor, &client);
  int width = client.right - client.left;
  int height = client.bottom - client.top;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  if (width <= 0 || height <= 0) goto out;
  memory = CreateCompatibleDC(dc);
  if (!memory) goto out;
  bitmap = CreateCompatibleBitmap(dc, width, height);
  if (!bitmap) goto out;
  oldBitmap = SelectObject(memory, bitmap);
  FillRect(memory, &client, GetSysColorBrush(COLOR_WINDOW));
  SendMessageW(editor, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
  if (ShowControlChars) DrawControlMarks(editor, memory, MarkTabWidth);
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
out:
  if (oldBitmap) SelectObject(memory, oldBitmap);
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  EndPaint(editor, &ps);
}

void DrawControlMarks(HWND editor, HDC dc, int tabWidth) {
  RECT client;
  GetClientRect(editor, &client);
  int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(editor, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  int w = tm.tmAveCharWidth;
  int h = tm.tmHeight < 1 ? 1 : tm.tmHeight;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, MarkColour);

  RECT f = {};
  SendMessageW(editor, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&f));
  long first = static_cast<long>(SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  long count = static_cast<long>(SendMessageW(editor, EM_GETLINECOUNT, 0, 0));
  if (first >= 0 && count > 0) {
    LRESULT pos = SendMessageW(editor, EM_POSFROMCHAR, 0, 0);
    int x0 = pos == -1 ? f.left : static_cast<short>(LOWORD(pos));
    long visible = (f.bottom - f.top) / h + 2;
    if (visible < 1) visible = 1;
    long last = first + visible - 1 < count - 1 ? first + visible - 1 : count - 1;
    long start = static_cast<long>(SendMessageW(editor, EM_LINEINDEX, first, 0));
    std::vector<wchar_t> buffer(256);
    std::vector<TMark> marks;
    for (long line = first; start >= 0 && line <= last; ++line) {
      long next = line + 1 < count ? static_cast<long>(SendMessageW(editor, EM_LINEINDEX, line + 1, 0)) : -1;
      long len = static_cast<long>(SendMessageW(editor, EM_LINELENGTH, start, 0));
      if (len < 0) break;
      long want = len < 65534 ? len : 65534;
      if (static_cast<long>(buffer.size()) < want + 1) buffer.resize(static_cast<std::size_t>(want) + 32);
      // EM_GETLINE takes the buffer size in its first unit.
      *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(want);
      long got = want > 0 ? static_cast<long>(SendMessageW(editor, EM_GETLINE, line,
                                                           reinterpret_cast<LPARAM>(buffer.data())))
                          : 0;
      if (got < 0) got = 0;
      int y = static_cast<int>((line - first) * h + f.top);
      if (y > f.bottom) break;
      bool hard = next >= 0 && next > start + len;
      marks.clear();
      LayoutLineMarks(std::u16string_view(reinterpret_cast<const char16_t*>(buffer.data()),
                                          static_cast<std::size_t>(got)),
                      x0, w, f.left, f.right, hard, tabWidth, marks);
      for (const TMark& mark : marks) {
        wchar_t glyph = static_cast<wchar_t>(mark.Glyph);
        TextOutW(dc, mark.X, y, &glyph, 1);
      }
      if (next < 0) break;
      start = next;
    }
  }
  SelectObject(dc, oldFont);
  RestoreDC(dc, saved);
}
